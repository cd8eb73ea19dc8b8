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
    surface.setText(transform(surface.text()));
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

void ApplyToWholeText(EditorSurface& surface, const std::function<void()>& apply) {
    const int start = surface.selStart();
    const int length = surface.selLength();
    surface.setSelStart(0);
    surface.setSelLength(surface.textLength());
    apply();
    surface.setSelStart(start);
    surface.setSelLength(length);
}

void ApplyEditorFont(EditorSurface& surface, AppliedFont& applied, ColorValue color, bool bold,
                     bool italic, const QString& fontName) {
    applied.AppliedTextColor = color;
    applied.AppliedBold = bold;
    applied.AppliedItalic = italic;
    applied.AppliedFontName = fontName;
    // An empty text has no character to format; the look is used when typing resumes.
    if (surface.textLength() == 0)
        return;

    ApplyToWholeText(surface, [&] { surface.setSelLook(color, bold, italic, fontName); });
}
