#pragma once

#include "core/text/editor_surface.h"
#include "platform/surface/BreakIndex.h"
#include "platform/surface/ViewsBeforeSteps.h"

#include <QFont>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextLayout>
#include <optional>
#include <vector>

class SurfaceTextEdit;
class QTextDocument;

// The editing surface over the main window's rich-text widget. Text positions
// count CR LF as two characters while the widget holds one paragraph break per
// line; BreakIndex converts between the two without copying the text.
//
// The look of the whole text is the documents' default font and the widget's
// text colour; marks are formats of the paragraphs' layouts. Neither is
// document content, so formatting never enters the undo history.
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
    // marks come with it, it takes the surface's look, and the caret goes to 0. Use this rather
    // than the widget's own setDocument, which the surface would not notice.
    [[nodiscard]] QTextDocument* document() const { return m_document; }
    void setDocument(QTextDocument* document);
    // A document with the surface's default font, for setDocument().
    [[nodiscard]] static QTextDocument* newDocument(QObject* parent);
    // The text of a document this surface has shown, as text() gives it.
    [[nodiscard]] static QString textOf(const QTextDocument& document);

    [[nodiscard]] QString text() const override;
    void setText(const QString& text) override;
    void replaceText(const QString& text) override;
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
    // One mark of one format: the widget lays the text out once.
    void setSelLook(ColorValue color, bool bold, bool italic, const QString& fontName) override;
    void setTextLook(ColorValue color, bool bold, bool italic, const QString& fontName) override;
    void setTextFontSize(double points) override;
    void setColorRuns(const std::vector<ColorRun>& runs) override;
    void beginFormatting() override;
    void endFormatting() override;

    void undo() override;
    void redo() override;
    [[nodiscard]] bool isUndoAvailable() const override;
    [[nodiscard]] bool isRedoAvailable() const override;

    [[nodiscard]] ColorValue backColor() const override;
    void setBackColor(ColorValue color) override;
    [[nodiscard]] bool isVisible() const override;
    void setVisible(bool visible) override;

    [[nodiscard]] int lineFromPosition(int position) const override;
    [[nodiscard]] int lineCount() const override;

private:
    // A format over the widget positions [start, end).
    struct Mark {
        int start;
        int end;
        QTextCharFormat format;
    };

    void onContentsChange(int position, int removed, int added);
    // Notes when a break the widget inserted from widgetPosition on is not CR LF.
    void noticeOtherKinds(int widgetPosition, int added);
    // The widget's cursor, or during a bulk step the one shown at its end.
    [[nodiscard]] QTextCursor cursor() const;
    void setCursor(const QTextCursor& cursor);
    // A lone CR break right before a lone LF break reads as CR LF: makes the
    // two one break if the empty line between them starts at widgetPosition.
    bool joinSplitPair(int widgetPosition);
    [[nodiscard]] bool isSplitPairAt(int widgetPosition) const;
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
    [[nodiscard]] QTextCharFormat formatForReading() const;
    [[nodiscard]] bool hasMarks() const;
    void setBlockMarks(QTextBlock block, const QList<QTextLayout::FormatRange>& marks);
    void addMarks(const std::vector<Mark>& marks);
    void clearMarks();
    void moveMarks(int position, int removed, int added);
    // The marks of the blocks from block to last, at widget positions.
    [[nodiscard]] std::vector<Mark> marksOf(QTextBlock block, const QTextBlock& last) const;
    // Keeps the marks of the blocks an edit of [widgetStart, widgetEnd] may join.
    void holdMarks(int widgetStart, int widgetEnd);
    // Undoes or redoes one step; undoing a whole-text step also gives back
    // the selection and scroll position from before it.
    void stepHistory(bool redo);
    [[nodiscard]] ViewBeforeStep currentView() const;
    void showView(const ViewBeforeStep& view);
    void markSelection(const QTextCharFormat& format);
    void setLookFont(const QFont& font);
    void replaceSelection(const QString& text);

    SurfaceTextEdit* m_edit;
    QTextDocument* m_document;
    BreakIndex m_breaks;
    QFont m_lookFont;  // the whole text's font, given to every document shown
    int m_quiet = 0;   // > 0 while the surface itself edits: no user change to report
    int m_marking = 0; // > 0 while marks are set: no change of the text at all
    std::optional<std::vector<Mark>> m_heldMarks;
    int m_bulk = 0; // depth of open bulk steps
    QTextCursor m_bulkCursor;
    bool m_bulkModified = false; // the document's own modified flag before the step
};
