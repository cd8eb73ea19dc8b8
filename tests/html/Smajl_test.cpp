#include "html/Smajl.h"
#include "html_window_test.h"

#include "core/random_generator.h"
#include "core/random_text.h"
#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/window_instances.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SmajlWindow : public HtmlWindowTest {
protected:
    static Smajl& open() { return openDialog<Smajl>(); }
    static QLineEdit* smiley(const Smajl& window) {
        return window.findChild<QLineEdit*>(u"Text1"_s);
    }
    static QComboBox* part(const Smajl& window, int number) {
        return window.findChild<QComboBox*>(u"Combo"_s + QString::number(number));
    }
};

// Item indexes chosen in Combo1 to Combo5 (-1: nothing) and what "GO!" builds.
struct PartsCase {
    int chosen[5];
    QString smiley;
};

} // namespace

TEST_F(SmajlWindow, GoJoinsTheChosenPartsAndOkInsertsThem) {
    const PartsCase cases[] = {
        {{-1, 0, -1, 0, -1}, u":)"_s},
        // A blank hat and beard vanish at the ends; a blank nose stays inside.
        {{0, 1, 5, 12, 0}, u"; |"_s},
        {{1, 2, 3, 9, 2}, u"(8oV-"_s},
        {{-1, -1, -1, -1, -1}, u""_s},
    };
    Smajl& window = open();
    EXPECT_EQ(window.windowTitle(), u"\"Smajl\" :-)"_s);
    EXPECT_EQ(smiley(window)->text(), u":-)"_s);
    for (const PartsCase& c : cases) {
        SCOPED_TRACE(c.smiley.toStdString());
        for (int i = 0; i < 5; ++i)
            part(window, i + 1)->setCurrentIndex(c.chosen[i]);
        click(window, u"Command3"_s);
        EXPECT_EQ(smiley(window)->text(), c.smiley);

        select(u"ab"_s, 1, 1);
        open();
        click(window, u"Command1"_s);
        EXPECT_EQ(form.surface().text(), u"a"_s + c.smiley + u"b"_s);
        EXPECT_EQ(form.surface().selStart(), 1 + c.smiley.size());
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(SmajlWindow, RandomButtonDrawsFromTheProgramGenerator) {
    Rnd().reset();
    const QString first = RandomSmiley();
    const QString second = RandomSmiley();
    Rnd().reset();
    Smajl& window = open();

    click(window, u"Command4"_s);
    EXPECT_EQ(smiley(window)->text(), first);
    click(window, u"Command4"_s);
    EXPECT_EQ(smiley(window)->text(), second);

    select(u""_s, 0, 0);
    click(window, u"Command1"_s);
    EXPECT_EQ(form.surface().text(), second);
}
