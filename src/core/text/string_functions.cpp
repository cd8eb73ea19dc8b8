#include "core/text/string_functions.h"

#include "core/text/ansi_code_page.h"
#include "core/text/morse_table.h"
#include "core/text/number_text.h"
#include "core/text/random_text.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

constexpr QChar Blank = u' ';

// The diacritics table: each character of the first text stands for the
// character at the same place in the second.
const QString DiacriticsFrom = QStringLiteral("áčďéěíňóřšťůúýžÁČĎÉĚÍŇÓŘŠŤŮÚÝŽäëöüÄËÖÜ");
const QString DiacriticsTo = QStringLiteral("acdeeinorstuuyzACDEEINORSTUUYZaeouAEOU");

// A character for each byte of the code page; characters outside the page
// pass unchanged, so one table read per character does a whole pass.
using ByteMap = std::array<QChar, 256>;

template <typename Convert> ByteMap BuildByteMap(Convert convert) {
    ByteMap map;
    for (int code = 0; code < 256; ++code)
        map[static_cast<std::size_t>(code)] = convert(Chr(code));
    return map;
}

QString ApplyByteMap(const QString& text, const ByteMap& map) {
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : text)
        *out++ = IsAnsiChar(c) ? map[static_cast<std::size_t>(Asc(c))] : c;
    return result;
}

QChar StripDiacritic(QChar c) {
    const qsizetype place = DiacriticsFrom.indexOf(c);
    return place < 0 ? c : DiacriticsTo.at(place);
}

bool IsPlainCapital(QChar c) {
    return c >= u'A' && c <= u'Z';
}

// A letter as the censor counts them, by byte of the code page.
const std::array<bool, 256>& CensoredLetters() {
    static const std::array<bool, 256> letters = [] {
        std::array<bool, 256> table{};
        for (int code = 0; code < 256; ++code)
            table[static_cast<std::size_t>(code)] =
                IsPlainCapital(StripDiacritic(AnsiUpper(Chr(code))));
        return table;
    }();
    return letters;
}

const QString HexDigits = QStringLiteral("0123456789ABCDEF");

// Every code of the text in digits of base, each left-padded to width, the
// groups joined by blanks.
QString TextToCodes(const QString& text, int base, int width) {
    if (text.isEmpty())
        return {};
    QString result(text.size() * (width + 1) - 1, Blank);
    QChar* out = result.data();
    for (const QChar c : text) {
        int code = Asc(c);
        for (int digit = width - 1; digit >= 0; --digit) {
            out[digit] = HexDigits.at(code % base);
            code /= base;
        }
        out += width + 1;
    }
    return result;
}

// The number that opens the group (a sign, digits and a decimal fraction),
// rounded to a whole number with halves to the even one; no number reads 0.
int LeadingDecimalValue(QStringView group) {
    qsizetype end = 0;
    const auto digitsFrom = [&group](qsizetype i) {
        while (i < group.size() && group.at(i).isDigit() && group.at(i).unicode() < 128)
            ++i;
        return i;
    };
    if (end < group.size() && (group.at(end) == u'+' || group.at(end) == u'-'))
        ++end;
    end = digitsFrom(end);
    if (end < group.size() && group.at(end) == u'.')
        end = digitsFrom(end + 1);
    bool ok = false;
    const double value = group.first(end).toDouble(&ok);
    return ok ? static_cast<int>(std::nearbyint(value)) : 0;
}

// The character of a code; a code beyond the code page stands for a
// character it lacks, which reads "?".
QChar CodeChar(int code) {
    return code >= 0 && code <= 255 ? Chr(code) : QChar(u'?');
}

// Blanks removed, the rest read width characters at a time, each group by
// value; leading blanks of the result trimmed.
QString CodesToText(const QString& codes, int width, int (*value)(QStringView)) {
    QString digits = codes;
    digits.remove(Blank);
    QString text;
    text.reserve(digits.size() / width + 1);
    for (qsizetype start = 0; start < digits.size(); start += width)
        text += CodeChar(value(QStringView(digits).mid(start, width)));
    const qsizetype firstKept =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c != Blank; }) -
        text.cbegin();
    text.remove(0, firstKept);
    return text;
}

const std::array<const char*, 128>& MorseCodes() {
    static const std::array<const char*, 128> codes = [] {
        std::array<const char*, 128> table{};
        for (const MorseEntry& entry : MorseTable)
            table[entry.character] = entry.code;
        return table;
    }();
    return codes;
}

