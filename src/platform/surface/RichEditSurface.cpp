#include "platform/surface/RichEditSurface.h"

#include "core/text/last_holding.h"
#include "platform/colour_palette.h"
#include "platform/font_fallback.h"
#include "platform/surface/SurfaceTextEdit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <utility>

namespace {

const QString DefaultFontName = QStringLiteral("Courier New CE");
constexpr double DefaultFontSize = 10;

QFont defaultFont() {
    QFont font(DefaultFontName, DefaultFontSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFamilies(FontFamiliesFor(DefaultFontName));
    return font;
}

bool allCrLf(const std::vector<LineBreak>& breaks) {
    return std::all_of(breaks.begin(), breaks.end(),
                       [](LineBreak kind) { return kind == LineBreak::CrLf; });
}

// The kind most breaks have: the new text is inserted with it, so only the
// others need marking.
LineBreak commonKind(const std::vector<LineBreak>& breaks) {
    std::array<std::size_t, 3> counts{};
    for (const LineBreak kind : breaks)
        ++counts[static_cast<std::size_t>(kind)];
    return static_cast<LineBreak>(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

// Gives the breaks that start at block, in order, their kinds; a break that
// already has its kind (inserted with it) is left alone.
void markBreakKinds(QTextBlock block, const std::vector<LineBreak>& breaks, LineBreak inserted) {
    QTextCursor cursor(block);
    for (const LineBreak kind : breaks) {
        if (kind != inserted) {
            cursor.setPosition(block.position());
            BreakIndex::setKindBefore(cursor, kind);
        }
        block = block.next();
    }
}

} // namespace

RichEditSurface::RichEditSurface(QWidget* parent)
    : m_edit(new SurfaceTextEdit(parent)), m_document(m_edit->document()), m_breaks(m_document) {
    setParent(m_edit);
    // The widget would delete the document it made when another is shown;
    // the surface keeps it, as the first of the documents it may show.
    m_document->setParent(this);
    m_edit->setObjectName(QStringLiteral("Text1"));
    m_document->setDefaultFont(defaultFont());
    connect(m_document, &QTextDocument::contentsChange, this, &RichEditSurface::onContentsChange);
    m_edit->setUserInsertion([this](const QString& text) { replaceSelection(text); });
    m_edit->setSelectionText([this] { return selText(); });
    m_edit->setUserDeletion([this](const std::function<void()>& deleteText) {
        // A single Delete or Backspace is no edit block of the widget's own,
        // and only a block can take the joining of a split CR LF after it.
        // Where no lone break can meet another, the widget keeps its way of
        // undoing a run of them at once.
        if (m_breaks.allCrLf()) {
            deleteText();
            return;
        }
        QTextCursor step(m_document);
        step.beginEditBlock();
        deleteText();
        step.endEditBlock();
    });
}

QTextDocument* RichEditSurface::newDocument(QObject* parent) {
    auto* document = new QTextDocument(parent);
    document->setDefaultFont(defaultFont());
    return document;
}

void RichEditSurface::setDocument(QTextDocument* document) {
    if (document == m_document)
        return;
    disconnect(m_document, &QTextDocument::contentsChange, this,
               &RichEditSurface::onContentsChange);
    // A document that never held text starts with the editor's font, as the
    // first one did; one that did keeps its own (changing it lays it all out).
    if (document->isEmpty() && document->defaultFont() != m_document->defaultFont())
        document->setDefaultFont(m_document->defaultFont());
    m_edit->setDocument(document);
    m_document = document;
    m_breaks.reset(document);
    m_waitingLook = QTextCharFormat();
    connect(m_document, &QTextDocument::contentsChange, this, &RichEditSurface::onContentsChange);
}

QString RichEditSurface::textOf(const QTextDocument& document) {
    QString result;
    QTextBlock next = document.begin().next();
    AppendProgramText(result, document.toRawText(), [&next] {
        const LineBreak kind = BreakIndex::kindOf(next);
        next = next.next();
        return kind;
    });
    return result;
}

void RichEditSurface::onContentsChange(int position, int removed, int added) {
    m_breaks.invalidateFrom(m_document->findBlock(position).blockNumber());
    if (added > 0 && !m_document->isEmpty())
        m_waitingLook = QTextCharFormat();
    if (m_quiet > 0 || (removed == 0 && added == 0))
        return;
    // An edit by the widget itself (Delete, Backspace, cut) may leave a lone
    // CR break right before a lone LF break; they join in the edit's own undo
    // step. Undoing and redoing only ever return to states that were whole.
    if (!m_breaks.allCrLf() && !m_document->isRedoAvailable()) {
        QTextCursor step(m_document);
        ++m_quiet;
        step.joinPreviousEditBlock();
        const bool joined = joinSplitPair(position + added) | joinSplitPair(position);
        step.endEditBlock();
        --m_quiet;
        if (joined)
            m_breaks.invalidateFrom(m_document->findBlock(position).blockNumber());
    }
    Q_EMIT textChanged();
}

bool RichEditSurface::joinSplitPair(int widgetPosition) {
    const QTextBlock line = m_document->findBlock(widgetPosition);
    if (line.position() != widgetPosition || widgetPosition == 0 || line.length() != 1 ||
        !line.next().isValid())
        return false;
    if (BreakIndex::kindOf(line) != LineBreak::Cr ||
        BreakIndex::kindOf(line.next()) != LineBreak::Lf)
        return false;
    QTextCursor join(m_document);
    join.setPosition(widgetPosition);
    join.deleteChar(); // the LF break
    BreakIndex::setKindBefore(join, LineBreak::CrLf);
    return true;
}

QTextCursor RichEditSurface::cursor() const {
    return m_bulk > 0 ? m_bulkCursor : m_edit->textCursor();
}

void RichEditSurface::setCursor(const QTextCursor& cursor) {
    if (m_bulk > 0)
        m_bulkCursor = cursor;
    else
        m_edit->setTextCursor(cursor);
}

// --- bulk steps --------------------------------------------------------------

// One edit block, laid out once at its end; with the undo history off (which
// empties it) nothing of it is recorded. The widget's own selection is left
// alone until the end, so selecting the whole text lays nothing out.
void RichEditSurface::beginFormatting() {
    if (m_bulk++ > 0)
        return;
    ++m_quiet;
    m_bulkCursor = m_edit->textCursor();
    m_bulkModified = m_document->isModified();
    m_document->setUndoRedoEnabled(false);
    QTextCursor(m_document).beginEditBlock();
}

void RichEditSurface::endFormatting() {
    if (--m_bulk > 0)
        return;
    QTextCursor(m_document).endEditBlock();
    m_document->setUndoRedoEnabled(true);
    m_document->setModified(m_bulkModified);
    --m_quiet;
    m_edit->setTextCursor(m_bulkCursor);
    m_bulkCursor = QTextCursor();
}

// --- positions -------------------------------------------------------------

int RichEditSurface::ourStartOf(int block) const {
    return m_document->findBlockByNumber(block).position() + m_breaks.crLfBefore(block);
}

int RichEditSurface::blockAtOur(int position) const {
    return LastHolding(0, m_document->blockCount() - 1,
                       [this, position](int block) { return ourStartOf(block) <= position; });
}

int RichEditSurface::toOur(int widgetPosition) const {
    return widgetPosition +
           m_breaks.crLfBefore(m_document->findBlock(widgetPosition).blockNumber());
}

int RichEditSurface::toWidget(int position) const {
    position = std::clamp(position, 0, textLength());
    const int number = blockAtOur(position);
    const QTextBlock block = m_document->findBlockByNumber(number);
    const int offset = position - ourStartOf(number);
    const int length = block.length() - 1;
    // An offset past the line's text lies inside its CR LF: move past the LF.
    return block.position() + std::min(offset, length + 1);
}

std::vector<int> RichEditSurface::widgetEnds(const std::vector<ColorRun>& runs) const {
    const int length = textLength();
    // (text position, index in the result), visited in text order.
    std::vector<std::pair<int, int>> ends;
    ends.reserve(2 * runs.size());
    for (const ColorRun& run : runs) {
        const int start = std::clamp(run.start, 0, length);
        const qint64 end = qint64{run.start} + std::max(run.length, 0);
        ends.emplace_back(start, static_cast<int>(ends.size()));
        ends.emplace_back(static_cast<int>(std::clamp<qint64>(end, start, length)),
                          static_cast<int>(ends.size()));
    }
    // Runs in text order, as the highlighter gives them, need no sorting.
    if (!std::is_sorted(ends.begin(), ends.end()))
        std::sort(ends.begin(), ends.end());

    std::vector<int> widget(ends.size());
    QTextBlock block = m_document->begin();
    int blockStart = 0;  // text position of the block's first character
    int widgetStart = 0; // and its widget position
    for (const auto& [position, index] : ends) {
        for (QTextBlock next = block.next(); next.isValid(); next = block.next()) {
            const bool crLf = m_breaks.allCrLf() || BreakIndex::kindOf(next) == LineBreak::CrLf;
            const int breakLength = crLf ? 2 : 1;
            const int nextStart = blockStart + block.length() - 1 + breakLength;
            if (nextStart > position)
                break;
            widgetStart += block.length();
            block = next;
            blockStart = nextStart;
        }
        // An offset past the line's text lies inside its CR LF: move past the LF.
        widget[index] = widgetStart + std::min(position - blockStart, block.length());
    }
    return widget;
}

int RichEditSurface::textLength() const {
    return m_document->characterCount() - 1 + m_breaks.crLfBefore(m_document->blockCount() - 1);
}

// --- text --------------------------------------------------------------------

QString RichEditSurface::toProgramText(QString widgetText, int widgetStart) const {
    if (m_breaks.allCrLf()) {
        widgetText.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
        return widgetText.replace(NulPlaceholder, QChar(0));
    }
    QString result;
    result.reserve(widgetText.size() + widgetText.size() / 16);
    QTextBlock next = m_document->findBlock(widgetStart).next();
    AppendProgramText(result, widgetText, [&next] {
        const LineBreak kind = BreakIndex::kindOf(next);
        next = next.next();
        return kind;
    });
    return result;
}

QString RichEditSurface::text() const {
    return toProgramText(m_document->toRawText(), 0);
}

// A new document, as the widget's own plain-text setter makes one: the old
// one is cleared and the new text inserted in its look within one edit
// block, so the widget lays it out in the background from the top.
void RichEditSurface::setText(const QString& text) {
    const ParagraphText paragraphs = ToParagraphText(text);
    const QTextCharFormat look = BreakIndex::withoutKind(leadingFormat());
    const LineBreak common = commonKind(paragraphs.breaks);
    beginFormatting();
    m_document->clear();
    QTextCursor cursor(m_document);
    if (!paragraphs.text.isEmpty()) {
        cursor.insertText(paragraphs.text, BreakIndex::withKind(look, common));
        markBreakKinds(m_document->begin().next(), paragraphs.breaks, common);
    }
    m_breaks.setAllCrLf(allCrLf(paragraphs.breaks));
    m_bulkCursor = QTextCursor(m_document);
    Q_EMIT textChanged();
    endFormatting();
}

void RichEditSurface::replaceSelection(const QString& text) {
    const ParagraphText paragraphs = ToParagraphText(text);
    QTextCursor cursor = this->cursor();
    const QTextCharFormat format =
        BreakIndex::withoutKind(insertionFormat(cursor.selectionStart()));
    ++m_quiet;
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const int from = cursor.position();
    cursor.insertText(paragraphs.text, format);
    markBreakKinds(m_document->findBlock(from).next(), paragraphs.breaks, LineBreak::CrLf);
    if (!m_breaks.allCrLf() || !allCrLf(paragraphs.breaks)) {
        joinSplitPair(cursor.position());
        joinSplitPair(from);
    }
    cursor.endEditBlock();
    --m_quiet;
    if (m_breaks.allCrLf() && !allCrLf(paragraphs.breaks))
        m_breaks.setAllCrLf(false);
    // Inside a bulk step the widget reports the change only at its end.
    m_breaks.invalidateFrom(m_document->findBlock(from).blockNumber());
    setCursor(cursor);
    Q_EMIT textChanged();
}

// --- selection ---------------------------------------------------------------

int RichEditSurface::selStart() const {
    return toOur(cursor().selectionStart());
}

void RichEditSurface::setSelStart(int position) {
    QTextCursor cursor = this->cursor();
    cursor.setPosition(toWidget(position));
    setCursor(cursor);
}

int RichEditSurface::selLength() const {
    const QTextCursor cursor = this->cursor();
    return toOur(cursor.selectionEnd()) - toOur(cursor.selectionStart());
}

void RichEditSurface::setSelLength(int length) {
    const int start = selStart();
    QTextCursor cursor = this->cursor();
    cursor.setPosition(toWidget(start));
    cursor.setPosition(toWidget(start + std::max(length, 0)), QTextCursor::KeepAnchor);
    setCursor(cursor);
}

QString RichEditSurface::selText() const {
    const QTextCursor cursor = this->cursor();
    return toProgramText(cursor.selectedText(), cursor.selectionStart());
}

QString RichEditSurface::textMid(int position, int length) const {
    const int widgetStart = toWidget(position);
    QTextCursor range(m_document);
    range.setPosition(widgetStart);
    range.setPosition(toWidget(toOur(widgetStart) + std::max(length, 0)), QTextCursor::KeepAnchor);
    // A range ending inside a CR LF takes the whole pair; keep to the length asked.
    return toProgramText(range.selectedText(), range.selectionStart()).left(std::max(length, 0));
}

void RichEditSurface::setSelText(const QString& text) {
    replaceSelection(text);
}

// --- formatting ----------------------------------------------------------------

QTextCharFormat RichEditSurface::formatOfCharacter(int widgetPosition) const {
    const QTextBlock block = m_document->findBlock(widgetPosition);
    // A paragraph break has a format of its own, which the widget reports as
    // the character format of the paragraph that follows it.
    if (widgetPosition == block.position() + block.length() - 1 && block.next().isValid())
        return block.next().charFormat();
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(widgetPosition))
            return it.fragment().charFormat();
    return block.charFormat();
}

QTextCharFormat RichEditSurface::insertionFormat(int widgetPosition) const {
    if (widgetPosition > 0)
        return formatOfCharacter(widgetPosition - 1);
    if (m_document->characterCount() > 1)
        return formatOfCharacter(0);
    return withWaitingLook(m_edit->currentCharFormat());
}

QTextCharFormat RichEditSurface::withWaitingLook(QTextCharFormat format) const {
    if (m_document->isEmpty())
        format.merge(m_waitingLook);
    return format;
}

QTextCharFormat RichEditSurface::leadingFormat() const {
    // A leading empty line shows no character of its own, and the widget
    // gives it a plain paragraph format: the first visible character stands
    // for it. A text of nothing but breaks has its first break's format.
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (block.length() > 1)
            return block.begin().fragment().charFormat();
    }
    QTextCursor cursor(m_document);
    cursor.setPosition(std::min(1, m_document->characterCount() - 1));
    return withWaitingLook(cursor.charFormat());
}

QTextCharFormat RichEditSurface::formatForReading() const {
    const QTextCursor cursor = this->cursor();
    if (cursor.hasSelection())
        return formatOfCharacter(cursor.selectionStart());
    return insertionFormat(cursor.position());
}

void RichEditSurface::mergeFormat(const QTextCharFormat& format) {
    QTextCursor cursor = this->cursor();
    ++m_quiet;
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(format);
    } else {
        if (m_bulk > 0)
            m_bulkCursor.mergeCharFormat(format); // the caret's format, shown at the end
        else
            m_edit->mergeCurrentCharFormat(format);
        if (m_document->isEmpty())
            m_waitingLook.merge(format);
    }
    --m_quiet;
}

