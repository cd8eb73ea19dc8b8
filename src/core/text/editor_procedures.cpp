#include "core/text/editor_procedures.h"

void InsertAtCaret(EditorSurface& surface, const QString& text) {
    surface.setSelLength(0);
    surface.setSelText(text);
}

void WrapSelection(EditorSurface& surface, const QString& open, const QString& close) {
    surface.setSelText(open + surface.selText() + close);
}

void TransformSelection(EditorSurface& surface,
                        const std::function<QString(const QString&)>& transform) {
    surface.setSelText(transform(surface.selText()));
}

void ReplaceAllText(EditorSurface& surface,
                    const std::function<QString(const QString&)>& transform) {
    surface.replaceText(transform(surface.text()));
}

void WrapSelectionInTag(EditorSurface& surface, const QString& tag) {
    const QString open = u'<' + tag + u'>';
    const QString close = QStringLiteral("</") + tag + u'>';
    if (surface.selLength() > 0) {
        WrapSelection(surface, open, close);
        return;
    }
    const int caret = surface.selStart();
    surface.setSelText(open + close);
    surface.setSelStart(caret + static_cast<int>(open.size()));
}

void ApplyEditorFont(EditorSurface& surface, AppliedFont& applied, ColorValue color, bool bold,
                     bool italic, const QString& fontName) {
    applied.AppliedTextColor = color;
    applied.AppliedBold = bold;
    applied.AppliedItalic = italic;
    applied.AppliedFontName = fontName;
    surface.setTextLook(color, bold, italic, fontName);
}
