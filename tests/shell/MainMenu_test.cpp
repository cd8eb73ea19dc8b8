#include "shell/MainMenu.h"

#include "core/app_version.h"
#include "menu_test_window.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/Start.h"
#include "shell/Visual.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QFrame>
#include <QMenuBar>
#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString nameOf(const MenuEntry& entry) {
    return QString::fromLatin1(entry.name);
}

MenuId topMenuOf(MenuId id) {
    while (const std::optional<MenuId> parent = MainMenuEntry(id).parent)
        id = *parent;
    return id;
}

bool isUnder(MenuId id, MenuId ancestor) {
    for (std::optional<MenuId> parent = MainMenuEntry(id).parent; parent;
         parent = MainMenuEntry(*parent).parent)
        if (*parent == ancestor)
            return true;
    return false;
}

int countOf(MenuEntryKind kind) {
    int count = 0;
    for (const MenuEntry& entry : MainMenuEntries())
        count += entry.kind == kind ? 1 : 0;
    return count;
}

// Commands the menu wires itself, for work that already exists.
const QSet<MenuId> PrewiredCommands = {MenuId::mnuquit, MenuId::mnumore, MenuId::mnustart};

TEST(MainMenuTable, CountsFollowTheMenuTree) {
    EXPECT_EQ(MainMenuEntries().size(), 222u);
    EXPECT_EQ(countOf(MenuEntryKind::Command), 181);
    EXPECT_EQ(countOf(MenuEntryKind::Separator), 18);
    EXPECT_EQ(countOf(MenuEntryKind::Menu), 7 + 16);

    int topMenus = 0;
    int shortcuts = 0;
    int checkable = 0;
    for (const MenuEntry& entry : MainMenuEntries()) {
        topMenus += entry.parent ? 0 : 1;
        shortcuts += QByteArray(entry.shortcut).isEmpty() ? 0 : 1;
        checkable += entry.checkable ? 1 : 0;
    }
    EXPECT_EQ(topMenus, 7);
    EXPECT_EQ(shortcuts, 36);
    // The bar toggles, always-on-top, the six font sizes, italic and bold.
    EXPECT_EQ(checkable, 12);

    const std::map<MenuId, int> commandsPerTopMenu = {
        {MenuId::mnufile, 29}, {MenuId::mnuedit, 43},   {MenuId::mnuseek, 3}, {MenuId::mnutext, 15},
        {MenuId::MNuHTML, 70}, {MenuId::mnusymbol, 18}, {MenuId::mnuhelp, 3}};
    std::map<MenuId, int> counted;
    for (const MenuEntry& entry : MainMenuEntries())
        if (entry.kind == MenuEntryKind::Command)
            ++counted[topMenuOf(entry.id)];
    EXPECT_EQ(counted, commandsPerTopMenu);
}

TEST(MainMenuTable, PopUpMenusHoldTheirEntries) {
    std::map<MenuEntryKind, int> popUp;
    std::map<MenuEntryKind, int> selection;
    for (const MenuEntry& entry : MainMenuEntries()) {
        popUp[entry.kind] += isUnder(entry.id, MenuId::MnuPopUp) ? 1 : 0;
        selection[entry.kind] += isUnder(entry.id, MenuId::MnuSel) ? 1 : 0;
    }
    EXPECT_EQ(popUp[MenuEntryKind::Command], 5);
    EXPECT_EQ(popUp[MenuEntryKind::Menu] + popUp[MenuEntryKind::Separator], 0);
    EXPECT_EQ(selection[MenuEntryKind::Command], 24);
    EXPECT_EQ(selection[MenuEntryKind::Menu], 3);
    EXPECT_EQ(selection[MenuEntryKind::Separator], 1);
    EXPECT_EQ(MainMenuEntry(MenuId::MnuPopUp).parent, MenuId::mnufile);
    EXPECT_EQ(MainMenuEntry(MenuId::MnuSel).parent, MenuId::mnuedit);
}

