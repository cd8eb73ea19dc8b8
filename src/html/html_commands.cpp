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
#include "shell/command_registry.h"
#include "shell/window_instances.h"

namespace {

template <class Dialog> void addDialog(CommandRegistry& commands, MenuId id) {
    commands.add(id, [] { LoadedWindow<Dialog>().showModeless(); });
}

} // namespace

void RegisterHtmlCommands(CommandRegistry& commands) {
    addDialog<Odstavec>(commands, MenuId::mnuparagraph);
    addDialog<Hr>(commands, MenuId::mnuhr);
    addDialog<Nadpis>(commands, MenuId::mnulabel);
    addDialog<Kotva>(commands, MenuId::mnukotva);
    addDialog<Odkaz>(commands, MenuId::mnuodkaz);
    addDialog<Barva>(commands, MenuId::mnubarva);
    addDialog<Zlomek>(commands, MenuId::mnubreak);
    addDialog<MailTo>(commands, MenuId::mnumailto);
    addDialog<Smajl>(commands, MenuId::mnusmajl);
    addDialog<Table>(commands, MenuId::mnutable);
    addDialog<TableRow>(commands, MenuId::mnurow);
    addDialog<TableCell>(commands, MenuId::mnucell);
    addDialog<Obrazek>(commands, MenuId::mnuobr);
    addDialog<Vytvor>(commands, MenuId::mnucreate);
}
