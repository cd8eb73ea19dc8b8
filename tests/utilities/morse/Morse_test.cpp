#include "utilities/morse/Morse.h"

#include "utilities/text_tool_test.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

class MorseWindow : public TextToolTest {
protected:
    MorseWindow() : window(opened<Morse>(MenuId::mnumorse)) {}

    // The item of that name, which must be in the menu of that name.
    [[nodiscard]] QAction* item(const char* menuName, const QString& name) const {
        const auto* menu = window.findChild<QMenu*>(QString::fromLatin1(menuName));
        EXPECT_NE(menu, nullptr) << menuName;
        if (menu == nullptr)
            return nullptr;
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name)
                return action;
        }
        ADD_FAILURE() << name.toStdString() << " is not in " << menuName;
        return nullptr;
    }

    Morse& window;
};

TEST_F(MorseWindow, EveryItemPutsItsCodeAtTheCaret) {
    const struct {
        const char* menu;
        QString name;
        QString code;
    } items[] = {
        {"mnumorsechar", u"mnua"_s, u".-/"_s},
        {"mnumorsechar", u"mnub"_s, u"-.../"_s},
        {"mnumorsechar", u"mnuc"_s, u"-.-./"_s},
        {"mnumorsechar", u"mnud"_s, u"-../"_s},
        {"mnumorsechar", u"mnue"_s, u"./"_s},
        {"mnumorsechar", u"mnuf"_s, u"..-./"_s},
        {"mnumorsechar", u"mnuG"_s, u"--./"_s},
        {"mnumorsechar", u"mnuH"_s, u"..../"_s},
        {"mnumorsechar", u"mnuCH"_s, u"----/"_s},
        {"mnumorsechar", u"mnui"_s, u"../"_s},
        {"mnumorsechar", u"mnuJ"_s, u".---/"_s},
        {"mnumorsechar", u"mnuk"_s, u"-.-/"_s},
        {"mnumorsechar", u"mnul"_s, u".-../"_s},
        {"mnumorsechar", u"mnum"_s, u"--/"_s},
        {"mnumorsechar", u"mnuN"_s, u"-./"_s},
        {"mnumorsechar", u"mnuo"_s, u"---/"_s},
        {"mnumorsechar", u"mnup"_s, u".--./"_s},
        {"mnumorsechar", u"mnuQ"_s, u"--.-/"_s},
        {"mnumorsechar", u"mnur"_s, u".-./"_s},
        {"mnumorsechar", u"MnuS"_s, u".../"_s},
        {"mnumorsechar", u"mnuT"_s, u"-/"_s},
        {"mnumorsechar", u"mnuU"_s, u"..-/"_s},
        {"mnumorsechar", u"mnuv"_s, u"...-/"_s},
        {"mnumorsechar", u"mnuW"_s, u".--/"_s},
        {"mnumorsechar", u"mnux"_s, u"-..-/"_s},
        {"mnumorsechar", u"mnuY"_s, u"-.--/"_s},
        {"mnumorsechar", u"mnuz"_s, u"--../"_s},
        {"mnumorsenumber", u"mnu1"_s, u".----/"_s},
        {"mnumorsenumber", u"mnu2"_s, u"..---/"_s},
        {"mnumorsenumber", u"mnu3"_s, u"...--/"_s},
        {"mnumorsenumber", u"Mnu4"_s, u"....-/"_s},
        {"mnumorsenumber", u"mnu5"_s, u"...../"_s},
        {"mnumorsenumber", u"mnu6"_s, u"-..../"_s},
        {"mnumorsenumber", u"mnu7"_s, u"--.../"_s},
        {"mnumorsenumber", u"mnu8"_s, u"---../"_s},
        {"mnumorsenumber", u"mnu9"_s, u"----./"_s},
        {"mnumorsenumber", u"mnu0"_s, u"-----/"_s},
        {"mnumorsecisskr", u"mnumorcz1"_s, u".-/"_s},
        {"mnumorsecisskr", u"mnumorcz2"_s, u"..-/"_s},
        {"mnumorsecisskr", u"mnumorcz3"_s, u"...-/"_s},
        {"mnumorsecisskr", u"mnumorcz7"_s, u"-.../"_s},
        {"mnumorsecisskr", u"mnumorcz8"_s, u"-../"_s},
        {"mnumorsecisskr", u"mnumorcz9"_s, u"-./"_s},
        {"mnumorsecisskr", u"mnumorcz0"_s, u"-/"_s},
        {"mnumorzn", u"mnumotec"_s, u"....../"_s},
        {"mnumorzn", u"mnumocar"_s, u".-.-.-/"_s},
        {"mnumorzn", u"mnumoapo"_s, u".---./"_s},
        {"mnumorzn", u"mnumodvo"_s, u"---.../"_s},
        {"mnumorzn", u"mnumopom"_s, u"-....-/"_s},
        {"mnumorzn", u"mnumoota"_s, u"..--../"_s},
        {"mnumorzn", u"mnumozlom"_s, u"-..-./"_s},
        {"mnumorzn", u"mnumokri"_s, u".-.-./"_s},
        {"mnumorzn", u"mnumorzavor"_s, u"-.--.-/"_s},
        {"mnu_morseMessage", u"mnusos"_s, u"...---.../"_s},
        {"mnu_morseMessage", u"mnuend"_s, u"...-.-/"_s},
        {"mnu_morseMessage", u"mnupozor"_s, u"-.-.-./"_s},
        {"mnu_morseMessage", u"mnurorumím"_s, u"...-./"_s},
        {"mnu_morseMessage", u"mnunerorum"_s, u"...../"_s},
        {"mnu_morseMessage", u"mnumorsemiscPoma"_s, u"-.-.-../"_s},
        {"mnu_morseMessage", u"mnumorsemiscOpak"_s, u"..--../"_s},
        {"mnu_morseMessage", u"mnumorsemiscCekej"_s, u".-.../"_s},
        {"mnu_morseMessage", u"mnumorsemiscOddel"_s, u"-...-/"_s},
        {"mnu_morseMessage", u"mnumorsemiscPoZpra"_s, u"-.-/"_s},
    };
    EXPECT_EQ(std::size(items), 63U);
    QString expected;
    for (const auto& c : items) {
        QAction* action = item(c.menu, c.name);
        ASSERT_NE(action, nullptr);
        action->trigger();
        expected += c.code;
        ASSERT_EQ(surface().text(), expected) << c.name.toStdString();
    }
    EXPECT_EQ(surface().selStart(), expected.size());
}

