#pragma once

#include "platform/surface/paragraph_text.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <vector>

class QTextCursor;
class QTextDocument;

// Remembers the kind of each line break of a widget document and counts the
// CR LF breaks before a paragraph, which turns widget positions (one per
// break) into text positions (CR LF counts two) without copying the text.
//
// The kind is a property of the paragraph break's own character format. The
// break character carries it wherever the widget moves it: joining lines by
// deleting text around a break, or undoing and redoing, never hands a kind
// from one break to another, as paragraph data would. So the kinds live in
// the document alone, and a document set into the widget brings its own.
class BreakIndex {
public:
    explicit BreakIndex(const QTextDocument* document) { reset(document); }

    // Kind of the break before block (CR LF before the first block).
    [[nodiscard]] static LineBreak kindOf(const QTextBlock& block);
    // Gives the break before the cursor's block the kind (merged, so the
    // break keeps its look).
    static void setKindBefore(QTextCursor& cursor, LineBreak kind);
    // format with the kind, or without any (CR LF), for inserting text.
    [[nodiscard]] static QTextCharFormat withKind(QTextCharFormat format, LineBreak kind);
    [[nodiscard]] static QTextCharFormat withoutKind(QTextCharFormat format);

    // Starts over on document, reading whether all its breaks are CR LF.
    void reset(const QTextDocument* document);

    // Number of CR LF breaks before paragraph number block.
    [[nodiscard]] int crLfBefore(int block) const;

    // The document changed from inside paragraph number block on.
    void invalidateFrom(int block);
    // Whether every break is known to be CR LF, which needs no counting.
    void setAllCrLf(bool allCrLf);
    [[nodiscard]] bool allCrLf() const { return m_allCrLf; }

private:
    const QTextDocument* m_document = nullptr;
    bool m_allCrLf = true;
    mutable std::vector<int> m_crLfBefore;
    mutable int m_validBlocks = 0;
};
