#pragma once

#include "platform/surface/paragraph_text.h"

#include <QTextBlock>
#include <vector>

class QTextDocument;

// Remembers the kind of each line break of a widget document and counts the
// CR LF breaks before a paragraph, which turns widget positions (one per
// break) into text positions (CR LF counts two) without copying the text.
//
// A paragraph's block format carries the kind of the break before it; the
// widget's undo restores block formats, so the kinds survive undo and redo.
class BreakIndex {
public:
    explicit BreakIndex(const QTextDocument* document) : m_document(document) {}

    [[nodiscard]] static LineBreak kindOf(const QTextBlock& block);
    [[nodiscard]] static QTextBlockFormat formatFor(LineBreak kind);

    // Number of CR LF breaks before paragraph number block.
    [[nodiscard]] int crLfBefore(int block) const;

    // The document changed from inside paragraph number block on.
    void invalidateFrom(int block);
    // Whether every break is known to be CR LF, which needs no counting.
    void setAllCrLf(bool allCrLf);
    [[nodiscard]] bool allCrLf() const { return m_allCrLf; }

private:
    const QTextDocument* m_document;
    bool m_allCrLf = true;
    mutable std::vector<int> m_crLfBefore;
    mutable int m_validBlocks = 0;
};
