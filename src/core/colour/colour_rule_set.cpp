#include "core/colour/colour_rule_set.h"

#include "core/colour/colour_text.h"
#include "core/text/ansi_code_page.h"

#include <QtEndian>

namespace {

constexpr qsizetype FirstTextOffset = 4;
constexpr qsizetype SecondTextOffset = FirstTextOffset + ColorRuleTextSize;
constexpr qsizetype BackgroundLength = 7; // #RRGGBB
constexpr char Padding = ' ';

[[nodiscard]] QByteArray PaddedText(const QString& text, qsizetype size) {
    QByteArray bytes = EncodeAnsi(text.left(size));
    bytes.append(size - bytes.size(), Padding);
    return bytes;
}

[[nodiscard]] QByteArray Record(ColorValue color, const QString& first, const QString& second) {
    QByteArray record(4, '\0');
    qToLittleEndian<qint32>(color, record.data());
    record += PaddedText(first, ColorRuleTextSize);
    record += PaddedText(second, ColorRuleTextSize);
    return record;
}

[[nodiscard]] QString HeaderSecondText(const ColorRuleSet& set) {
    return set.Author.left(ColorRuleAuthorSize).leftJustified(ColorRuleAuthorSize, Padding) +
           ColorToHex(set.DefaultBackground) + QLatin1Char(Padding);
}

[[nodiscard]] QString TrimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(Padding))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(Padding))
        --end;
    return text.mid(begin, end - begin);
}

// One record cut out of the file, still padded.
struct RawRecord {
    ColorValue color = 0;
    QString first;
    QString second;
};

[[nodiscard]] RawRecord ReadRecord(const QByteArray& bytes, qsizetype offset) {
    const char* data = bytes.constData() + offset;
    return {qFromLittleEndian<qint32>(data),
            DecodeAnsi(QByteArray(data + FirstTextOffset, ColorRuleTextSize)),
            DecodeAnsi(QByteArray(data + SecondTextOffset, ColorRuleTextSize))};
}

} // namespace

QByteArray EncodeColorRuleSet(const ColorRuleSet& set) {
    QByteArray bytes;
    bytes.reserve((set.Rules.size() + 1) * ColorRuleRecordSize);
    bytes += Record(set.DefaultTextColor, set.Description, HeaderSecondText(set));
    for (const ColorRule& rule : set.Rules)
        bytes += Record(rule.Color, rule.StartText, rule.EndText);
    return bytes;
}

std::optional<ColorRuleSet> DecodeColorRuleSet(const QByteArray& bytes) {
    if (bytes.size() < ColorRuleRecordSize)
        return std::nullopt;
    const qsizetype records = bytes.size() / ColorRuleRecordSize;
    ColorRuleSet set;
    const RawRecord header = ReadRecord(bytes, 0);
    set.DefaultTextColor = header.color;
    set.Description = TrimSpaces(header.first);
    set.Author = TrimSpaces(header.second.left(ColorRuleAuthorSize));
    set.DefaultBackground = HexToColor(header.second.mid(ColorRuleAuthorSize, BackgroundLength));
    for (qsizetype k = 1; k < records; ++k) {
        const RawRecord raw = ReadRecord(bytes, k * ColorRuleRecordSize);
        set.Rules.append({raw.color, TrimSpaces(raw.first), TrimSpaces(raw.second)});
    }
    return set;
}

QString ColorSetPath(const QString& path) {
    const QString extension = QStringLiteral(".rqc");
    return path.endsWith(extension, Qt::CaseSensitive) ? path : path + extension;
}
