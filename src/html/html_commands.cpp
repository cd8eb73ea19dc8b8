#include "html/html_commands.h"

#include "html/effects/ColorFade.h"
#include "html/forms/HtmlForm.h"
#include "html/frames/Frame.h"
#include "html/frames/Frames.h"
#include "html/head/HtmlID.h"
#include "html/head/Meta.h"
#include "html/images/Obrazek.h"
#include "html/links/HtmlLink.h"
#include "html/links/OdkazNaJiny.h"
#include "html/lists/HTMLSeznam.h"
#include "html/lists/SeznamDef.h"
#include "html/page/Vytvor.h"
#include "html/samples/Template.h"
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
#include "html/tags/EdiTag.h"
#include "html/tags/Tagy.h"
#include "shell/command_registry.h"
#include "shell/window_instances.h"

#include <utility>

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
    addDialog<Frame>(commands, MenuId::mnuHTML_Fme);
    addDialog<Frames>(commands, MenuId::mnuHTML_fset);
    addDialog<ColorFade>(commands, MenuId::Mnu_HTML_ColorFade);
    addDialog<Template>(commands, MenuId::mnutemplate);
    addDialog<OdkazNaJiny>(commands, MenuId::mnuodkazjiny);
    addDialog<HtmlLink>(commands, MenuId::MnuHTML_link);
    commands.add(MenuId::Mnu_Edit_Tag, EditTag);
    commands.add(MenuId::mnuvlastni, [] { LoadedWindow<Tagy>().showInMode(CustomTagMode::Tag); });
    commands.add(MenuId::mnuatr,
                 [] { LoadedWindow<Tagy>().showInMode(CustomTagMode::Attributes); });
    commands.add(MenuId::mnulist, [] { OpenHtmlList(ListKind::Bulleted); });
    commands.add(MenuId::mnulistcount, [] { OpenHtmlList(ListKind::Numbered); });
    commands.add(MenuId::mnu_HTML_sel_list, [] { OpenHtmlListFromSelection(ListKind::Bulleted); });
    commands.add(MenuId::mnu_HTML_sel_num_list,
                 [] { OpenHtmlListFromSelection(ListKind::Numbered); });
    addDialog<SeznamDef>(commands, MenuId::MnuListDef);
    addDialog<HtmlID>(commands, MenuId::mnuid);
    addDialog<Meta>(commands, MenuId::MnuMeta);
    const std::pair<MenuId, int> formEntries[] = {{MenuId::Mnu_HTMLFormInsert, 1},
                                                  {MenuId::Mnu_HTMLFormInput, 2},
                                                  {MenuId::Mnu_HTMLFromTextArea, 3},
                                                  {MenuId::Mnu_HTMLFormSelect, 4}};
    for (const auto& [entry, tab] : formEntries)
        commands.add(entry, [tab] { OpenHtmlForm(FormBuilderSetupFor(tab)); });
}
