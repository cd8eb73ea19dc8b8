#include "html/html_window_test.h"
#include "html/simple/Smajl.h"

#include "core/text/random_generator.h"
#include "core/text/random_text.h"

#include <QLineEdit>
#include <array>

using namespace Qt::StringLiterals;

namespace {

class SmajlWindow : public HtmlWindowTest {
protected:
    Smajl& window = openDialog<Smajl>();
    [[nodiscard]] QString smiley() const { return child<QLineEdit>(window, u"Text1"_s)->text(); }
};

TEST_F(SmajlWindow, GoJoinsTheChosenPartsAndOkInsertsThem) {
    // Item indexes chosen in Combo1 to Combo5 (-1: nothing) and what "GO!" builds.
    const std::pair<std::array<int, 5>, QString> cases[] = {
        {{-1, 0, -1, 0, -1}, u":)"_s},
        {{1, 2, 3, 9, 2}, u"(8oV-"_s},
    };
    EXPECT_EQ(smiley(), u":-)"_s);
    for (const auto& [chosen, expected] : cases) {
        SCOPED_TRACE(expected.toStdString());
        for (int i = 0; i < 5; ++i)
            child<QComboBox>(window, u"Combo"_s + QString::number(i + 1))
                ->setCurrentIndex(chosen[i]);
        click(window, u"Command3"_s);
        EXPECT_EQ(smiley(), expected);

        EXPECT_EQ(confirmOn<Smajl>(u"ab"_s, 1, 1), u"a"_s + expected + u"b"_s);
    }
}

TEST_F(SmajlWindow, RandomButtonDrawsFromTheProgramGenerator) {
    Rnd().reset();
    const QString first = RandomSmiley();
    const QString second = RandomSmiley();
    Rnd().reset();

    click(window, u"Command4"_s);
    EXPECT_EQ(smiley(), first);
    click(window, u"Command4"_s);
    EXPECT_EQ(smiley(), second);
    EXPECT_EQ(confirmOn<Smajl>(QString(), 0, 0), second);
}

} // namespace