TEST(MainMenuTable, NamesAndShortcutsAreUniqueAndWellFormed) {
    QSet<QString> names;
    QSet<QKeySequence> shortcuts;
    for (const MenuEntry& entry : MainMenuEntries()) {
        EXPECT_FALSE(names.contains(nameOf(entry))) << entry.name;
        names.insert(nameOf(entry));
        if (entry.parent) {
            EXPECT_EQ(MainMenuEntry(*entry.parent).kind, MenuEntryKind::Menu) << entry.name;
        }
        const QString text = QString::fromLatin1(entry.shortcut);
        if (text.isEmpty())
            continue;
        const QKeySequence key(text, QKeySequence::PortableText);
        EXPECT_EQ(key.toString(QKeySequence::PortableText), text) << entry.name;
        EXPECT_FALSE(shortcuts.contains(key)) << entry.name;
        shortcuts.insert(key);
    }
    for (const char* free : {"Ctrl+T", "Ctrl+Z", "F10"})
        EXPECT_FALSE(shortcuts.contains(QKeySequence(QString::fromLatin1(free)))) << free;
}

TEST(MainMenuTable, DesignerCheckMarks) {
    QSet<MenuId> checked;
    for (const MenuEntry& entry : MainMenuEntries())
        if (entry.checked)
            checked.insert(entry.id);
    EXPECT_EQ(checked,
              (QSet<MenuId>{MenuId::MnuTS, MenuId::MnuSBS, MenuId::mnuFTS, MenuId::mnu08}));
}

TEST(MainMenuTable, CaptionsKeepTheirMarks) {
    const std::vector<std::pair<MenuId, QString>> captions = {
        {MenuId::mnufile, u"&Soubor"_s},
        {MenuId::MNuHTML, u"H&tml"_s},
        {MenuId::mnuquit, u"&Konec"_s},
        {MenuId::mnuHTMLAnd, u"&&"_s},
        {MenuId::mnubackslash, u"&\\"_s},
        {MenuId::mnuSS, u"&ß"_s},
        {MenuId::MNU_HTML_Quot, u"\""_s},
        {MenuId::mnusmajl, u"\"Smajl\""_s},
        {MenuId::Mnu_Encrypt_ByteShift, u"Bitový posun "_s},
        {MenuId::Mnu_Insert_Custom_Tag, u"Vlož&ení vlastního tagu"_s},
        {MenuId::mnuline8, u"-"_s},
    };
    for (const auto& [id, caption] : captions)
        EXPECT_EQ(QString::fromUtf16(MainMenuEntry(id).caption), caption) << MainMenuEntry(id).name;
}

class MainMenuTest : public ::testing::Test {
protected:
    MainMenuTest() { Program() = ProgramState{}; }
    ~MainMenuTest() override {
        MenuTestWindow::closePopUps();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* window : platform.windows.windows())
            delete window;
        Program() = ProgramState{};
    }

    MainMenu& menu() { return *w.menu; }
    // Connects a recorder to every command entry.
    void recordAllCommands() {
        for (const MenuEntry& entry : MainMenuEntries())
            if (entry.kind == MenuEntryKind::Command)
                menu().connectCommand(entry.id, [this, id = entry.id] { ran.push_back(id); });
    }

    TestPlatform platform;
    MenuTestWindow w;
    std::vector<MenuId> ran;
};

