#pragma once

#include "core/colour/colour_value.h"
#include "core/text/editor_surface.h"

#include <QString>
#include <functional>

// The look last applied to the whole text; an emptied document gets it back
// when the user types again.
struct AppliedFont {
    ColorValue AppliedTextColor = 0;
    bool AppliedBold = false;
    bool AppliedItalic = false;
    QString AppliedFontName;

    bool operator==(const AppliedFont&) const = default;
};

// The four ways a command writes into the document.
// Inserts text before the selection, which stays in place unselected; caret after text.
void InsertAtCaret(EditorSurface& surface, const QString& text);
// Replaces the selection by open + selection + close; caret after close.
void WrapSelection(EditorSurface& surface, const QString& open, const QString& close);
// Replaces the selection by transform(selection).
void TransformSelection(EditorSurface& surface,
                        const std::function<QString(const QString&)>& transform);
// Replaces the whole text by transform(text), as one undoable step.
void ReplaceAllText(EditorSurface& surface,
                    const std::function<QString(const QString&)>& transform);

// Wraps the selection in <tag>...</tag>; with nothing selected inserts the empty
// pair and puts the caret between the two tags.
void WrapSelectionInTag(EditorSurface& surface, const QString& tag);

// Gives the whole text one colour, weight, slant and font in one change (its
// marks go), keeps the selection and remembers the look in applied.
void ApplyEditorFont(EditorSurface& surface, AppliedFont& applied, ColorValue color, bool bold,
                     bool italic, const QString& fontName);