ColorValue RichEditSurface::selColor() const {
    const QBrush brush = formatForReading().foreground();
    if (brush.style() == Qt::NoBrush)
        return ToColorValue(m_edit->palette().color(QPalette::Text));
    return ToColorValue(brush.color());
}

void RichEditSurface::setSelColor(ColorValue color) {
    QTextCharFormat format;
    format.setForeground(ToQColor(color));
    mergeFormat(format);
}

QString RichEditSurface::selFontName() const {
    const QStringList families = formatForReading().fontFamilies().toStringList();
    return families.isEmpty() ? m_document->defaultFont().family() : families.front();
}

void RichEditSurface::setSelFontName(const QString& name) {
    QTextCharFormat format;
    format.setFontFamilies(FontFamiliesFor(name));
    mergeFormat(format);
}

double RichEditSurface::selFontSize() const {
    const double size = formatForReading().fontPointSize();
    return size > 0 ? size : m_document->defaultFont().pointSizeF();
}

void RichEditSurface::setSelFontSize(double points) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeFormat(format);
}

bool RichEditSurface::selBold() const {
    return formatForReading().fontWeight() >= QFont::Bold;
}

void RichEditSurface::setSelBold(bool bold) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeFormat(format);
}

bool RichEditSurface::selItalic() const {
    return formatForReading().fontItalic();
}

