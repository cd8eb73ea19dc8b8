#pragma once

#include "core/colour/colour_run.h"
#include "core/colour/colour_value.h"

#include <QObject>
#include <QString>
#include <vector>

// The one door to the document. Every window reads and writes the text only
// through this interface; the main window's rich-text box implements it, and
// MemorySurface implements it for tests without a display.
//
// Contract shared by every implementation:
// - Lossless: whatever text is written reads back unchanged, except that a
//   character outside Windows-1250 is stored as "?" (what is seen is saved).
// - A line break is CR LF, a lone CR or a lone LF, each kept as it is.
// - Positions count characters of the text, so CR LF counts two. A position
//   that would fall between the CR and the LF of a pair moves past the LF.
// - setSelStart() clamps to [0, length], collapses the selection.
// - setSelLength() clamps so the selection ends inside the text.
// - setSelText() replaces the selection (or inserts at the caret) and leaves
//   the caret right after the inserted text with nothing selected. Inserted
//   text takes the format of the character before it (or after it, at the
//   start of the text).
// - setText() replaces the whole text as a new document: the caret goes to 0
//   and the undo history starts afresh (opening, a new document, reloading).
//   Its textChanged() comes while the new text is still one open bulk step
//   (see beginFormatting), so a handler that formats the new text adds no
//   second pass over it.
// - replaceText() replaces the whole text as one editing step of a command:
//   the caret goes to 0, one undo() gives back the text, caret and selection
//   before it (scrolled into view), and the history before it stays.
// - Undo history: every write of text (setSelText, replaceText, each edit by
//   the user) is one step that undo() reverts whole and redo() makes again;
//   a new write drops what could be redone. Formatting is never a step: it
//   leaves the history as it was, and undo() never changes it.
// - Each write of text (setText, replaceText, setSelText, undo, redo and every
//   edit by the user) emits textChanged() exactly once. Formatting and
//   selection changes never emit it.
// - Formatting has two layers. The look of the whole text (setTextLook,
//   setTextFontSize) is what every character shows unless marked otherwise;
//   it stays through every write, and text written anywhere shows it. Marks
//   (setSel... on a selection, setColorRuns) give characters their own
//   format over the look; text inserted after a marked character takes its
//   marks, and a new look (setTextLook) or a whole new text removes them all.
// - The format read from the selection is the format of its first character;
//   with nothing selected, of the character before the caret (after it at
//   position 0). Setting a format with nothing selected changes no character.
class EditorSurface : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~EditorSurface() override = default;

    [[nodiscard]] virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // The whole text as one undoable step of a command (see above).
    virtual void replaceText(const QString& text) = 0;
    // Length of text() without building it.
    [[nodiscard]] virtual int textLength() const = 0;

    [[nodiscard]] virtual int selStart() const = 0;
    virtual void setSelStart(int position) = 0;
    [[nodiscard]] virtual int selLength() const = 0;
    virtual void setSelLength(int length) = 0;
    [[nodiscard]] virtual QString selText() const = 0;
    // Up to length characters of the text from position, without building the
    // whole text; a position inside a CR LF moves past the LF.
    [[nodiscard]] virtual QString textMid(int position, int length) const = 0;
    virtual void setSelText(const QString& text) = 0;

    [[nodiscard]] virtual ColorValue selColor() const = 0;
    virtual void setSelColor(ColorValue color) = 0;
    [[nodiscard]] virtual QString selFontName() const = 0;
    virtual void setSelFontName(const QString& name) = 0;
    [[nodiscard]] virtual double selFontSize() const = 0;
    virtual void setSelFontSize(double points) = 0;
    [[nodiscard]] virtual bool selBold() const = 0;
    virtual void setSelBold(bool bold) = 0;
    [[nodiscard]] virtual bool selItalic() const = 0;
    virtual void setSelItalic(bool italic) = 0;
    // Colour, weight, slant and font marked together on the selection, as one
    // change where the implementation can (the four setters otherwise).
    virtual void setSelLook(ColorValue color, bool bold, bool italic, const QString& fontName) {
        setSelColor(color);
        setSelBold(bold);
        setSelItalic(italic);
        setSelFontName(fontName);
    }

    // The look of the whole text: colour, weight, slant and font, at once;
    // every mark goes. Also what an empty text shows and what comes next.
    virtual void setTextLook(ColorValue color, bool bold, bool italic, const QString& fontName) = 0;
    // The size of the whole text's font; marks stay.
    virtual void setTextFontSize(double points) = 0;

    // Gives the characters of each run its text colour, run after run, so a
    // later run paints over an earlier one; other formatting, the text and
    // the selection stay. A run is clipped to the text, and an end inside a
    // CR LF moves past the LF, as a selection's would. One bulk operation,
    // and not an editing step.
    virtual void setColorRuns(const std::vector<ColorRun>& runs) = 0;

    // Formatting between beginFormatting() and the matching endFormatting()
    // (they nest) is one bulk step, like setColorRuns: done at once at the
    // end, not an editing step (the history stays as it was, the text is not
    // modified), and the selection reaches the screen only at the end.
    // FormattingScope pairs the calls.
    virtual void beginFormatting() {}
    virtual void endFormatting() {}

    // Reverts the last step of the history / makes the last reverted one
    // again; nothing when there is none. Each write of text raises
    // textChanged() once.
    virtual void undo() = 0;
    virtual void redo() = 0;
    [[nodiscard]] virtual bool isUndoAvailable() const = 0;
    [[nodiscard]] virtual bool isRedoAvailable() const = 0;

    [[nodiscard]] virtual ColorValue backColor() const = 0;
    virtual void setBackColor(ColorValue color) = 0;
    [[nodiscard]] virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;

    // 0-based line holding the character at position; a position past the end
    // gives the last line. A line ends after its line break.
    [[nodiscard]] virtual int lineFromPosition(int position) const = 0;
    // Number of lines: line breaks + 1.
    [[nodiscard]] virtual int lineCount() const = 0;

    // A free marker text; "_0" marks an emptied document.
    [[nodiscard]] QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

Q_SIGNALS:
    void textChanged();

private:
    QString m_tag;
};

// One bulk formatting step on a surface for the scope's lifetime.
class FormattingScope {
public:
    explicit FormattingScope(EditorSurface& surface) : m_surface(surface) {
        m_surface.beginFormatting();
    }
    ~FormattingScope() { m_surface.endFormatting(); }
    FormattingScope(const FormattingScope&) = delete;
    FormattingScope& operator=(const FormattingScope&) = delete;

private:
    EditorSurface& m_surface;
};
