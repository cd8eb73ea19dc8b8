#include "utilities/utilities_commands.h"

#include "core/text/editor_surface.h"
#include "shell/command_registry.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"
#include "utilities/analysis/Analytic.h"
#include "utilities/calculator/Kalkul.h"
#include "utilities/charset/CharsetConv.h"
#include "utilities/ciphers/CHT.h"
#include "utilities/ciphers/Confeld.h"
#include "utilities/ciphers/RND_Sifra.h"
#include "utilities/ciphers/ShiftByte.h"
#include "utilities/ciphers/ShiftKod.h"
#include "utilities/ciphers/ZaKod.h"
#include "utilities/code_table/AsciiKod.h"
#include "utilities/keyboard/Klavesnice.h"
#include "utilities/line_ends/Dos_Unix_conv.h"
#include "utilities/lines/Formatuj.h"
#include "utilities/morse/Morse.h"
#include "utilities/selection/CaseMask.h"
#include "utilities/selection/Convert.h"
#include "utilities/selection/Shift.h"
#include "utilities/selection/ToolRap.h"

#include <QRadioButton>

namespace {

template <class Window> void ShowTool() {
    ShowOwned(LoadedWindow<Window>());
}

// A window that takes the selection of the moment it is opened.
template <class Window, void (Window::*take)(const QString&)> void ShowOverSelection() {
    Window& window = LoadedWindow<Window>();
    (window.*take)(MainSurface().selText());
    ShowOwned(window);
}

// The code table set to write HTML character references.
void ShowHtmlCodeTable() {
    AsciiKod& table = LoadedWindow<AsciiKod>();
    table.Option2()->setChecked(true);
    ShowOwned(table);
}

} // namespace

void RegisterUtilitiesCommands(CommandRegistry& commands) {
    commands.add(MenuId::mnucalk, ShowTool<Kalkul>);
    commands.add(MenuId::mnucode, ShowTool<ZaKod>);
    commands.add(MenuId::mnu_encrypt_shift, ShowTool<ShiftKod>);
    commands.add(MenuId::Mnu_Encrypt_Confeld, ShowTool<Confeld>);
    commands.add(MenuId::Mnu_Encrypt_ByteShift, ShowTool<ShiftByte>);
    commands.add(MenuId::mnu_rnd_encrypt, ShowTool<RND_Sifra>);
    commands.add(MenuId::Mnu_Hack_cry, ShowTool<CHT>);
    commands.add(MenuId::Mnu_Conv_Charset, ShowTool<CharsetConv>);
    commands.add(MenuId::mnumorse, ShowTool<Morse>);
    commands.add(MenuId::mnu_format, ShowOverSelection<Formatuj, &Formatuj::setLines>);
    commands.add(MenuId::MnuSelTextPosun, ShowOverSelection<Shift, &Shift::setSource>);
    commands.add(MenuId::Mnu_SelText_Rap, ShowTool<ToolRap>);
    commands.add(MenuId::Mnu_Sel_CharConv, ShowTool<Convert>);
    commands.add(MenuId::Mnu_CaseMask, ShowTool<CaseMask>);
    commands.add(MenuId::mnuASCII, ShowTool<AsciiKod>);
    commands.add(MenuId::MnuHTMLASCII, ShowHtmlCodeTable);
    commands.add(MenuId::mnuklavesnice, ShowTool<Klavesnice>);
    commands.add(MenuId::mnu_analysis, ShowTool<Analytic>);
    commands.add(MenuId::mnu_utiliti_dos_unix, ShowTool<Dos_Unix_conv>);
}