void RichEditSurface::setSelItalic(bool italic) {
    QTextCharFormat format;
    format.setFontItalic(italic);
    mergeFormat(format);
}

void RichEditSurface::setSelLook(ColorValue color, bool bold, bool italic,
                                 const QString& fontName) {
    QTextCharFormat format;
    format.setForeground(ToQColor(color));
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontFamilies(FontFamiliesFor(fontName));
    mergeFormat(format);
}

void RichEditSurface::setColorRuns(const std::vector<ColorRun>& runs) {
    const std::vector<int> ends = widgetEnds(runs);
    // Formatting is not an editing step: with the history on, each run would
    // leave undo steps whose undoing changes no text yet reports a change.
    const FormattingScope bulk(*this);
    QTextCursor cursor(m_document);
    QTextCharFormat format;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (ends[2 * i] == ends[2 * i + 1])
            continue;
        format.setForeground(ToQColor(runs[i].color));
        cursor.setPosition(ends[2 * i]);
        cursor.setPosition(ends[2 * i + 1], QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
}

// --- the widget ------------------------------------------------------------------

ColorValue RichEditSurface::backColor() const {
    return ToColorValue(m_edit->palette().color(QPalette::Base));
}

void RichEditSurface::setBackColor(ColorValue color) {
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    m_edit->setPalette(palette);
}

bool RichEditSurface::isVisible() const {
    return !m_edit->isHidden();
}

void RichEditSurface::setVisible(bool visible) {
    m_edit->setVisible(visible);
}

int RichEditSurface::lineFromPosition(int position) const {
    return blockAtOur(std::clamp(position, 0, textLength()));
}

int RichEditSurface::lineCount() const {
    return m_document->blockCount();
}
