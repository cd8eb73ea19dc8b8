// The file menu and its window submenu, driven through the main window's own
// menu entries.
#include "core/colour/colour_rule_set.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_form_test.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/main_window/UpravToolbar.h"
#include "shell/shell_commands.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class FileMenu : public MainFormTest {
protected:
    [[nodiscard]] const MessageBoxRequest& lastBox() const {
        return platform.messageBox.shown.last().request;
    }
    [[nodiscard]] bool busyWentOnAndOff() {
        const QList<std::pair<QWidget*, bool>> expected = {{&form, true}, {&form, false}};
        return platform.busyCursor.calls == expected;
    }
};

TEST_F(FileMenu, EveryEntryOfTheMenuAndItsPopUpHasWork) {
    for (const MenuEntry& entry : MainMenuEntries()) {
        const bool inFileMenu = entry.parent == MenuId::mnufile || entry.parent == MenuId::MnuPopUp;
        const bool otherWindows =
            entry.id == MenuId::mnucreate || entry.id == MenuId::mnuHTML_fset ||
            entry.id == MenuId::mnutemplate || entry.id == MenuId::mnuopen ||
            entry.id == MenuId::mnusave || entry.id == MenuId::mnucalk ||
            entry.id == MenuId::mnuklavesnice || entry.id == MenuId::mnu_utiliti_dos_unix ||
            entry.id == MenuId::Mnu_Conv_Charset || entry.id == MenuId::mnu_analysis ||
            entry.id == MenuId::Mnu_Lock;
        if (inFileMenu && entry.kind == MenuEntryKind::Command && !otherWindows) {
            EXPECT_TRUE(commands.has(entry.id)) << entry.name;
        }
    }
    EXPECT_TRUE(form.Toolbar1()->button(u"Print"_s)->isEnabled());
}

TEST_F(FileMenu, EachToggleAppliedTwiceRestoresItsBarAndCheckMark) {
    struct Toggle {
        MenuId id;
        QWidget* bar;
    };
    const Toggle toggles[] = {{MenuId::MnuTS, form.Toolbar1()},
                              {MenuId::MnuSBS, form.statusBar()},
                              {MenuId::mnuFTS, form.FileTab()}};
    for (const Toggle& toggle : toggles) {
        const char* name = MainMenuEntry(toggle.id).name;
        const int editorWidth = form.Text1()->width();
        const int editorHeight = form.Text1()->height();
        run(toggle.id);
        EXPECT_TRUE(toggle.bar->isHidden()) << name;
        EXPECT_FALSE(form.menu().action(toggle.id)->isChecked()) << name;
        EXPECT_NE(form.Text1()->size(), QSize(editorWidth, editorHeight)) << name;
        run(toggle.id);
        EXPECT_FALSE(toggle.bar->isHidden()) << name;
        EXPECT_TRUE(form.menu().action(toggle.id)->isChecked()) << name;
        EXPECT_EQ(form.Text1()->size(), QSize(editorWidth, editorHeight)) << name;
    }
}

TEST_F(FileMenu, AlwaysOnTopAppliedTwiceRestoresTheWindowAndCheckMark) {
    run(MenuId::MnuAllTop);
    EXPECT_TRUE(Program().AlwaysOnTop);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.menu().action(MenuId::MnuAllTop)->isChecked());
    run(MenuId::MnuAllTop);
    EXPECT_FALSE(Program().AlwaysOnTop);
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(form.menu().action(MenuId::MnuAllTop)->isChecked());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(FileMenu, ChecksumBoxShowsTheAnsiCodesSumsUnderTheBusyMessage) {
    struct Case {
        QString text;
        QString box;
    };
    const Case cases[] = {
        {u"čau"_s, u"MyCRC součet je #1BE (446)\r\nContraCRC součet je #89 (137)\r\n"
                   u"&CRC součet je #60 (96)\r\nShortCRC součet je #0 (0)"_s},
        {QString(), u"MyCRC součet je #0 (0)\r\nContraCRC součet je #0 (0)\r\n"
                    u"&CRC součet je #0 (0)\r\nShortCRC součet je #0 (0)"_s},
    };
    for (const Case& c : cases) {
        platform.busyCursor.calls.clear();
        surface().setText(c.text);
        run(MenuId::mnu_crc);
        EXPECT_EQ(lastBox().text, c.box);
        EXPECT_EQ(lastBox().title, u"CRC"_s);
        EXPECT_EQ(lastBox().icon, MessageBoxIcon::Information);
        EXPECT_TRUE(busyWentOnAndOff());
        EXPECT_EQ(form.panel(4)->text(), u"Počítám CRC textu ..."_s);
        EXPECT_EQ(form.Status()->value(), 4);
        EXPECT_TRUE(form.Status()->isHidden());
    }
}

