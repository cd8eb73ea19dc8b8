// The find window Hledani and the replace window Zamena, driven through their
// controls over the main window's editor.
#include "find_fixture.h"
#include "shell/find/Hledani.h"
#include "shell/find/Zamena.h"
#include "shell/main_window/MainTimer.h"
#include "shell/main_window/Toolbar.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class SearchWindows : public FindFixture {
protected:
    Hledani& hledani() {
        item(MenuId::mnufind)->trigger();
        return LoadedWindow<Hledani>();
    }
    Zamena& zamena() {
        item(MenuId::mnuchange)->trigger();
        return LoadedWindow<Zamena>();
    }
    [[nodiscard]] QList<bool> idleState(const SearchWindow& window) const {
        return {window.Find()->isEnabled(),         window.Rozlisovat()->isEnabled(),
                window.ChkSelection()->isEnabled(), window.History()->isEnabled(),
                window.Command1()->isEnabled(),     !window.Command2()->isEnabled()};
    }
    [[nodiscard]] std::pair<int, int> selection() const {
        return {surface().selStart(), surface().selLength()};
    }
};

const QList<bool> Idle{true, true, true, true, true, true};
const QList<bool> Searching{false, false, false, false, false, false};

TEST_F(SearchWindows, OpensIdleWithMatchCaseAndTheSelectionAsSearchText) {
    setText(u"one two"_s, 4, 3);
    Hledani& window = hledani();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), u"Hledání"_s);
    EXPECT_EQ(window.Find()->text(), u"two"_s);
    EXPECT_TRUE(window.Rozlisovat()->isChecked());
    EXPECT_FALSE(window.ChkSelection()->isChecked());
    EXPECT_EQ(idleState(window), Idle);
    EXPECT_TRUE(window.Label3()->text().isEmpty());

    Zamena& replace = zamena();
    EXPECT_EQ(replace.windowTitle(), u"Záměna"_s);
    EXPECT_EQ(replace.Chage()->text(), u"Zaměň"_s);
    EXPECT_FALSE(replace.Command5()->isEnabled());
    EXPECT_FALSE(replace.Command6()->isEnabled());
}

TEST_F(SearchWindows, ToolbarFindOpensTheFindWindow) {
    setText(u"x"_s);
    form.timer().tick();
    QAction* find = form.Toolbar1()->button(u"Find"_s);
    ASSERT_TRUE(find);
    EXPECT_TRUE(find->isEnabled());
    find->trigger();
    ASSERT_TRUE(LoadedWindowIfAny<Hledani>());
    EXPECT_TRUE(LoadedWindowIfAny<Hledani>()->isVisible());
}

TEST_F(SearchWindows, StepsThroughOverlappingHitsThenGoesIdle) {
    setText(u"aaaa"_s);
    Hledani& window = hledani();
    window.Find()->setText(u"aa"_s);
    QTest::keyClick(window.Find(), Qt::Key_Return); // Enter starts
    EXPECT_EQ(idleState(window), Searching);
    const std::pair<int, int> hits[] = {{0, 2}, {1, 2}, {2, 2}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(selection(), hits[i]) << i;
        EXPECT_EQ(window.Label3()->text(), QString::number(i + 1));
        QTest::mouseClick(window.Command2(), Qt::LeftButton);
    }
    EXPECT_EQ(idleState(window), Idle);
    EXPECT_TRUE(window.Label3()->text().isEmpty());
    // New reloads the search text from the selection, still the last hit.
    EXPECT_EQ(window.Find()->text(), u"aa"_s);
    EXPECT_EQ(selection(), std::make_pair(2, 2));
    ASSERT_EQ(window.History()->count(), 1);
    EXPECT_EQ(window.History()->item(0)->text(), u"aa"_s);
}

TEST_F(SearchWindows, MatchCaseBoxDecidesWhetherOtherCaseIsFound) {
    const struct {
        bool matchCase;
        QString count;
        std::pair<int, int> selected;
    } cases[] = {
        {false, u"1"_s, {1, 3}},
        {true, QString(), {0, 0}},
    };
    Hledani& window = hledani();
    for (const auto& c : cases) {
        setText(u"xABC"_s);
        window.Command4()->click();
        window.Find()->setText(u"abc"_s);
        window.Rozlisovat()->setChecked(c.matchCase);
        window.Command1()->click();
        EXPECT_EQ(window.Label3()->text(), c.count) << c.matchCase;
        EXPECT_EQ(selection(), c.selected) << c.matchCase;
    }
}

