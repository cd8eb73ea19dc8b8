#include "html/html_commands.h"

#include "html/Barva.h"
#include "html/Hr.h"
#include "html/Kotva.h"
#include "html/MailTo.h"
#include "html/Nadpis.h"
#include "html/Obrazek.h"
#include "html/Odkaz.h"
#include "html/Odstavec.h"
#include "html/Smajl.h"
#include "html/Table.h"
#include "html/TableCell.h"
#include "html/TableRow.h"
#include "html/Vytvor.h"
#include "html/Zlomek.h"
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
