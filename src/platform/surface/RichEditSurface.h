#pragma once

#include "core/text/editor_surface.h"
#include "platform/surface/BreakIndex.h"

#include <QTextCharFormat>
#include <QTextCursor>

class SurfaceTextEdit;
class QTextDocument;

// The editing surface over the main window's rich-text widget. Text positions
// count CR LF as two characters while the widget holds one paragraph break per
// line; BreakIndex converts between the two without copying the text.
//
// An empty text has no character to carry formatting: what is set there with
// nothing selected waits for the text that comes next, typed, pasted or set
// whole, and goes in with it in the same edit.
class RichEditSurface : public EditorSurface {
    Q_OBJECT
public:
    // Creates the widget (objectName "Text1") as a child of parent; the surface
    // lives as long as the widget.
    explicit RichEditSurface(QWidget* parent = nullptr);

    [[nodiscard]] SurfaceTextEdit* widget() const { return m_edit; }

    // The document shown in the widget. setDocument() shows another one in
    // its place (neither the widget nor the surface owns it; the document
    // shown first is the surface's): its text, break kinds, undo history and
    // look come with it, and the caret goes to 0. Use this rather than the
    // widget's own setDocument, which the surface would not notice.
    [[nodiscard]] QTextDocument* document() const { return m_document; }
    void setDocument(QTextDocument* document);
    // A document with the surface's default font, for setDocument().
    [[nodiscard]] static QTextDocument* newDocument(QObject* parent);
    // The text of a document this surface has shown, as text() gives it.
    [[nodiscard]] static QString textOf(const QTextDocument& document);

    [[nodiscard]] QString text() const override;
    void setText(const QString& text) override;
    [[nodiscard]] int textLength() const override;

    [[nodiscard]] int selStart() const override;
    void setSelStart(int position) override;
    [[nodiscard]] int selLength() const override;
    void setSelLength(int length) override;
    [[nodiscard]] QString selText() const override;
    [[nodiscard]] QString textMid(int position, int length) const override;
    void setSelText(const QString& text) override;

    [[nodiscard]] ColorValue selColor() const override;
    void setSelColor(ColorValue color) override;
    [[nodiscard]] QString selFontName() const override;
    void setSelFontName(const QString& name) override;
    [[nodiscard]] double selFontSize() const override;
    void setSelFontSize(double points) override;
    [[nodiscard]] bool selBold() const override;
    void setSelBold(bool bold) override;
    [[nodiscard]] bool selItalic() const override;
    void setSelItalic(bool italic) override;
    // One merge of one format: the widget lays the text out once.
    void setSelLook(ColorValue color, bool bold, bool italic, const QString& fontName) override;
    // A bulk step keeps the undo history off, which empties it: after a
    // colouring the user's earlier edits cannot be undone, as after setText.
    void setColorRuns(const std::vector<ColorRun>& runs) override;
    void beginFormatting() override;
    void endFormatting() override;

    [[nodiscard]] ColorValue backColor() const override;
    void setBackColor(ColorValue color) override;
    [[nodiscard]] bool isVisible() const override;
    void setVisible(bool visible) override;

    [[nodiscard]] int lineFromPosition(int position) const override;
    [[nodiscard]] int lineCount() const override;

private:
    void onContentsChange(int position, int removed, int added);
    // The widget's cursor, or during a bulk step the one shown at its end.
    [[nodiscard]] QTextCursor cursor() const;
    void setCursor(const QTextCursor& cursor);
    // A lone CR break right before a lone LF break reads as CR LF: makes the
    // two one break if the empty line between them starts at widgetPosition.
    bool joinSplitPair(int widgetPosition);
    [[nodiscard]] int ourStartOf(int block) const;
    [[nodiscard]] int blockAtOur(int position) const;
    [[nodiscard]] int toOur(int widgetPosition) const;
    [[nodiscard]] int toWidget(int position) const;
    // Widget positions of both ends of every run (start, end, start, ...),
    // clipped to the text, found in one walk over the paragraphs.
    [[nodiscard]] std::vector<int> widgetEnds(const std::vector<ColorRun>& runs) const;
    // Widget text starting at widgetStart as program text (NUL, break kinds).
    [[nodiscard]] QString toProgramText(QString widgetText, int widgetStart) const;
    [[nodiscard]] QTextCharFormat formatOfCharacter(int widgetPosition) const;
    [[nodiscard]] QTextCharFormat insertionFormat(int widgetPosition) const;
    // The look a new whole text takes: that of the old first character.
    [[nodiscard]] QTextCharFormat leadingFormat() const;
    [[nodiscard]] QTextCharFormat formatForReading() const;
    [[nodiscard]] QTextCharFormat withWaitingLook(QTextCharFormat format) const;
    void mergeFormat(const QTextCharFormat& format);
    void replaceSelection(const QString& text);

    SurfaceTextEdit* m_edit;
    QTextDocument* m_document;
    BreakIndex m_breaks;
    // Formatting set in an empty document, for the text that comes next.
    QTextCharFormat m_waitingLook;
    int m_quiet = 0; // > 0 while the surface itself edits: no user change to report
    int m_bulk = 0;  // depth of open bulk steps
    QTextCursor m_bulkCursor;
    bool m_bulkModified = false; // the document's own modified flag before the step
};