TEST_F(MorseWindow, ACodeReplacesTheSelection) {
    selectBetween(u"text"_s);
    item("mnumorsechar", u"mnue"_s)->trigger();
    EXPECT_EQ(surface().text(), u"<<./>>"_s);
    // CH is one code, not C and H.
    item("mnumorsechar", u"mnuCH"_s)->trigger();
    EXPECT_EQ(surface().text(), u"<<./----/>>"_s);
    EXPECT_EQ(surface().selLength(), 0);
}

TEST_F(MorseWindow, TextMenuConvertsTheClipboardTextOrTheSelection) {
    selectBetween(u"Chata"_s);
    item("mnu_Txt", u"mnuMakeMorse"_s)->trigger();
    EXPECT_EQ(surface().text(), u"<<----/.-/-/.-/>>"_s);
    ASSERT_EQ(platform.busyCursor.calls.size(), 2);
    EXPECT_TRUE(platform.busyCursor.calls.front().second);

    // A clipboard without text (a picture) changes nothing; with text its
    // code goes in at the caret, the double quote coded as the text's own.
    platform.clipboard.clear();
    item("mnu_Txt", u"mnu_clipmorse"_s)->trigger();
    EXPECT_EQ(surface().text(), u"<<----/.-/-/.-/>>"_s);
    // Nor does an empty text, which would only delete a selection.
    platform.clipboard.setText(QString());
    surface().setSelStart(2);
    surface().setSelLength(5);
    item("mnu_Txt", u"mnu_clipmorse"_s)->trigger();
    EXPECT_EQ(surface().text(), u"<<----/.-/-/.-/>>"_s);
    surface().setSelStart(15);
    platform.clipboard.setText(u"E\""_s);
    item("mnu_Txt", u"mnu_clipmorse"_s)->trigger();
    EXPECT_EQ(surface().text(), u"<<----/.-/-/.-/./.----./>>"_s);
}

TEST_F(MorseWindow, SnapsAndKeepsOnlyTheMenuBarsHeight) {
    EXPECT_EQ(window.windowTitle(), u"Morseovka"_s);
    EXPECT_EQ(WindowTag(&window), u"_AUTOSNAP"_s);
    const int menuHeight = window.menuBar()->height();
    EXPECT_GT(menuHeight, 0);
    window.resize(window.width() + 40, menuHeight + 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.height(), menuHeight);

    // Closed from its title bar it is unloaded; the command makes it anew.
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(LoadedWindowIfAny<Morse>(), nullptr);
    EXPECT_NE(&opened<Morse>(MenuId::mnumorse), nullptr);
}

// The palette is first shown touching the main window, where the user looks;
// after that it stays where the user puts it.
class MorsePlacement : public TextToolTest {};

TEST_F(MorsePlacement, FirstShowingStandsBesideTheMainWindow) {
    form.setGeometry(10, 20, 300, 200);
    form.show();
    Morse& window = opened<Morse>(MenuId::mnumorse);
    const QRect main = form.frameGeometry();
    const QRect palette = window.frameGeometry();
    EXPECT_EQ(palette.left(), main.right() + 1);
    EXPECT_EQ(palette.top(), main.top());
    EXPECT_TRUE(form.screen()->availableGeometry().contains(palette));

    window.move(350, 400);
    EXPECT_EQ(&opened<Morse>(MenuId::mnumorse), &window);
    EXPECT_EQ(window.pos(), QPoint(350, 400));
}

} // namespace
