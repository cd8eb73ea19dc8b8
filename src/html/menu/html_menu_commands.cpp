#include "html/menu/html_menu_commands.h"

#include "colour/PickColor.h"
#include "core/colour/colour_text.h"
#include "core/html/html_menu_texts.h"
#include "core/text/editor_procedures.h"
#include "core/text/string_functions.h"
#include "html/tags/Tagy.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

using namespace Qt::StringLiterals;

namespace {

void addTransform(CommandRegistry& commands, MenuId id, QString (*transform)(const QString&)) {
    commands.add(id, [transform] { TransformSelection(MainSurface(), transform); });
}

void addWrap(CommandRegistry& commands, MenuId id, TagWrap (*wrap)()) {
    commands.add(id, [wrap] {
        const TagWrap texts = wrap();
        WrapSelection(MainSurface(), texts.open, texts.close);
    });
}

void tellNoColour() {
    MessageBoxRequest message;
    message.text = u"Není barva!"_s;
    message.title = u"EdiBarva"_s;
    (void)Platform().messageBox->show(message, MainForm::instance());
}

} // namespace

void EditColourInPlace() {
    try {
        EditorSurface& surface = MainSurface();
        const std::optional<ColourValueSpan> value =
            ColourValueAt(surface.text(), surface.selStart());
        if (!value) {
            tellNoColour();
            return;
        }
        surface.setSelStart(value->start);
        surface.setSelLength(value->length);
        surface.setSelText(ColorToHex(PickColor(HexToColor(surface.selText()))));
    } catch (const ProgramError& error) {
        ReportError(error);
    }
}

void RegisterHtmlMenuCommands(CommandRegistry& commands) {
    addTransform(commands, MenuId::Mnu_Html_Effect_Wave, HtmlWave);
    addTransform(commands, MenuId::Mnu_HTMLpublishcode, PublishableListing);
    addTransform(commands, MenuId::Mnu_PHP_CreateFromHTML, PhpEchoScript);
    addWrap(commands, MenuId::mnuComment, CommentWrap);
    addWrap(commands, MenuId::mnulinelabel, TwoRuleHeadingWrap);
    addWrap(commands, MenuId::mnulinelabel2, TableHeadingWrap);
    commands.add(MenuId::Mnu_Insert_Custom_Tag, InsertCustomTag);
    commands.add(MenuId::Mnu_HTML_HexColorEdit, EditColourInPlace);
    commands.add(MenuId::mnuNoHtml, [] {
        const BusyScope busy(MainForm::instance(), u"Odstraňuji HTML tagy z výběru ..."_s);
        TransformSelection(MainSurface(), StripHtmlTags);
    });
}
