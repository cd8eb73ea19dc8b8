#include "html/html_commands.h"

#include "html/images/Obrazek.h"
#include "html/page/Vytvor.h"
#include "html/simple/Barva.h"
#include "html/simple/Hr.h"
#include "html/simple/Kotva.h"
#include "html/simple/MailTo.h"
#include "html/simple/Nadpis.h"
#include "html/simple/Odkaz.h"
#include "html/simple/Odstavec.h"
#include "html/simple/Smajl.h"
#include "html/simple/Zlomek.h"
#include "html/tables/Table.h"
#include "html/tables/TableCell.h"
#include "html/tables/TableRow.h"
#include "shell/MainMenu.h"
#include "shell/window_instances.h"

namespace {

template <class Dialog> void connectDialog(MainMenu& menu, MenuId id) {
    menu.connectCommand(id, [] { LoadedWindow<Dialog>().showModeless(); });
}

} // namespace

void ConnectHtmlCommands(MainMenu& menu) {
    connectDialog<Odstavec>(menu, MenuId::mnuparagraph);
    connectDialog<Hr>(menu, MenuId::mnuhr);
    connectDialog<Nadpis>(menu, MenuId::mnulabel);
    connectDialog<Kotva>(menu, MenuId::mnukotva);
    connectDialog<Odkaz>(menu, MenuId::mnuodkaz);
    connectDialog<Barva>(menu, MenuId::mnubarva);
    connectDialog<Zlomek>(menu, MenuId::mnubreak);
    connectDialog<MailTo>(menu, MenuId::mnumailto);
    connectDialog<Smajl>(menu, MenuId::mnusmajl);
    connectDialog<Table>(menu, MenuId::mnutable);
    connectDialog<TableRow>(menu, MenuId::mnurow);
    connectDialog<TableCell>(menu, MenuId::mnucell);
    connectDialog<Obrazek>(menu, MenuId::mnuobr);
    connectDialog<Vytvor>(menu, MenuId::mnucreate);
}
