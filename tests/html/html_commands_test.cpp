// The menu entries and toolbar buttons of the HTML dialogs open them.
#include "html/effects/ColorFade.h"
#include "html/frames/Frame.h"
#include "html/frames/Frames.h"
#include "html/html_window_test.h"
#include "html/images/Obrazek.h"
#include "html/page/Vytvor.h"
#include "html/samples/Template.h"
#include "html/simple/Hr.h"
#include "html/simple/MailTo.h"
#include "html/tables/Table.h"
#include "html/tables/TableCell.h"
#include "html/tables/TableRow.h"

#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace {

using HtmlCommands = HtmlWindowTest;

template <class Dialog> bool ShownModelessBy(QAction* entry) {
    if (!entry->isEnabled())
        return false;
    entry->trigger();
    Dialog* shown = LoadedWindowIfAny<Dialog>();
    return shown != nullptr && shown->isVisible() && !shown->isModal();
}

TEST_F(HtmlCommands, EntriesAndToolbarButtonsShowTheirDialogsModeless) {
    const MainMenu& menu = form.menu();
    EXPECT_TRUE(ShownModelessBy<MailTo>(menu.action(MenuId::mnumailto)));
    EXPECT_TRUE(ShownModelessBy<Table>(menu.action(MenuId::mnutable)));
    EXPECT_TRUE(ShownModelessBy<TableRow>(menu.action(MenuId::mnurow)));
    EXPECT_TRUE(ShownModelessBy<TableCell>(menu.action(MenuId::mnucell)));
    EXPECT_TRUE(ShownModelessBy<Obrazek>(menu.action(MenuId::mnuobr)));
    EXPECT_TRUE(ShownModelessBy<Vytvor>(menu.action(MenuId::mnucreate)));
    EXPECT_TRUE(ShownModelessBy<Frame>(menu.action(MenuId::mnuHTML_Fme)));
    EXPECT_TRUE(ShownModelessBy<Frames>(menu.action(MenuId::mnuHTML_fset)));
    EXPECT_TRUE(ShownModelessBy<ColorFade>(menu.action(MenuId::Mnu_HTML_ColorFade)));
    EXPECT_TRUE(ShownModelessBy<Template>(menu.action(MenuId::mnutemplate)));

    for (const QString& key : {u"Line"_s, u"Table"_s, u"Image"_s, u"Newhtml"_s})
        EXPECT_TRUE(form.Toolbar1()->button(key)->isEnabled()) << key.toStdString();
    form.Toolbar1()->ButtonClick(u"Line"_s);
    ASSERT_NE(LoadedWindowIfAny<Hr>(), nullptr);
    EXPECT_TRUE(LoadedWindowIfAny<Hr>()->isVisible());
    EXPECT_EQ(LoadedWindowIfAny<Hr>()->parentWidget(), &form);
}

} // namespace
