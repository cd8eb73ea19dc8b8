// The menu entries and toolbar buttons of the HTML dialogs open them.
#include "html/Hr.h"
#include "html/MailTo.h"
#include "html/Obrazek.h"
#include "html/Table.h"
#include "html/TableCell.h"
#include "html/TableRow.h"
#include "html/Vytvor.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/MainMenu.h"
#include "shell/ProgramState.h"
#include "shell/Toolbar.h"
#include "shell/window_instances.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

TEST(HtmlCommands, EntriesAndTheLineButtonShowTheirDialogsModeless) {
    Program() = ProgramState{};
    TestPlatform platform;
    MainForm form;
    ASSERT_TRUE(form.menu().action(MenuId::mnumailto)->isEnabled());
    form.menu().action(MenuId::mnumailto)->trigger();
    MailTo* mail = LoadedWindowIfAny<MailTo>();
    ASSERT_NE(mail, nullptr);
    EXPECT_TRUE(mail->isVisible());
    EXPECT_FALSE(mail->isModal());

    ASSERT_TRUE(form.Toolbar1()->button(QStringLiteral("Line"))->isEnabled());
    form.Toolbar1()->ButtonClick(QStringLiteral("Line"));
    ASSERT_NE(LoadedWindowIfAny<Hr>(), nullptr);
    EXPECT_TRUE(LoadedWindowIfAny<Hr>()->isVisible());
    EXPECT_EQ(LoadedWindowIfAny<Hr>()->parentWidget(), &form);
}

template <class Dialog> bool shownModelessBy(MainForm& form, MenuId id) {
    QAction* entry = form.menu().action(id);
    if (!entry->isEnabled())
        return false;
    entry->trigger();
    Dialog* shown = LoadedWindowIfAny<Dialog>();
    return shown != nullptr && shown->isVisible() && !shown->isModal();
}

TEST(HtmlCommands, TablePictureAndPageEntriesShowTheirDialogs) {
    Program() = ProgramState{};
    TestPlatform platform;
    MainForm form;
    EXPECT_TRUE(shownModelessBy<Table>(form, MenuId::mnutable));
    EXPECT_TRUE(shownModelessBy<TableRow>(form, MenuId::mnurow));
    EXPECT_TRUE(shownModelessBy<TableCell>(form, MenuId::mnucell));
    EXPECT_TRUE(shownModelessBy<Obrazek>(form, MenuId::mnuobr));
    EXPECT_TRUE(shownModelessBy<Vytvor>(form, MenuId::mnucreate));
    for (const char* key : {"Table", "Image", "Newhtml"})
        EXPECT_TRUE(form.Toolbar1()->button(QString::fromLatin1(key))->isEnabled()) << key;
}

} // namespace
