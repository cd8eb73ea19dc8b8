#include "core/testing/MemorySurface.h"

#include "core/text/ansi_code_page.h"

#include <algorithm>
#include <tuple>

MemorySurface::MemorySurface(QObject* parent) : EditorSurface(parent) {
    resetFormats(CharFormat{});
}

QString MemorySurface::text() const {
    return m_text;
}

void MemorySurface::setText(const QString& text) {
    m_text = ReplaceNonAnsi(text);
    resetFormats(m_look);
    m_selStart = 0;
    m_selLength = 0;
    m_undoSteps.clear();
    m_redoSteps.clear();
    textWritten();
}

void MemorySurface::replaceText(const QString& text) {
    // The new text shows the look alone, as it would in an emptied document.
    const std::pair<int, int> selection(m_selStart, m_selLength);
    record({0, replaceRange(0, textLength(), ReplaceNonAnsi(text), intern(m_look)),
            static_cast<int>(m_text.size()), selection});
    m_selStart = 0;
    m_selLength = 0;
    textWritten();
}

int MemorySurface::textLength() const {
    return static_cast<int>(m_text.size());
}

int MemorySurface::selStart() const {
    return m_selStart;
}

void MemorySurface::setSelStart(int position) {
    m_selStart = normalized(position);
    m_selLength = 0;
}

int MemorySurface::selLength() const {
    return m_selLength;
}

void MemorySurface::setSelLength(int length) {
    m_selLength = normalized(qsizetype{m_selStart} + std::max(length, 0)) - m_selStart;
}

QString MemorySurface::selText() const {
    return m_text.mid(m_selStart, m_selLength);
}

QString MemorySurface::textMid(int position, int length) const {
    int start = std::clamp(position, 0, static_cast<int>(m_text.size()));
    if (start > 0 && start < m_text.size() && m_text.at(start - 1) == u'\r' &&
        m_text.at(start) == u'\n')
        ++start;
    return m_text.mid(start, std::max(length, 0));
}

void MemorySurface::setSelText(const QString& text) {
    const QString inserted = ReplaceNonAnsi(text);
    const int start = m_selStart;
    const int end = m_selStart + m_selLength;
    record({start, replaceRange(start, end, inserted, insertionFormat(start)),
            static_cast<int>(inserted.size()), std::nullopt});
    m_selStart = normalized(start + inserted.size());
    m_selLength = 0;
    textWritten();
}

QString MemorySurface::replaceRange(int start, int end, const QString& text, FormatIndex format) {
    QString removed = m_text.mid(start, end - start);
    m_text.replace(start, end - start, text);
    const auto first = m_formatOf.begin() + start;
    m_formatOf.insert(m_formatOf.erase(first, m_formatOf.begin() + end), text.size(), format);
    return removed;
}

void MemorySurface::record(const Step& step) {
    m_undoSteps.push_back(step);
    m_redoSteps.clear();
}

// Puts the step's text back in place of what it replaced and returns the
// step that takes this back. The text put back takes the format that text
// inserted there would, so formatting done since stays.
MemorySurface::Step MemorySurface::revert(const Step& step) {
    const int end = step.start + step.length;
    Step back{step.start, replaceRange(step.start, end, step.text, insertionFormat(step.start)),
              static_cast<int>(step.text.size()), step.selectionBefore};
    m_selStart = normalized(step.start + step.text.size());
    m_selLength = 0;
    textWritten();
    return back;
}

void MemorySurface::undo() {
    if (m_undoSteps.empty())
        return;
    const Step step = m_undoSteps.back();
    m_undoSteps.pop_back();
    m_redoSteps.push_back(revert(step));
    if (step.selectionBefore)
        std::tie(m_selStart, m_selLength) = *step.selectionBefore;
}

void MemorySurface::redo() {
    if (m_redoSteps.empty())
        return;
    const Step step = m_redoSteps.back();
    m_redoSteps.pop_back();
    m_undoSteps.push_back(revert(step));
}

bool MemorySurface::isUndoAvailable() const {
    return !m_undoSteps.empty();
}

bool MemorySurface::isRedoAvailable() const {
    return !m_redoSteps.empty();
}

void MemorySurface::setTextLook(ColorValue color, bool bold, bool italic, const QString& fontName) {
    m_look.color = color;
    m_look.bold = bold;
    m_look.italic = italic;
    m_look.fontName = fontName;
    // Every mark goes, so no format but the look is left in use.
    resetFormats(m_look);
}

void MemorySurface::setTextFontSize(double points) {
    // Characters marked with a size of their own keep it.
    const double old = m_look.size;
    m_look.size = points;
    changeFormats(0, textLength(), [old, points](CharFormat& f) {
        if (f.size == old)
            f.size = points;
    });
}

ColorValue MemorySurface::selColor() const {
    return readFormat().color;
}

void MemorySurface::setSelColor(ColorValue color) {
    changeFormats(m_selStart, m_selLength, [color](CharFormat& f) { f.color = color; });
}

QString MemorySurface::selFontName() const {
    return readFormat().fontName;
}

void MemorySurface::setSelFontName(const QString& name) {
    changeFormats(m_selStart, m_selLength, [&name](CharFormat& f) { f.fontName = name; });
}

double MemorySurface::selFontSize() const {
    return readFormat().size;
}

void MemorySurface::setSelFontSize(double points) {
    changeFormats(m_selStart, m_selLength, [points](CharFormat& f) { f.size = points; });
}

bool MemorySurface::selBold() const {
    return readFormat().bold;
}