TEST_F(MainMenuTest, BuildsEveryEntryUnderItsParentInOrder) {
    EXPECT_EQ(w.window.menuBar(), menu().menuBar());
    std::map<QMenu*, QStringList> expectedChildren;
    QStringList topMenus;
    for (const MenuEntry& entry : MainMenuEntries()) {
        QAction* action = menu().action(entry.id);
        ASSERT_NE(action, nullptr) << entry.name;
        EXPECT_EQ(action->objectName(), nameOf(entry));
        EXPECT_EQ(action->isSeparator(), entry.kind == MenuEntryKind::Separator) << entry.name;
        EXPECT_EQ(menu().menu(entry.id) != nullptr, entry.kind == MenuEntryKind::Menu);
        if (entry.kind != MenuEntryKind::Separator) {
            EXPECT_EQ(action->text(), QString::fromUtf16(entry.caption)) << entry.name;
        }
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(entry.shortcut)));
        EXPECT_EQ(action->isCheckable(), entry.checkable) << entry.name;
        EXPECT_EQ(action->isChecked(), entry.checked) << entry.name;
        if (entry.parent)
            expectedChildren[menu().menu(*entry.parent)].append(nameOf(entry));
        else
            topMenus.append(nameOf(entry));
    }
    QStringList barMenus;
    for (const QAction* action : menu().menuBar()->actions())
        barMenus.append(action->objectName());
    EXPECT_EQ(barMenus, topMenus);
    EXPECT_EQ(topMenus, (QStringList{u"mnufile"_s, u"mnuedit"_s, u"mnuseek"_s, u"mnutext"_s,
                                     u"MNuHTML"_s, u"mnusymbol"_s, u"mnuhelp"_s}));
    for (const auto& [parent, children] : expectedChildren) {
        QStringList built;
        for (const QAction* action : parent->actions())
            built.append(action->objectName());
        EXPECT_EQ(built, children) << parent->objectName().toStdString();
    }
    EXPECT_EQ(menu().popUpMenu()->objectName(), u"MnuPopUp"_s);
    EXPECT_EQ(menu().selectionMenu()->objectName(), u"MnuSel"_s);
}

TEST_F(MainMenuTest, OnlyEntriesWithWorkStartEnabled) {
    int enabledCommands = 0;
    for (const MenuEntry& entry : MainMenuEntries()) {
        const bool enabled = menu().action(entry.id)->isEnabled();
        if (entry.kind != MenuEntryKind::Command) {
            EXPECT_TRUE(enabled) << entry.name;
            continue;
        }
        EXPECT_EQ(enabled, PrewiredCommands.contains(entry.id)) << entry.name;
        EXPECT_EQ(menu().hasCommand(entry.id), enabled) << entry.name;
        enabledCommands += enabled ? 1 : 0;
    }
    EXPECT_EQ(enabledCommands, 3);
}

TEST_F(MainMenuTest, ConnectCommandEnablesTheEntryAndReplacesItsWork) {
    QAction* bold = menu().action(MenuId::MnuBold);
    bold->trigger();
    EXPECT_TRUE(ran.empty());

    menu().connectCommand(MenuId::MnuBold, [this] { ran.push_back(MenuId::MnuBold); });
    EXPECT_TRUE(bold->isEnabled());
    bold->trigger();
    menu().connectCommand(MenuId::MnuBold, [this] { ran.push_back(MenuId::mnuHTMLU); });
    bold->trigger();
    EXPECT_EQ(ran, (std::vector<MenuId>{MenuId::MnuBold, MenuId::mnuHTMLU}));

    // A toolbar button still reaches the work while the timer has the entry off.
    bold->setEnabled(false);
    menu().runCommand(MenuId::MnuBold);
    bold->trigger();
    EXPECT_EQ(ran.size(), 3u);
}