// What each character ends as after the replacements of from by to (of the
// same length) in turn: a character changes at step i only while its image
// so far is from[i].
std::vector<char16_t> Translation(const QString& from, const QString& to) {
    std::vector<char16_t> image(0x10000);
    std::iota(image.begin(), image.end(), char16_t{0});
    for (const QChar start : from) {
        char16_t& end = image[start.unicode()];
        end = start.unicode();
        for (qsizetype i = 0; i < from.size(); ++i)
            if (end == from.at(i).unicode())
                end = to.at(i).unicode();
    }
    return image;
}

QString ApplyTranslation(const QString& text, const std::vector<char16_t>& image) {
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : text)
        *out++ = QChar(image[c.unicode()]);
    return result;
}

} // namespace

QString InvertCase(const QString& text) {
    static const ByteMap map =
        BuildByteMap([](QChar c) { return c.isLower() ? AnsiUpper(c) : AnsiLower(c); });
    return ApplyByteMap(text, map);
}

QString AlternateCase(const QString& text) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = i % 2 == 0 ? AnsiUpper(text.at(i)) : AnsiLower(text.at(i));
    return result;
}

QString RandomCase(const QString& text) {
    return RandomCase(text, RandomInt);
}

QString RandomCase(const QString& text, const std::function<int(int, int)>& draw) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = draw(1, 2) == 1 ? AnsiLower(text.at(i)) : AnsiUpper(text.at(i));
    return result;
}

QString CensorText(const QString& text) {
    const std::array<bool, 256>& letters = CensoredLetters();
    QString result = text;
    // Position i + 1 is even for odd indexes i.
    for (qsizetype i = 1; i < result.size(); i += 2) {
        const QChar c = result.at(i);
        if (IsAnsiChar(c) && letters[static_cast<std::size_t>(Asc(c))])
            result[i] = u'*';
    }
    return result;
}

QString TextToHexCodes(const QString& text) {
    return TextToCodes(text, 16, 2);
}

QString TextToAsciiCodes(const QString& text) {
    return TextToCodes(text, 10, 3);
}

QString HexCodesToText(const QString& codes) {
    return CodesToText(codes, 2, LeadingHexValue);
}

QString AsciiCodesToText(const QString& codes) {
    return CodesToText(codes, 3, LeadingDecimalValue);
}

std::optional<QString> TranslateChars(const QString& text, const QString& from, const QString& to) {
    if (from.size() != to.size())
        return std::nullopt;
    return ApplyTranslation(text, Translation(from, to));
}

QString StripDiacritics(const QString& text) {
    // Built once: the table is the same for every text.
    static const std::vector<char16_t> image = Translation(DiacriticsFrom, DiacriticsTo);
    return ApplyTranslation(text, image);
}

QString TextToMorse(const QString& text) {
    const QString plain = StripDiacritics(AnsiUpper(text));
    const std::array<const char*, 128>& codes = MorseCodes();
    QString result;
    result.reserve(plain.size() * 5);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (c == u'C' && i + 1 < plain.size() && plain.at(i + 1) == u'H') {
            result += QLatin1StringView(MorseCodeOfCh);
            ++i;
        } else if (c.unicode() < codes.size() && codes[c.unicode()] != nullptr) {
            result += QLatin1StringView(codes[c.unicode()]);
        } else {
            result += c;
        }
    }
    return result;
}

QString StripHtmlTags(const QString& text) {
    QString result;
    result.reserve(text.size());
    bool inTag = false;
    for (const QChar c : text) {
        if (inTag)
            inTag = c != u'>';
        else if (c == u'<')
            inTag = true;
        else
            result += c;
    }
    return result;
}

QString PrepareCipherText(const QString& text) {
    QString result = StripDiacritics(AnsiUpper(text));
    result.removeIf(
        [](QChar c) { return !IsPlainCapital(c) && c != Blank && c != u'\r' && c != u'\n'; });
    return result;
}

QString SortLines(const QString& text) {
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCollator collator(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // A key per line, so each comparison is a plain byte comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        keys.push_back(collator.sortKey(line));
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) {
        return keys[a].compare(keys[b]) < 0;
    });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const std::size_t index : order)
        sorted << lines.at(static_cast<qsizetype>(index));
    return sorted.join(QStringLiteral("\r\n"));
}