void MemorySurface::setSelBold(bool bold) {
    changeFormats(m_selStart, m_selLength, [bold](CharFormat& f) { f.bold = bold; });
}

bool MemorySurface::selItalic() const {
    return readFormat().italic;
}

void MemorySurface::setSelItalic(bool italic) {
    changeFormats(m_selStart, m_selLength, [italic](CharFormat& f) { f.italic = italic; });
}

void MemorySurface::setColorRuns(const std::vector<ColorRun>& runs) {
    // Each run is clipped as a selection of it would be.
    for (const ColorRun& run : runs) {
        const int start = normalized(run.start);
        const int end = normalized(qsizetype{run.start} + std::max(run.length, 0));
        changeFormats(start, end - start, [&run](CharFormat& f) { f.color = run.color; });
    }
}

ColorValue MemorySurface::backColor() const {
    return m_backColor;
}

void MemorySurface::setBackColor(ColorValue color) {
    m_backColor = color;
}

bool MemorySurface::isVisible() const {
    return m_visible;
}

void MemorySurface::setVisible(bool visible) {
    m_visible = visible;
}

int MemorySurface::lineFromPosition(int position) const {
    const int p = std::clamp(position, 0, textLength());
    const std::vector<int>& ends = breakEnds();
    // A break belongs to the line it ends, so only breaks wholly before p count.
    return static_cast<int>(std::lower_bound(ends.begin(), ends.end(), p) - ends.begin());
}

int MemorySurface::lineCount() const {
    return static_cast<int>(breakEnds().size()) + 1;
}

int MemorySurface::normalized(qsizetype position) const {
    const qsizetype p = std::clamp<qsizetype>(position, 0, m_text.size());
    const bool insidePair =
        p > 0 && p < m_text.size() && m_text[p - 1] == u'\r' && m_text[p] == u'\n';
    return static_cast<int>(insidePair ? p + 1 : p);
}

const MemorySurface::CharFormat& MemorySurface::readFormat() const {
    if (m_text.isEmpty())
        return m_look;
    if (m_selLength > 0 || m_selStart == 0)
        return m_formats[m_formatOf[m_selStart]];
    return m_formats[m_formatOf[m_selStart - 1]];
}

// Text inserted after a character takes its format (its marks); at the start
// it shows the look alone.
MemorySurface::FormatIndex MemorySurface::insertionFormat(int start) {
    if (start > 0)
        return m_formatOf[start - 1];
    return intern(m_look);
}

MemorySurface::FormatIndex MemorySurface::intern(const CharFormat& format) {
    const auto found = m_formatIndex.constFind(format);
    if (found != m_formatIndex.cend())
        return found.value();
    const auto index = static_cast<FormatIndex>(m_formats.size());
    m_formats.push_back(format);
    m_formatIndex.insert(format, index);
    return index;
}

void MemorySurface::resetFormats(const CharFormat& whole) {
    m_formats.clear();
    m_formatIndex.clear();
    intern(CharFormat{});
    m_formatOf.assign(m_text.size(), intern(whole));
}

void MemorySurface::compactFormats() {
    std::vector<FormatIndex> remap(m_formats.size(), 0);
    std::vector<CharFormat> used{m_formats[DefaultFormat]};
    for (FormatIndex& index : m_formatOf) {
        if (remap[index] == 0 && index != DefaultFormat) {
            remap[index] = static_cast<FormatIndex>(used.size());
            used.push_back(m_formats[index]);
        }
        index = remap[index];
    }
    m_formats.clear();
    m_formatIndex.clear();
    for (const CharFormat& format : used)
        intern(format);
    // Rebuilding costs a pass over the text, so wait until the table doubles.
    m_compactAt = std::max(MinCompactAt, 2 * m_formats.size());
}

template <typename Change>
MemorySurface::FormatIndex MemorySurface::changedFormat(FormatIndex index, Change change) {
    CharFormat format = m_formats[index];
    change(format);
    return intern(format);
}

template <typename Change> void MemorySurface::changeFormats(int start, int length, Change change) {
    if (length <= 0)
        return;
    // Formats no character uses any more pile up; drop them now and then.
    if (m_formats.size() > m_compactAt)
        compactFormats();
    // Each distinct format in the range is changed once, then reused; runs of
    // one format make the last answer the usual one.
    QHash<FormatIndex, FormatIndex> changed;
    constexpr FormatIndex None = ~FormatIndex{0};
    FormatIndex lastFrom = None;
    FormatIndex lastTo = None;
    const auto end = m_formatOf.begin() + start + length;
    for (auto it = m_formatOf.begin() + start; it != end; ++it) {
        if (*it != lastFrom) {
            lastFrom = *it;
            auto known = changed.find(lastFrom);
            if (known == changed.end())
                known = changed.insert(lastFrom, changedFormat(lastFrom, change));
            lastTo = known.value();
        }
        *it = lastTo;
    }
}

void MemorySurface::textWritten() {
    m_breaksKnown = false;
    Q_EMIT textChanged();
}

const std::vector<int>& MemorySurface::breakEnds() const {
    if (m_breaksKnown)
        return m_breakEnds;
    m_breakEnds.clear();
    const qsizetype n = m_text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = m_text[i];
        if (c == u'\r' && i + 1 < n && m_text[i + 1] == u'\n')
            ++i;
        if (c == u'\r' || c == u'\n')
            m_breakEnds.push_back(static_cast<int>(i));
    }
    m_breaksKnown = true;
    return m_breakEnds;
}