// Nothing to find is a zero-length hit on each character in turn, and the
// search ends past the scope's end.
TEST_F(SearchWindows, EmptySearchTextStepsOneCharacterAtATime) {
    setText(u"abc"_s);
    Hledani& window = hledani();
    ASSERT_EQ(window.Find()->text(), QString());
    window.Command1()->click();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(idleState(window), Searching) << i;
        EXPECT_EQ(selection(), std::make_pair(i, 0)) << i;
        EXPECT_EQ(window.Label3()->text(), QString::number(i + 1));
        window.Command2()->click();
    }
    EXPECT_EQ(idleState(window), Idle);

    setText(QString());
    window.Command1()->click();
    EXPECT_EQ(idleState(window), Idle);
    EXPECT_TRUE(window.Label3()->text().isEmpty());
}

TEST_F(SearchWindows, SelectionScopeStopsBeforeAHitAfterIt) {
    setText(u"abxab"_s, 0, 3);
    Hledani& window = hledani();
    window.Find()->setText(u"ab"_s);
    window.ChkSelection()->setChecked(true);
    window.Command1()->click();
    EXPECT_EQ(selection(), std::make_pair(0, 2));
    window.Command2()->click();
    EXPECT_EQ(idleState(window), Idle);
    EXPECT_EQ(selection(), std::make_pair(0, 2));
}

TEST_F(SearchWindows, EmptySelectionScopeOrMissingTextEndsOnStart) {
    setText(u"aaaa"_s, 2, 0);
    Hledani& window = hledani();
    window.ChkSelection()->setChecked(true);
    window.Find()->setText(u"a"_s);
    window.Command1()->click();
    EXPECT_EQ(idleState(window), Idle);
    EXPECT_EQ(window.Find()->text(), QString());

    window.ChkSelection()->setChecked(false);
    window.Find()->setText(u"z"_s);
    window.Command1()->click();
    EXPECT_EQ(idleState(window), Idle);
    EXPECT_EQ(window.History()->count(), 2);
}

TEST_F(SearchWindows, HistoryClickFillsTheSearchTextAndEscKeepsTheState) {
    setText(u"alpha beta"_s);
    Hledani& window = hledani();
    for (const QString& each : {u"alpha"_s, u"beta"_s}) {
        window.Find()->setText(each);
        window.Command1()->click();
        window.Command4()->click(); // New
    }
    const QListWidget& history = *window.History();
    QTest::mouseClick(history.viewport(), Qt::LeftButton, {},
                      history.visualItemRect(history.item(0)).center());
    EXPECT_EQ(window.Find()->text(), u"alpha"_s);

    window.Command1()->click();
    EXPECT_EQ(window.Label3()->text(), u"1"_s);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    Hledani& again = hledani();
    EXPECT_EQ(&again, &window);
    EXPECT_EQ(again.Label3()->text(), u"1"_s);
    EXPECT_EQ(idleState(again), Searching);
}

TEST_F(SearchWindows, ReplaceTakesTheEditorsSelectionAsItStands) {
    setText(u"a1 a2 a3"_s);
    Zamena& window = zamena();
    window.Find()->setText(u"a"_s);
    window.Chage()->setText(u"X"_s);
    window.Command1()->click();
    window.Command5()->click();
    EXPECT_EQ(surface().text(), u"X1 a2 a3"_s);
    EXPECT_EQ(window.Label5()->text(), u"1"_s);
    EXPECT_EQ(selection(), std::make_pair(3, 1));

    // The user selected the digit instead: it is what gets replaced.
    surface().setSelStart(4);
    surface().setSelLength(1);
    window.Command5()->click();
    EXPECT_EQ(surface().text(), u"X1 aX a3"_s);
    EXPECT_EQ(window.Label5()->text(), u"2"_s);
    EXPECT_EQ(selection(), std::make_pair(6, 1));
    EXPECT_EQ(window.Label3()->text(), u"3"_s);
}

TEST_F(SearchWindows, ReplaceAllIsExactUnderItsBusyMessageAndEndsTheSearch) {
    setText(u"<B>a<b>b<B>"_s);
    Zamena& window = zamena();
    window.Find()->setText(u"<B>"_s);
    window.Chage()->setText(u"<STRONG>"_s);
    window.Rozlisovat()->setChecked(false);
    window.Command1()->click();
    window.Command6()->click();
    EXPECT_EQ(surface().text(), u"<STRONG>a<b>b<STRONG>"_s);
    EXPECT_EQ(form.panel(4)->text(), u"Zaměňuji text ve výběru"_s);
    EXPECT_FALSE(form.Status()->isVisible());
    EXPECT_EQ(idleState(window), Idle);
    EXPECT_FALSE(window.Command6()->isEnabled());
}

