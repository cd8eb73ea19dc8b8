#include "platform/surface/BreakIndex.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <utility>

namespace {
constexpr int BreakKindProperty = QTextFormat::UserProperty + 1;
}

LineBreak BreakIndex::kindOf(const QTextBlock& block) {
    return static_cast<LineBreak>(block.charFormat().intProperty(BreakKindProperty));
}

void BreakIndex::setKindBefore(QTextCursor& cursor, LineBreak kind) {
    QTextCharFormat format;
    // Stored even for CR LF, whose value reads the same as no property, so
    // that merging overwrites a kind the break had before.
    format.setProperty(BreakKindProperty, static_cast<int>(kind));
    cursor.mergeBlockCharFormat(format);
}

QTextCharFormat BreakIndex::withKind(QTextCharFormat format, LineBreak kind) {
    if (kind == LineBreak::CrLf)
        format.clearProperty(BreakKindProperty);
    else
        format.setProperty(BreakKindProperty, static_cast<int>(kind));
    return format;
}

QTextCharFormat BreakIndex::withoutKind(QTextCharFormat format) {
    return withKind(std::move(format), LineBreak::CrLf);
}

void BreakIndex::reset(const QTextDocument* document) {
    m_document = document;
    bool allCrLf = true;
    for (QTextBlock block = document->begin().next(); allCrLf && block.isValid();
         block = block.next())
        allCrLf = kindOf(block) == LineBreak::CrLf;
    setAllCrLf(allCrLf);
}

int BreakIndex::crLfBefore(int block) const {
    block = std::min(block, m_document->blockCount() - 1);
    if (m_allCrLf || block <= 0)
        return std::max(block, 0);
    if (static_cast<int>(m_crLfBefore.size()) < m_document->blockCount())
        m_crLfBefore.resize(m_document->blockCount());
    if (m_validBlocks == 0) {
        m_crLfBefore[0] = 0;
        m_validBlocks = 1;
    }
    if (block < m_validBlocks)
        return m_crLfBefore[block];
    QTextBlock current = m_document->findBlockByNumber(m_validBlocks);
    for (int n = m_validBlocks; n <= block && current.isValid(); ++n, current = current.next())
        m_crLfBefore[n] = m_crLfBefore[n - 1] + (kindOf(current) == LineBreak::CrLf ? 1 : 0);
    m_validBlocks = block + 1;
    return m_crLfBefore[block];
}

void BreakIndex::invalidateFrom(int block) {
    m_validBlocks = std::clamp(block, 0, m_validBlocks);
}

void BreakIndex::setAllCrLf(bool allCrLf) {
    m_allCrLf = allCrLf;
    m_validBlocks = 0;
}
