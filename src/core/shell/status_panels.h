#pragma once

#include <QString>

class EditorSurface;

// What the four status bar panels show of the document, the selection and the
// clipboard. Lines are 0-based here and shown 1-based.
struct StatusInputs {
    int textLength = 0;
    int selStart = 0;
    int selLength = 0;
    // The first SelectionPreviewLength characters of the selection.
    QString selectionHead;
    // Line of selStart, and of selStart + selLength (only read with a selection).
    int startLine = 0;
    int endLine = 0;
    int lineCount = 1;
    // The clipboard holds text (its text may still be empty).
    bool clipboardHasText = false;
    QString clipboardText;
};

inline constexpr int SelectionPreviewLength = 50;

enum class Panel4Picture { Selection, Clipboard, Empty };

struct StatusPanels {
    QString panel1;
    QString panel2;
    QString panel3;
    QString panel4;
    QString panel4ToolTip;
    Panel4Picture picture = Panel4Picture::Empty;

    friend bool operator==(const StatusPanels&, const StatusPanels&) = default;
};

// The panel texts: counts, caret or selection position, lines, and a preview
// of the selection, or with nothing selected of the whole clipboard text.
[[nodiscard]] StatusPanels ComposeStatusPanels(const StatusInputs& inputs);

// The editor's part of the inputs from a few cheap queries: the text itself is
// never built, only the selection's first characters are read.
[[nodiscard]] StatusInputs ReadEditorStatus(const EditorSurface& surface);

// A panel is one line and shows what fits: the first PanelDisplayLength
// characters, each line break (CR LF, CR or LF) as one blank. Laying out a
// whole large clipboard text on every repaint would cost far more than it
// could show.
inline constexpr int PanelDisplayLength = 1000;
[[nodiscard]] QString PanelDisplayText(const QString& text);