TEST_F(MainMenuTest, CheckableEntryFlipsBeforeItsCommandRuns) {
    QAction* toolbarShown = menu().action(MenuId::MnuTS);
    std::vector<bool> seen;
    menu().connectCommand(MenuId::MnuTS, [&] { seen.push_back(toolbarShown->isChecked()); });
    toolbarShown->trigger();
    toolbarShown->trigger();
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

TEST_F(MainMenuTest, EveryShortcutReachesItsCommandWhileTheEditorHasFocus) {
    recordAllCommands();
    w.surface->setText(u"abc"_s);
    int tried = 0;
    for (const MenuEntry& entry : MainMenuEntries()) {
        const QKeySequence key(QString::fromLatin1(entry.shortcut));
        if (key.isEmpty())
            continue;
        ++tried;
        ran.clear();
        ASSERT_TRUE(w.editor()->hasFocus());
        QTest::keyClick(w.editor(), key[0].key(), key[0].keyboardModifiers());
        EXPECT_EQ(ran, std::vector<MenuId>{entry.id}) << entry.name << " " << entry.shortcut;
    }
    EXPECT_EQ(tried, 36);
    // None of the keys reached the editor's own handling (paste, cut, ...).
    EXPECT_EQ(w.surface->text(), u"abc"_s);
}

TEST_F(MainMenuTest, ShortcutOfAnEntryWithoutWorkLeavesTheKeyToTheEditor) {
    w.surface->setText(u"abc"_s);
    QTest::keyClick(w.editor(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.surface->selLength(), 3);
    QTest::keyClick(w.editor(), Qt::Key_F9);
    EXPECT_TRUE(ran.empty());
}

TEST_F(MainMenuTest, QuitClosesTheMainWindow) {
    QTest::keyClick(w.editor(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.window.isVisible());
}

TEST_F(MainMenuTest, MoreShowsTheSettingsDialogModeless) {
    menu().action(MenuId::mnumore)->trigger();
    Visual& visual = LoadedWindow<Visual>();
    EXPECT_TRUE(visual.isVisible());
    EXPECT_FALSE(visual.isModal());
}

TEST_F(MainMenuTest, StartScreenComesBackWithItsMenuFrameAndWelcome) {
    const QString welcome = u"Vítá vás textový editor Tarvel Qor v"_s + AppVersionText();
    Start& start = LoadedWindow<Start>();
    start.MenuFrame()->hide();
    start.Label1()->setText(u"staré"_s);

    menu().action(MenuId::mnustart)->trigger();
    EXPECT_TRUE(start.isVisible());
    EXPECT_TRUE(start.MenuFrame()->isVisible());
    EXPECT_EQ(start.Label1()->text(), welcome);
    EXPECT_EQ(start.Label8(0)->text(), welcome);
    EXPECT_EQ(start.Label8(1)->text(), welcome);

    // With the frame already up nothing is rewritten.
    start.Label1()->setText(u"beze změny"_s);
    start.hide();
    menu().action(MenuId::mnustart)->trigger();
    EXPECT_TRUE(start.isVisible());
    EXPECT_EQ(start.Label1()->text(), u"beze změny"_s);
}

// A real click through the window, so the platform turns the right button
// into a context-menu request as the desktop does.
void clickThroughWindow(QMainWindow& window, QWidget* widget, Qt::MouseButton button) {
    const QPoint position = widget->mapTo(&window, widget->rect().center());
    QTest::mouseClick(window.windowHandle(), button, Qt::NoModifier, position);
}

TEST_F(MainMenuTest, RightClickOverTheBarsPopsUpTheWindowMenuButNotOverTheEditor) {
    const std::vector<std::pair<QWidget*, QMenu*>> cases = {
        {w.window.statusBar(), menu().popUpMenu()},
        {w.panel, menu().popUpMenu()},
        {w.fileTab, menu().popUpMenu()},
        {w.editor()->viewport(), nullptr},
    };
    for (const auto& [widget, expected] : cases) {
        clickThroughWindow(w.window, widget, Qt::RightButton);
        EXPECT_EQ(QApplication::activePopupWidget(), expected)
            << widget->objectName().toStdString();
        MenuTestWindow::closePopUps();
    }
}

TEST_F(MainMenuTest, MiddleClickInTheEditorPopsUpTheSelectionMenuAndChangesNoText) {
    w.surface->setText(u"Dobrý den"_s);
    QTest::mouseClick(w.editor()->viewport(), Qt::MiddleButton);
    EXPECT_EQ(QApplication::activePopupWidget(), menu().selectionMenu());
    EXPECT_EQ(w.surface->text(), u"Dobrý den"_s);
}

TEST_F(MainMenuTest, PopUpItemsAnswerTheRightButtonToo) {
    menu().connectCommand(MenuId::mnu_format, [this] { ran.push_back(MenuId::mnu_format); });
    QMenu* selection = menu().selectionMenu();
    selection->popup(w.window.mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(selection));
    const QPoint item = selection->actionGeometry(menu().action(MenuId::mnu_format)).center();
    QTest::mouseMove(selection, item);
    QTest::mouseClick(selection, Qt::RightButton, Qt::NoModifier, item);
    EXPECT_EQ(ran, std::vector<MenuId>{MenuId::mnu_format});
}

} // namespace
