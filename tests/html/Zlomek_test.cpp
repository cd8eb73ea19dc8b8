#include "html/Zlomek.h"
#include "html_window_test.h"

#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/window_instances.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ZlomekWindow : public HtmlWindowTest {
protected:
    static Zlomek& open() { return openDialog<Zlomek>(); }
    static QLineEdit* edit(const Zlomek& window, const QString& name) {
        return window.findChild<QLineEdit*>(name);
    }
};

} // namespace

TEST_F(ZlomekWindow, InitialFractionGoesBeforeTheSelectionAndHides) {
    select(u"x y z"_s, 2, 1);
    Zlomek& window = open();
    EXPECT_EQ(window.windowTitle(), u"HTML Zlomek"_s);

    click(window, u"Command1"_s);

    EXPECT_EQ(form.surface().text(), u"x <SUP>A</SUP>/<SUB>B</SUB>y z"_s);
    EXPECT_EQ(form.surface().selStart(), 27);
    EXPECT_EQ(form.surface().selLength(), 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ZlomekWindow, EnterConfirmsAndThePartsStayForTheNextOpening) {
    select(u"ab"_s, 1, 0);
    Zlomek& window = open();
    edit(window, u"Text1"_s)->setText(u"3"_s);
    edit(window, u"Text2"_s)->clear();
    QTest::mouseClick(edit(window, u"Text1"_s), Qt::LeftButton);
    QTest::keyClick(edit(window, u"Text1"_s), Qt::Key_Return);

    // An empty part is written empty.
    EXPECT_EQ(form.surface().text(), u"a<SUP>3</SUP>/<SUB></SUB>b"_s);
    EXPECT_EQ(form.surface().selStart(), 25);
    EXPECT_FALSE(window.isVisible());

    Zlomek& again = open();
    ASSERT_EQ(&again, &window);
    EXPECT_EQ(edit(again, u"Text1"_s)->text(), u"3"_s);
    EXPECT_EQ(edit(again, u"Text2"_s)->text(), u""_s);
    click(again, u"Command2"_s);
    EXPECT_EQ(form.surface().text(), u"a<SUP>3</SUP>/<SUB></SUB>b"_s);
    EXPECT_FALSE(again.isVisible());
}
