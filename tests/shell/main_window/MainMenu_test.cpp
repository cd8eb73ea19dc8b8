#include "shell/main_window/MainMenu.h"

#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/menu_test_window.h"

#include <QAction>
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

// Commands the menu wires itself, for work that already exists.
const QSet<MenuId> PrewiredCommands = {MenuId::mnuquit};

TEST(MainMenuTable, CountsPopUpsAndCheckMarksFollowTheMenuTree) {
    EXPECT_EQ(MainMenuEntries().size(), 222u);
    const std::map<MenuId, int> commandsPerTopMenu = {
        {MenuId::mnufile, 29}, {MenuId::mnuedit, 43},   {MenuId::mnuseek, 3}, {MenuId::mnutext, 15},
        {MenuId::MNuHTML, 70}, {MenuId::mnusymbol, 18}, {MenuId::mnuhelp, 3}};
    std::map<MenuId, int> counted;
    std::map<MenuEntryKind, int> kinds, popUp, selection;
    int topMenus = 0, shortcuts = 0, checkable = 0;
    QSet<MenuId> checked;
    for (const MenuEntry& entry : MainMenuEntries()) {
        ++kinds[entry.kind];
        topMenus += entry.parent ? 0 : 1;
        shortcuts += QByteArray(entry.shortcut).isEmpty() ? 0 : 1;
        checkable += entry.checkable ? 1 : 0;
        if (entry.checked)
            checked.insert(entry.id);
        if (entry.kind == MenuEntryKind::Command)
            ++counted[topMenuOf(entry.id)];
        popUp[entry.kind] += isUnder(entry.id, MenuId::MnuPopUp) ? 1 : 0;
        selection[entry.kind] += isUnder(entry.id, MenuId::MnuSel) ? 1 : 0;
    }
    EXPECT_EQ(kinds[MenuEntryKind::Command], 181);
    EXPECT_EQ(kinds[MenuEntryKind::Separator], 18);
    EXPECT_EQ(kinds[MenuEntryKind::Menu], 7 + 16);
    EXPECT_EQ(counted, commandsPerTopMenu);
    EXPECT_EQ(topMenus, 7);
    EXPECT_EQ(shortcuts, 36);
    // The bar toggles, always-on-top, the six font sizes, italic and bold.
    EXPECT_EQ(checkable, 12);
    EXPECT_EQ(checked,
              (QSet<MenuId>{MenuId::MnuTS, MenuId::MnuSBS, MenuId::mnuFTS, MenuId::mnu08}));
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

class MainMenuTest : public ::testing::Test {
protected:
    MainMenuTest() { Program() = ProgramState{}; }
    ~MainMenuTest() override {
        MenuTestWindow::closePopUps();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    MainMenu& menu() { return *w.menu; }

    TestPlatform platform;
    MenuTestWindow w;
    std::vector<MenuId> ran;
};

// Only the commands whose work exists start enabled; every other entry is present.
TEST_F(MainMenuTest, BuildsEveryEntryUnderItsParentInOrderEnabledOnlyWithWork) {
    EXPECT_EQ(w.window.menuBar(), menu().menuBar());
    std::map<QMenu*, QStringList> expectedChildren;
    QStringList topMenus;
    int enabledCommands = 0;
    for (const MenuEntry& entry : MainMenuEntries()) {
        QAction* action = menu().action(entry.id);
        ASSERT_NE(action, nullptr) << entry.name;
        const bool command = entry.kind == MenuEntryKind::Command;
        EXPECT_EQ(action->isEnabled(), !command || PrewiredCommands.contains(entry.id))
            << entry.name;
        EXPECT_EQ(menu().hasCommand(entry.id), command && action->isEnabled()) << entry.name;
        enabledCommands += command && action->isEnabled() ? 1 : 0;
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
    for (const auto& [parent, children] : expectedChildren) {
        QStringList built;
        for (const QAction* action : parent->actions())
            built.append(action->objectName());
        EXPECT_EQ(built, children) << parent->objectName().toStdString();
    }
    EXPECT_EQ(enabledCommands, 1);
}

TEST_F(MainMenuTest, ConnectCommandEnablesTheEntryAndReplacesItsWork) {
    QAction* bold = menu().action(MenuId::MnuBold);
    w.commands.add(MenuId::MnuBold, [this] { ran.push_back(MenuId::MnuBold); });
    EXPECT_TRUE(bold->isEnabled());
    bold->trigger();
    w.commands.add(MenuId::MnuBold, [this] { ran.push_back(MenuId::mnuHTMLU); });
    bold->trigger();
    EXPECT_EQ(ran, (std::vector<MenuId>{MenuId::MnuBold, MenuId::mnuHTMLU}));

    // A toolbar button still reaches the work while the timer has the entry off.
    bold->setEnabled(false);
    menu().runCommand(MenuId::MnuBold);
    bold->trigger();
    EXPECT_EQ(ran.size(), 3u);
}

TEST_F(MainMenuTest, EveryShortcutReachesItsCommandWhileTheEditorHasFocus) {
    w.surface->setText(u"abc"_s);
    // An entry without work leaves its key to the editor.
    QTest::keyClick(w.editor(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.surface->selLength(), 3);

    w.recordAllCommands(ran);
    w.surface->setSelStart(1);
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

TEST_F(MainMenuTest, PrewiredQuitClosesTheWindow) {
    QTest::keyClick(w.editor(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.window.isVisible());
}

TEST_F(MainMenuTest, RightClickOverTheBarsPopsUpTheWindowMenuButNotOverTheEditor) {
    const auto at = [this](QWidget* widget, QPoint point) {
        return widget->mapTo(&w.window, point);
    };
    QWidget* print = w.toolbar->widgetForAction(w.toolbar->button(u"Print"_s));
    QWidget* recent = w.toolbar->widgetForAction(w.toolbar->button(u"Recent"_s));
    const std::vector<std::pair<QPoint, QMenu*>> cases = {
        {at(w.window.statusBar(), w.window.statusBar()->rect().center()), menu().popUpMenu()},
        {at(w.panel, w.panel->rect().center()), menu().popUpMenu()},
        {at(w.fileTab, w.fileTab->rect().center()), menu().popUpMenu()},
        {at(print, QPoint(8, 8)), menu().popUpMenu()},
        {at(recent, QPoint(8, 8)), menu().popUpMenu()},
        {at(w.toolbar, QPoint(w.toolbar->width() - 5, 5)), menu().popUpMenu()},
        {at(w.editor()->viewport(), w.editor()->viewport()->rect().center()), nullptr},
    };
    for (const auto& [place, expected] : cases) {
        // Through the window, so the platform makes it a context-menu request.
        QTest::mouseClick(w.window.windowHandle(), Qt::RightButton, Qt::NoModifier, place);
        EXPECT_EQ(QApplication::activePopupWidget(), expected) << place.x() << "," << place.y();
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
    w.commands.add(MenuId::mnu_format, [this] { ran.push_back(MenuId::mnu_format); });
    QMenu* selection = menu().selectionMenu();
    selection->popup(w.window.mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(selection));
    const QPoint item = selection->actionGeometry(menu().action(MenuId::mnu_format)).center();
    QTest::mouseMove(selection, item);
    QTest::mouseClick(selection, Qt::RightButton, Qt::NoModifier, item);
    EXPECT_EQ(ran, std::vector<MenuId>{MenuId::mnu_format});
}

} // namespace
