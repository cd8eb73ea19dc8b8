#include "core/shell/status_panels.h"

#include "core/text/editor_surface.h"

namespace {

QString number(int value) {
    return QString::number(value);
}

} // namespace

StatusPanels ComposeStatusPanels(const StatusInputs& in) {
    StatusPanels panels;
    const QString lineCount = number(in.lineCount);
    if (in.selLength == 0) {
        panels.panel1 = QStringLiteral("Počet znaků : ") + number(in.textLength);
        panels.panel2 = QStringLiteral("Pozice kurzoru : ") + number(in.selStart);
        panels.panel3 =
            QStringLiteral("Řádek ") + number(in.startLine + 1) + QStringLiteral(" z ") + lineCount;
    } else {
        panels.panel1 = QStringLiteral("Znaky Výběru : ") + number(in.selLength);
        panels.panel2 = QStringLiteral("Pozice výběru : ") + number(in.selStart);
        panels.panel3 = QStringLiteral("Řádky ") + number(in.startLine + 1) + u'-' +
                        number(in.endLine + 1) + QStringLiteral(" z ") + lineCount;
    }
    if (in.selLength == 0 && in.clipboardHasText) {
        panels.panel4 = in.clipboardText;
        panels.panel4ToolTip = QStringLiteral("Schránka");
        panels.picture = Panel4Picture::Clipboard;
    } else {
        panels.panel4 = in.selectionHead.left(SelectionPreviewLength);
        panels.panel4ToolTip = QStringLiteral("Výběr");
        panels.picture = Panel4Picture::Selection;
    }
    if (panels.panel4.isEmpty())
        panels.picture = Panel4Picture::Empty;
    return panels;
}

StatusInputs ReadEditorStatus(const EditorSurface& surface) {
    StatusInputs in;
    in.textLength = surface.textLength();
    in.selStart = surface.selStart();
    in.selLength = surface.selLength();
    in.startLine = surface.lineFromPosition(in.selStart);
    in.lineCount = surface.lineCount();
    if (in.selLength > 0) {
        in.selectionHead = surface.textMid(in.selStart, qMin(in.selLength, SelectionPreviewLength));
        in.endLine = surface.lineFromPosition(in.selStart + in.selLength);
    } else {
        in.endLine = in.startLine;
    }
    return in;
}

QString PanelDisplayText(const QString& text) {
    QString shown = text.left(PanelDisplayLength);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    shown.replace(u'\r', u' ');
    shown.replace(u'\n', u' ');
    return shown;
}
