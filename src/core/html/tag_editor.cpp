#include "core/html/tag_editor.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

// Reads the attribute text of a tag, after its name, left to right.
class AttributeReader {
public:
    explicit AttributeReader(const QString& text) : m_text(text) {}

    void read(TagParts& parts) {
        // The blank after the tag's name.
        bool blankBefore = true;
        while (true) {
            blankBefore = skipBlanks() || blankBefore;
            if (atEnd())
                return;
            if (isClosingSlash(m_at)) {
                parts.ending = blankBefore ? u" /"_s : u"/"_s;
                return;
            }
            blankBefore = readAttribute(parts.pairs);
        }
    }

private:
    // What a bare word that follows may still join.
    enum class Open { Nothing, Value, Name };

    [[nodiscard]] bool atEnd() const { return m_at >= m_text.size(); }

    bool skipBlanks() {
        const qsizetype from = m_at;
        while (!atEnd() && isBlank(m_text[m_at]))
            ++m_at;
        return m_at > from;
    }

    // A "/" with nothing but blanks after it closes an empty element.
    [[nodiscard]] bool isClosingSlash(qsizetype at) const {
        if (m_text[at] != u'/')
            return false;
        return std::all_of(m_text.begin() + at + 1, m_text.end(), isBlank);
    }

    // True when it read the blanks after a bare word.
    bool readAttribute(QList<AttributePair>& pairs) {
        const qsizetype nameStart = m_at;
        while (!atEnd() && !isBlank(m_text[m_at]) && m_text[m_at] != u'=' && !isClosingSlash(m_at))
            ++m_at;
        const QString name = m_text.mid(nameStart, m_at - nameStart);
        const bool blankAfter = skipBlanks();
        if (!atEnd() && m_text[m_at] == u'=') {
            ++m_at;
            readValue(pairs, name);
            return false;
        }
        addBareWord(pairs, QString(name).remove(u'"'));
        return blankAfter;
    }

    void readValue(QList<AttributePair>& pairs, const QString& name) {
        skipBlanks();
        m_open = Open::Nothing;
        if (atEnd()) {
            pairs.append({name, QString()});
            return;
        }
        const QChar first = m_text[m_at];
        if (first == u'"' || first == u'\'') {
            const qsizetype close = m_text.indexOf(first, m_at + 1);
            const qsizetype end = close < 0 ? m_text.size() : close;
            pairs.append({name, m_text.mid(m_at + 1, end - m_at - 1)});
            m_at = close < 0 ? end : end + 1;
            return;
        }
        const qsizetype start = m_at;
        while (!atEnd() && !isBlank(m_text[m_at]))
            ++m_at;
        pairs.append({name, m_text.mid(start, m_at - start)});
        m_open = Open::Value;
    }

    void addBareWord(QList<AttributePair>& pairs, const QString& word) {
        if (m_open == Open::Value) {
            pairs.last().value += u' ' + word;
        } else if (m_open == Open::Name) {
            pairs.last().name += u' ' + word;
        } else {
            pairs.append({word, u"True"_s});
            m_open = pairs.size() == 1 ? Open::Name : Open::Nothing;
        }
    }

    const QString& m_text;
    qsizetype m_at = 0;
    Open m_open = Open::Nothing;
};

QChar quoteFor(const QString& value) {
    return value.contains(u'"') && !value.contains(u'\'') ? u'\'' : u'"';
}

} // namespace

std::optional<TagSpan> FindTagAt(const QString& text, int caret) {
    if (text.isEmpty() || caret < 0)
        return std::nullopt;
    const qsizetype start = text.lastIndexOf(u'<', std::min<qsizetype>(caret, text.size() - 1));
    if (start < 0)
        return std::nullopt;
    const qsizetype end = text.indexOf(u'>', start);
    if (end < 0)
        return std::nullopt;
    return TagSpan{int(start), int(end - start + 1)};
}

TagParts SplitTag(const QString& tag) {
    QString inner = tag.mid(1);
    if (inner.endsWith(u'>'))
        inner.chop(1);
    TagParts parts;
    const qsizetype blank = std::find_if(inner.begin(), inner.end(), isBlank) - inner.begin();
    if (inner.startsWith(u'!') || inner.startsWith(u'?') || blank == inner.size()) {
        parts.name = inner;
        return parts;
    }
    // Up to the first blank the name holds none to trim; other white space,
    // such as a no-break space, is the name's own.
    parts.name = inner.left(blank);
    const QString attributes = inner.mid(blank + 1);
    AttributeReader(attributes).read(parts);
    return parts;
}

QString BuildTag(const TagParts& parts) {
    QString tag = u'<' + parts.name;
    for (const AttributePair& pair : parts.pairs) {
        const QChar quote = quoteFor(pair.value);
        tag += u' ' + pair.name + u'=' + quote + pair.value + quote;
    }
    return tag + parts.ending + u'>';
}
