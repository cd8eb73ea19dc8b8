#include "platform/surface/RichEditSurface.h"

#include "core/text/last_holding.h"
#include "platform/colour_palette.h"
#include "platform/font_fallback.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/surface/ViewsBeforeSteps.h"

#include <QHash>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>

namespace {

const QString DefaultFontName = QStringLiteral("Courier New CE");
// Set on a document while some block of it holds marks.
const char* const MarkedProperty = "tarvelMarked";
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

// The paragraphs as the whole text of the emptied document at the cursor.
void insertWholeText(QTextCursor& cursor, const ParagraphText& paragraphs) {
    if (paragraphs.text.isEmpty())
        return;
    const LineBreak common = commonKind(paragraphs.breaks);
    cursor.insertText(paragraphs.text, BreakIndex::withKind(QTextCharFormat(), common));
    markBreakKinds(cursor.document()->begin().next(), paragraphs.breaks, common);
}

} // namespace

RichEditSurface::RichEditSurface(QWidget* parent)
    : m_edit(new SurfaceTextEdit(parent)), m_document(m_edit->document()), m_breaks(m_document),
      m_lookFont(defaultFont()) {
    setParent(m_edit);
    // The widget would delete the document it made when another is shown;
    // the surface keeps it, as the first of the documents it may show.
    m_document->setParent(this);
    m_edit->setObjectName(QStringLiteral("Text1"));
    m_document->setDefaultFont(m_lookFont);
    connect(m_document, &QTextDocument::contentsChange, this, &RichEditSurface::onContentsChange);
    m_edit->setUserInsertion([this](const QString& text) { replaceSelection(text); });
    m_edit->setSelectionText([this] { return selText(); });
    m_edit->setHistoryStep([this](bool redo) { stepHistory(redo); });
    m_edit->setUserDeletion([this](const std::function<void()>& deleteText) {
        // Delete or Backspace may join the caret's line with either neighbour.
        const QTextCursor caret = m_edit->textCursor();
        holdMarks(std::max(caret.selectionStart() - 1, 0), caret.selectionEnd() + 1);
        // A single Delete or Backspace is no edit block of the widget's own,
        // and only a block can take the joining of a split CR LF after it.
        // Where no lone break can meet another, the widget keeps its way of
        // undoing a run of them at once.
        if (m_breaks.allCrLf()) {
            deleteText();
        } else {
            QTextCursor step(m_document);
            step.beginEditBlock();
            deleteText();
            step.endEditBlock();
        }
        // A deletion that changed nothing left them unused.
        m_heldMarks.reset();
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
    // The look belongs to the surface: every document it shows takes it
    // (a changed font lays the text out again, a colour only repaints).
    if (document->defaultFont() != m_lookFont)
        document->setDefaultFont(m_lookFont);
    m_edit->setDocument(document);
    m_document = document;
    m_breaks.reset(document);
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
    if (m_marking > 0 || (removed == 0 && added == 0))
        return;
    if (hasMarks())
        moveMarks(position, removed, added);
    if (m_quiet > 0)
        return;
    // Undoing or redoing may bring back breaks of other kinds.
    if (m_breaks.allCrLf() && added > 0)
        noticeOtherKinds(position, added);
    // An edit by the widget itself (Delete, Backspace, cut) may leave a lone
    // CR break right before a lone LF break; they join in the edit's own undo
    // step. Undoing and redoing only ever return to states that were whole.
    // The step is reopened only to change it: reopened and closed as it was,
    // it would still count as one made anew.
    if (!m_breaks.allCrLf() && !m_document->isRedoAvailable() &&
        (isSplitPairAt(position + added) || isSplitPairAt(position))) {
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

void RichEditSurface::noticeOtherKinds(int widgetPosition, int added) {
    const QTextBlock last = m_document->findBlock(widgetPosition + added);
    for (QTextBlock block = m_document->findBlock(widgetPosition).next();
         block.isValid() && block.position() <= last.position(); block = block.next()) {
        if (BreakIndex::kindOf(block) != LineBreak::CrLf) {
            m_breaks.setAllCrLf(false);
            return;
        }
    }
}

bool RichEditSurface::isSplitPairAt(int widgetPosition) const {
    const QTextBlock line = m_document->findBlock(widgetPosition);
    if (line.position() != widgetPosition || widgetPosition == 0 || line.length() != 1 ||
        !line.next().isValid())
        return false;
    return BreakIndex::kindOf(line) == LineBreak::Cr &&
           BreakIndex::kindOf(line.next()) == LineBreak::Lf;
}

bool RichEditSurface::joinSplitPair(int widgetPosition) {
    if (!isSplitPairAt(widgetPosition))
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

// One edit block, laid out once at its end. Formatting records nothing in
// the undo history (the look and the marks are not document content), so
// the history stays as it was. The widget's own selection is left alone
// until the end, so selecting the whole text lays nothing out.
void RichEditSurface::beginFormatting() {
    if (m_bulk++ > 0)
        return;
    ++m_quiet;
    m_bulkCursor = m_edit->textCursor();
    m_bulkModified = m_document->isModified();
    QTextCursor(m_document).beginEditBlock();
}

void RichEditSurface::endFormatting() {
    if (--m_bulk > 0)
        return;
    // The step's changes come as one, marks included: none of it moves marks.
    ++m_marking;
    QTextCursor(m_document).endEditBlock();
    --m_marking;
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
// one is cleared and the new text inserted within one edit block, so the
// widget lays it out in the background from the top. With the history off
// while it goes in, the new document's history starts empty.
void RichEditSurface::setText(const QString& text) {
    const ParagraphText paragraphs = ToParagraphText(text);
    m_document->setUndoRedoEnabled(false);
    beginFormatting();
    m_document->clear();
    m_document->setProperty(MarkedProperty, false);
    QTextCursor cursor(m_document);
    insertWholeText(cursor, paragraphs);
    m_breaks.setAllCrLf(allCrLf(paragraphs.breaks));
    m_bulkCursor = QTextCursor(m_document);
    Q_EMIT textChanged();
    endFormatting();
    m_document->setUndoRedoEnabled(true);
}

// One edit block with the history on: one undo step, which gives back the
// old text with its break kinds. The old marks go with the old text.
void RichEditSurface::replaceText(const QString& text) {
    const ParagraphText paragraphs = ToParagraphText(text);
    const ViewBeforeStep view = currentView();
    const int stepsBefore = m_document->availableUndoSteps();
    ++m_quiet;
    QTextCursor cursor(m_document);
    cursor.beginEditBlock();
    clearMarks();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    insertWholeText(cursor, paragraphs);
    cursor.endEditBlock();
    --m_quiet;
    // Undone, the widget would leave the caret at the end of the text it
    // puts back, far from where the user was. (An empty text replaced by an
    // empty one makes no step.)
    if (m_document->availableUndoSteps() > stepsBefore)
        ViewsBeforeSteps::of(*m_document).rememberForLastStep(view);
    m_breaks.setAllCrLf(allCrLf(paragraphs.breaks));
    setCursor(QTextCursor(m_document));
    Q_EMIT textChanged();
}

void RichEditSurface::replaceSelection(const QString& text) {
    const ParagraphText paragraphs = ToParagraphText(text);
    QTextCursor cursor = this->cursor();
    holdMarks(cursor.selectionStart(), cursor.selectionEnd());
    ++m_quiet;
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const int from = cursor.position();
    cursor.insertText(paragraphs.text, QTextCharFormat());
    markBreakKinds(m_document->findBlock(from).next(), paragraphs.breaks, LineBreak::CrLf);
    if (!m_breaks.allCrLf() || !allCrLf(paragraphs.breaks)) {
        joinSplitPair(cursor.position());
        joinSplitPair(from);
    }
    cursor.endEditBlock();
    --m_quiet;
    // An edit that changed nothing left them unused.
    m_heldMarks.reset();
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

// The look is the document's default font and the widget's text colour;
// marks are formats of the blocks' layouts, drawn over the text as a
// highlighter's are. Neither is document content, so neither enters the
// undo history, and the characters' own formats carry only break kinds.

bool RichEditSurface::hasMarks() const {
    return m_document->property(MarkedProperty).toBool();
}

QTextCharFormat RichEditSurface::formatOfCharacter(int widgetPosition) const {
    QTextCharFormat format;
    if (!hasMarks())
        return format;
    const QTextBlock block = m_document->findBlock(widgetPosition);
    const int offset = widgetPosition - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (range.start <= offset && offset < range.start + range.length)
            format.merge(range.format);
    return format;
}

QTextCharFormat RichEditSurface::formatForReading() const {
    const QTextCursor cursor = this->cursor();
    if (cursor.hasSelection())
        return formatOfCharacter(cursor.selectionStart());
    if (cursor.position() > 0)
        return formatOfCharacter(cursor.position() - 1);
    return formatOfCharacter(0);
}

void RichEditSurface::setBlockMarks(QTextBlock block,
                                    const QList<QTextLayout::FormatRange>& marks) {
    block.layout()->setFormats(marks);
}

void RichEditSurface::addMarks(const std::vector<Mark>& marks) {
    // Ranges gathered per block, in order, so a later mark paints over an
    // earlier one and each block's layout is set once.
    std::map<int, std::pair<QTextBlock, QList<QTextLayout::FormatRange>>> added;
    for (const Mark& mark : marks) {
        for (QTextBlock block = m_document->findBlock(mark.start);
             block.isValid() && block.position() < mark.end; block = block.next()) {
            const int from = std::max(mark.start, block.position()) - block.position();
            const int to = std::min(mark.end, block.position() + block.length()) - block.position();
            auto& entry = added[block.position()];
            entry.first = block;
            entry.second.append({from, to - from, mark.format});
        }
    }
    if (added.empty())
        return;
    // The widget reports the layout change as a change of the marked text.
    ++m_marking;
    QTextCursor step(m_document);
    step.beginEditBlock();
    for (auto& [position, entry] : added)
        setBlockMarks(entry.first, entry.first.layout()->formats() + entry.second);
    m_document->setProperty(MarkedProperty, true);
    step.endEditBlock();
    --m_marking;
}

void RichEditSurface::clearMarks() {
    if (!hasMarks())
        return;
    ++m_marking;
    QTextCursor step(m_document);
    step.beginEditBlock();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
        if (!block.layout()->formats().isEmpty())
            setBlockMarks(block, {});
    m_document->setProperty(MarkedProperty, false);
    step.endEditBlock();
    --m_marking;
}

std::vector<RichEditSurface::Mark> RichEditSurface::marksOf(QTextBlock block,
                                                            const QTextBlock& last) const {
    std::vector<Mark> marks;
    for (; block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            marks.push_back({block.position() + range.start,
                             block.position() + range.start + range.length, range.format});
        if (block == last)
            break;
    }
    return marks;
}

void RichEditSurface::holdMarks(int widgetStart, int widgetEnd) {
    if (!hasMarks())
        return;
    m_heldMarks = marksOf(m_document->findBlock(widgetStart), m_document->findBlock(widgetEnd));
}

// Marks follow their characters through an edit: a mark after it moves, the
// part of one that was removed goes, and one over the character before the
// edit grows over what was inserted, as typing in a coloured word keeps its
// colour. The widget keeps the first block's layout through an edit and
// gives the blocks it makes or joins new ones, so an edit that may join
// blocks holds the marks of all it may touch beforehand (holdMarks); typing
// needs only those of its own block.
void RichEditSurface::moveMarks(int position, int removed, int added) {
    QTextBlock first = m_document->findBlock(position);
    std::vector<Mark> old;
    if (m_heldMarks)
        old = *std::exchange(m_heldMarks, std::nullopt);
    else
        old = marksOf(first, first);
    const int changeEnd = position + removed;
    const int delta = added - removed;
    const QTextBlock last = m_document->findBlock(position + added);
    // Only marks over the blocks set below matter: after an undo the held
    // marks are the whole text's, and each block would look at them all.
    // (A change of the whole document may count the last block's end.)
    const int touchedEnd =
        last.isValid() ? last.position() + last.length() : m_document->characterCount();
    std::vector<Mark> moved;
    for (const Mark& mark : old) {
        const int newStart = mark.start < position    ? mark.start
                             : mark.start < changeEnd ? position + added
                                                      : mark.start + delta;
        // A mark ending right at the edit covers the character before it.
        const int newEnd = mark.end < position    ? mark.end
                           : mark.end < changeEnd ? position + added
                                                  : mark.end + delta;
        if (newEnd > newStart && newEnd > first.position() && newStart < touchedEnd)
            moved.push_back({newStart, newEnd, mark.format});
    }
    for (QTextBlock block = first; block.isValid() && block.position() <= last.position();
         block = block.next()) {
        QList<QTextLayout::FormatRange> marks;
        const int blockEnd = block.position() + block.length();
        for (const Mark& mark : moved) {
            const int from = std::max(mark.start, block.position());
            const int to = std::min(mark.end, blockEnd);
            if (to > from)
                marks.append({from - block.position(), to - from, mark.format});
        }
        if (!marks.isEmpty() || !block.layout()->formats().isEmpty())
            setBlockMarks(block, marks);
    }
}

void RichEditSurface::stepHistory(bool redo) {
    // Which blocks an undo step joins is known only afterwards.
    if (hasMarks())
        m_heldMarks = marksOf(m_document->begin(), m_document->lastBlock());
    const std::optional<ViewBeforeStep> view =
        redo ? std::nullopt : ViewsBeforeSteps::of(*m_document).beforeNextUndo();
    if (redo)
        m_edit->redo();
    else
        m_edit->undo();
    m_heldMarks.reset();
    if (view)
        showView(*view);
}

ViewBeforeStep RichEditSurface::currentView() const {
    const QTextCursor cursor = this->cursor();
    return {cursor.anchor(), cursor.position(),
            QPoint(m_edit->horizontalScrollBar()->value(), m_edit->verticalScrollBar()->value())};
}

void RichEditSurface::showView(const ViewBeforeStep& view) {
    const int end = m_document->characterCount() - 1;
    QTextCursor cursor(m_document);
    cursor.setPosition(std::clamp(view.anchor, 0, end));
    cursor.setPosition(std::clamp(view.position, 0, end), QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
    m_edit->horizontalScrollBar()->setValue(view.scroll.x());
    m_edit->verticalScrollBar()->setValue(view.scroll.y());
    m_edit->ensureCursorVisible();
}

void RichEditSurface::markSelection(const QTextCharFormat& format) {
    const QTextCursor cursor = this->cursor();
    if (!cursor.hasSelection())
        return;
    addMarks({{cursor.selectionStart(), cursor.selectionEnd(), format}});
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
    markSelection(format);
}

QString RichEditSurface::selFontName() const {
    const QStringList families = formatForReading().fontFamilies().toStringList();
    return families.isEmpty() ? m_document->defaultFont().family() : families.front();
}

void RichEditSurface::setSelFontName(const QString& name) {
    QTextCharFormat format;
    format.setFontFamilies(FontFamiliesFor(name));
    markSelection(format);
}

double RichEditSurface::selFontSize() const {
    const double size = formatForReading().fontPointSize();
    return size > 0 ? size : m_document->defaultFont().pointSizeF();
}

void RichEditSurface::setSelFontSize(double points) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    markSelection(format);
}

bool RichEditSurface::selBold() const {
    const QTextCharFormat format = formatForReading();
    if (format.hasProperty(QTextFormat::FontWeight))
        return format.fontWeight() >= QFont::Bold;
    return m_document->defaultFont().bold();
}

void RichEditSurface::setSelBold(bool bold) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    markSelection(format);
}

bool RichEditSurface::selItalic() const {
    const QTextCharFormat format = formatForReading();
    if (format.hasProperty(QTextFormat::FontItalic))
        return format.fontItalic();
    return m_document->defaultFont().italic();
}

void RichEditSurface::setSelItalic(bool italic) {
    QTextCharFormat format;
    format.setFontItalic(italic);
    markSelection(format);
}

void RichEditSurface::setSelLook(ColorValue color, bool bold, bool italic,
                                 const QString& fontName) {
    QTextCharFormat format;
    format.setForeground(ToQColor(color));
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontFamilies(FontFamiliesFor(fontName));
    markSelection(format);
}

void RichEditSurface::setLookFont(const QFont& font) {
    m_lookFont = font;
    if (m_document->defaultFont() != font)
        m_document->setDefaultFont(font);
}

void RichEditSurface::setTextLook(ColorValue color, bool bold, bool italic,
                                  const QString& fontName) {
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Text, ToQColor(color));
    m_edit->setPalette(palette);
    QFont font = m_lookFont;
    font.setFamilies(FontFamiliesFor(fontName));
    font.setBold(bold);
    font.setItalic(italic);
    setLookFont(font);
    clearMarks();
}

void RichEditSurface::setTextFontSize(double points) {
    QFont font = m_lookFont;
    font.setPointSizeF(points);
    setLookFont(font);
}

void RichEditSurface::setColorRuns(const std::vector<ColorRun>& runs) {
    const std::vector<int> ends = widgetEnds(runs);
    const FormattingScope bulk(*this);
    std::vector<Mark> marks;
    marks.reserve(runs.size());
    // One format per colour, shared by its runs.
    QHash<ColorValue, QTextCharFormat> formats;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (ends[2 * i] == ends[2 * i + 1])
            continue;
        auto format = formats.find(runs[i].color);
        if (format == formats.end()) {
            format = formats.insert(runs[i].color, QTextCharFormat());
            format->setForeground(ToQColor(runs[i].color));
        }
        marks.push_back({ends[2 * i], ends[2 * i + 1], *format});
    }
    addMarks(marks);
}

void RichEditSurface::undo() {
    stepHistory(false);
}

void RichEditSurface::redo() {
    stepHistory(true);
}

bool RichEditSurface::isUndoAvailable() const {
    return m_document->isUndoAvailable();
}

bool RichEditSurface::isRedoAvailable() const {
    return m_document->isRedoAvailable();
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