// On a document of a megabyte, Ctrl+Z after Replace all gives back the text
// with the hit selected where it was, and shows it: not the text's end.
TEST_F(SearchWindows, UndoingReplaceAllGoesBackToTheHitShownBefore) {
    form.resize(800, 600);
    const QString lines = u"řádek textu, v němž nic hledaného není\r\n"_s.repeated(13000);
    const QString text = lines + u"tady je <B>hledané</B> slovo\r\n"_s + lines;
    setText(text);
    Zamena& window = zamena();
    window.Find()->setText(u"<B>"_s);
    window.Chage()->setText(u"<STRONG>"_s);
    window.Command1()->click();
    const std::pair<int, int> hit = selection();
    ASSERT_EQ(hit, std::make_pair(int(lines.size()) + 8, 3));
    window.Command6()->click();
    ASSERT_NE(surface().text(), text);
    auto* editor = static_cast<SurfaceTextEdit*>(static_cast<RichEditSurface&>(surface()).widget());
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(surface().text(), text);
    EXPECT_EQ(selection(), hit);
    EXPECT_TRUE(editor->viewport()->rect().contains(editor->cursorRect()))
        << editor->cursorRect().y();
}

TEST_F(SearchWindows, ReplaceAllOnASelectionStaysInsideAfterALongerReplacement) {
    setText(u"ab ab ab ab"_s, 0, 5);
    Zamena& window = zamena();
    window.Find()->setText(u"ab"_s);
    window.Chage()->setText(u"AB!"_s);
    window.ChkSelection()->setChecked(true);
    window.Command1()->click();
    window.Command5()->click();
    window.Command6()->click();
    EXPECT_EQ(surface().text(), u"AB! AB! ab ab"_s);
}

TEST_F(SearchWindows, EitherHistoryListSelectsItsPartnerAndFillsBothTexts) {
    setText(u"x"_s);
    Zamena& window = zamena();
    for (int i = 1; i <= 4; ++i) {
        window.Find()->setText(u"find%1"_s.arg(i));
        window.Chage()->setText(u"with%1"_s.arg(i));
        window.Command1()->click(); // not found: back to idle at once
    }
    ASSERT_EQ(window.List1()->count(), 4);
    for (QListWidget* clicked : {window.History(), window.List1()}) {
        QListWidget* partner = clicked == window.History() ? window.List1() : window.History();
        const int row = clicked == window.History() ? 2 : 1;
        QTest::mouseClick(clicked->viewport(), Qt::LeftButton, {},
                          clicked->visualItemRect(clicked->item(row)).center());
        EXPECT_EQ(partner->currentRow(), row);
        EXPECT_EQ(window.Find()->text(), u"find%1"_s.arg(row + 1));
        EXPECT_EQ(window.Chage()->text(), u"with%1"_s.arg(row + 1));
    }
}

// However a search ends, the keyboard stays in the window, in the search
// text: the button that ended it is disabled under the user's hand, and what
// the user types next must not be lost.
TEST_F(SearchWindows, EndedSearchLeavesTheKeyboardInTheSearchText) {
    const struct {
        bool replaceWindow;
        QString find;
        QStringList presses; // Start, then the button whose step ends the search
    } cases[] = {
        {false, u"z"_s, {u"Command1"_s}},
        {false, u"b"_s, {u"Command1"_s, u"Command2"_s}},
        {true, u"z"_s, {u"Command1"_s}},
        {true, u"b"_s, {u"Command1"_s, u"Command2"_s}},
        {true, u"b"_s, {u"Command1"_s, u"Command5"_s}},
        {true, u"b"_s, {u"Command1"_s, u"Command6"_s}},
    };
    for (const auto& c : cases) {
        setText(u"ab"_s);
        SearchWindow& window = c.replaceWindow ? static_cast<SearchWindow&>(zamena())
                                               : static_cast<SearchWindow&>(hledani());
        QApplication::setActiveWindow(&window);
        window.Find()->setText(c.find);
        // Pressed from the keyboard, so each button has the focus as it is pressed.
        for (const QString& name : c.presses) {
            auto* button = window.findChild<QPushButton*>(name);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        }
        SCOPED_TRACE(window.objectName().toStdString() + " " + c.presses.last().toStdString());
        EXPECT_EQ(idleState(window), Idle);
        EXPECT_EQ(QApplication::activeWindow(), &window);
        EXPECT_EQ(QApplication::focusWidget(), window.Find());
        window.hide();
    }
}

// Neither window has more to show when larger, so neither can be resized
// (a window manager then draws no resize handle along its edge), and Tab
// goes from the search text to the replacement text.
TEST_F(SearchWindows, FixedSizeAndTabFromTheSearchTextToTheReplacement) {
    for (SearchWindow* window :
         {static_cast<SearchWindow*>(&hledani()), static_cast<SearchWindow*>(&zamena())}) {
        window->show();
        EXPECT_EQ(window->minimumSize(), window->maximumSize())
            << window->objectName().toStdString();
    }
    EXPECT_EQ(zamena().Find()->nextInFocusChain(), zamena().Chage());
}

} // namespace