TEST_F(FileMenu, SecondInstanceStartsInTheProgramFolderAndAFailureIsReported) {
    run(MenuId::Mnu_Open_Next_Window);
    EXPECT_EQ(platform.instances.startedIn, QStringList{Program().AppFolder});
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());

    platform.instances.succeed = false;
    run(MenuId::Mnu_Open_Next_Window);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_EQ(lastBox().title, u"Chyba"_s);
    EXPECT_TRUE(lastBox().text.contains(u"Další okno programu nelze spustit: "_s +
                                        QCoreApplication::applicationFilePath()));
}

TEST_F(FileMenu, FolderChooserIsOwnedByTheMainWindow) {
    run(MenuId::mnudir);
    ASSERT_EQ(platform.fileDialogs.folderRequests.size(), 1);
    EXPECT_EQ(platform.fileDialogs.folderRequests.front().owner, &form);
}

TEST_F(FileMenu, QuickSaveAndReloadUseTheCurrentDocumentsPath) {
    const QString path = folder.filePath(u"dopis.txt"_s);
    surface().setText(u"první"_s);
    form.documents().setCaption(path, true);
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    run(MenuId::Mnu_SaveFast);
    EXPECT_EQ(lastBox().text, u"Opravdu uložit soubor?\r\n\"%1\""_s.arg(path));
    EXPECT_EQ(form.windowTitle(), u"Tarvel Qor (%1)"_s.arg(path));

    surface().setText(u"změněno"_s);
    platform.messageBox.queue(MessageBoxAnswer::No);
    run(MenuId::Mnu_Reload_File);
    EXPECT_EQ(lastBox().text, u"Opravdu reload souboru ?\r\nZměny od posledního uložení \"%1\" "
                              u"Budou ztraceny!"_s.arg(path));
    EXPECT_EQ(lastBox().title, u"Reload"_s);
    EXPECT_EQ(surface().text(), u"změněno"_s);

    platform.messageBox.queue(MessageBoxAnswer::Yes);
    run(MenuId::Mnu_Reload_File);
    EXPECT_EQ(surface().text(), u"první"_s);
    EXPECT_FALSE(form.documents().captionModified());
}

TEST_F(FileMenu, NewFromTheClipboardAnsweredNoLeavesTextAndPathTogether) {
    const QString path = folder.filePath(u"dopis.txt"_s);
    surface().setText(u"dopis"_s);
    form.documents().setCaption(path, false);
    platform.clipboard.setText(u"schránka"_s);
    platform.messageBox.queue(MessageBoxAnswer::No);
    run(MenuId::mnunewclip);
    EXPECT_EQ(surface().text(), u"dopis"_s);
    EXPECT_EQ(Program().CurrentFilePath, path);
    EXPECT_FALSE(form.documents().captionModified());

    platform.messageBox.queue(MessageBoxAnswer::Yes);
    run(MenuId::mnunewclip);
    EXPECT_EQ(surface().text(), u"schránka"_s);
    EXPECT_EQ(Program().CurrentFilePath, QString());
    EXPECT_EQ(form.windowTitle(), u"Tarvel Qor ()*"_s);
}

TEST_F(FileMenu, FreeingMemoryUnloadsOtherWindowsAndKeepsTheProgramsState) {
    ColorRuleSet rules;
    rules.Rules.append({RgbColor(255, 0, 0), u"<"_s, u">"_s});
    Program().ColorRules = rules;
    surface().setText(u"dokument"_s);
    run(MenuId::mnumore);
    Visual* settings = LoadedWindowIfAny<Visual>();
    ASSERT_NE(settings, nullptr);
    settings->TabStrip1()->setCurrentIndex(static_cast<int>(Visual::Tab::Autosave));
    settings->ChkTime()->setChecked(true);
    ASSERT_TRUE(Program().Settings.AutosaveOn);
    run(MenuId::mnucust);
    ASSERT_NE(LoadedWindowIfAny<UpravToolbar>(), nullptr);

    run(MenuId::Mnu_FreeMen);
    EXPECT_EQ(LoadedWindowIfAny<Visual>(), nullptr);
    EXPECT_EQ(LoadedWindowIfAny<UpravToolbar>(), nullptr);
    EXPECT_TRUE(platform.windows.windows().isEmpty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(surface().text(), u"dokument"_s);

    run(MenuId::mnumore);
    settings = LoadedWindowIfAny<Visual>();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->TabStrip1()->currentIndex(), 0);
    EXPECT_TRUE(settings->ChkTime()->isChecked());
    EXPECT_TRUE(Program().Settings.AutosaveOn);
    EXPECT_EQ(Program().ColorRules, rules);
}

} // namespace
