#include "shell/edit/selection_commands.h"

#include "core/text/ansi_code_page.h"
#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "core/text/random_text.h"
#include "core/text/selection_transforms.h"
#include "core/text/string_functions.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <optional>

namespace {

const QString ProgramTitle = QStringLiteral("Tarvel Qor");

void tell(const QString& text, MessageBoxIcon icon) {
    (void)ShowMessageBox(text, ProgramTitle, MessageBoxButtons::Ok, icon);
}

using Transform = QString (*)(const QString&);

struct SelectionCommand {
    MenuId id;
    Transform transform;
    // Shown in the status bar while the work runs; empty for quick work.
    const char16_t* busyMessage;
};

using enum MenuId;
const SelectionCommand SelectionCommands[] = {
    {mnusmall, AnsiLower, u""},
    {mnubig, AnsiUpper, u""},
    {Mnu_Chaos, AlternateCase, u""},
    {mnu_CaseInvert, InvertCase, u""},
    {mnu_untext, RandomCase, u""},
    {mnupropercase, ProperCase, u""},
    {Mnu_Pres_Str2Hex, TextToHexCodes, u""},
    {Mnu_Pres_Hex2Str, HexCodesToText, u""},
    {Mnu_Pres_Str2Ascii, TextToAsciiCodes, u""},
    {Mnu_Pres_Ascii2Str, AsciiCodesToText, u""},
    {mnuprevrat, ReverseChars, u""},
    {MnuSelTextDada, ShuffleWords, u"Vytvářím dadaistickou báseň z výběru ..."},
    {Mnu_SelText_RndCharOrder, ShuffleChars, u""},
    {Mnu_Sort_Lines, SortLines, u"Seřazuji řádky podle abecedy ..."},
    {Mnu_Censore, CensorText, u""},
    {MnuSelTextDivideWordsToLines, BlanksToLineBreaks, u"Rozděluji slova na jednotlivé řádky ..."},
    {mnuEnterLineNumbers, NumberLines, u"Přidávám čísla řádků k textu ..."},
    {mnuHackyCarky, StripDiacritics, u""},
    {mnuMakeMorse, TextToMorse, u"Převádím výběr na morseovku ..."},
};

void transformSelection(const SelectionCommand& command) {
    const QString message = QString::fromUtf16(command.busyMessage);
    std::optional<BusyScope> busy;
    if (!message.isEmpty())
        busy.emplace(MainForm::instance(), message);
    TransformSelection(MainSurface(), command.transform);
}

void complementWholeText() {
    BusyScope busy(MainForm::instance(), QStringLiteral("Kóduji text"));
    ReplaceAllText(MainSurface(), ComplementCodes);
}

} // namespace

std::optional<QString> TranslateCharsOrTell(const QString& text, const QString& from,
                                            const QString& to) {
    std::optional<QString> translated = TranslateChars(text, from, to);
    if (!translated)
        tell(QStringLiteral("Nelze úrovést konverzi - Chybné argumenty"), MessageBoxIcon::None);
    return translated;
}

void AddSelectionCommands(CommandRegistry& commands) {
    for (const SelectionCommand& command : SelectionCommands)
        commands.add(command.id, [&command] { transformSelection(command); });
    commands.add(mnuZaKodPrim, complementWholeText);
}
