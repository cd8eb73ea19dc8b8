#include "shell/find/text_menu.h"

#include "core/find/text_search.h"
#include "core/text/editor_surface.h"
#include "core/text/text_look.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/editor_look.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QCheckBox>

namespace {

constexpr ColorValue White = RgbColor(255, 255, 255);
constexpr ColorValue Black = RgbColor(0, 0, 0);

// The menu's check marks and the settings dialog's boxes, created unshown if
// needed, show the weight and slant now applied.
void showBold(bool bold) {
    if (QAction* item = InstalledFontMenuItems().bold)
        item->setChecked(bold);
    LoadedWindow<Visual>().Check2()->setChecked(bold);
}

void showItalic(bool italic) {
    if (QAction* item = InstalledFontMenuItems().italic)
        item->setChecked(italic);
    LoadedWindow<Visual>().Check3()->setChecked(italic);
}

} // namespace

void ToggleBold() {
    const TextLook look = LookAtCaret(MainSurface());
    ApplyEditorFont(look.color, !look.bold, look.italic, look.fontName);
    showBold(!look.bold);
}

void ToggleItalic() {
    const TextLook look = LookAtCaret(MainSurface());
    ApplyEditorFont(look.color, look.bold, !look.italic, look.fontName);
    showItalic(!look.italic);
}

void ApplyBasicFont() {
    ApplyEditorFont(Black, false, false, QStringLiteral("MS Sans Serif"));
    showItalic(false);
    showBold(false);
    SetEditorFontSize(8);
    MainSurface().setBackColor(White);
}

void InvertColors() {
    EditorSurface& surface = MainSurface();
    surface.setBackColor(InvertedColor(surface.backColor()));
    const TextLook look = LookAtCaret(surface);
    ApplyEditorFont(InvertedColor(look.color), look.bold, look.italic, look.fontName);
}

void QuickSearch() {
    EditorSurface& surface = MainSurface();
    const QString title = QStringLiteral("Hledání");
    const QString proposal = surface.selLength() != 0 ? surface.selText() : QStringLiteral("Text");
    const std::optional<QString> answer = Platform().inputBox->ask(
        QStringLiteral("Vložte prosím text na hledání."), title, proposal, MainForm::instance());
    if (!answer || answer->isEmpty())
        return;
    const QString& what = *answer;
    // The questions are modal: the text cannot change while they are asked.
    const QString text = surface.text();
    int count = 0;
    int position = 0;
    for (;;) {
        position = FindFrom(text, what, position + 1, true);
        if (position == 0) {
            ShowMessageBox(QStringLiteral("Nenalezeno !"), title, MessageBoxButtons::Ok,
                           MessageBoxIcon::None);
            break;
        }
        ++count;
        surface.setSelStart(position - 1);
        surface.setSelLength(static_cast<int>(what.size()));
        if (ShowMessageBox(QStringLiteral("Nalezeno na %1 místě, pokračovat ?").arg(position),
                           QStringLiteral("hledání"), MessageBoxButtons::YesNo,
                           MessageBoxIcon::Question) != MessageBoxAnswer::Yes)
            break;
    }
    ShowMessageBox(QStringLiteral("Nalezeno %1 krát.").arg(count), title, MessageBoxButtons::Ok,
                   MessageBoxIcon::None);
}
