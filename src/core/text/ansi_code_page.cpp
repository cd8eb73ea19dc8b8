#include "core/text/ansi_code_page.h"

#include "core/text/ansi_code_page_table.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::uint8_t kQuestionMark = 63;

// Byte of every UTF-16 code unit; 63 ("?") for one outside the code page.
// 64 KB built once, so encoding costs one array read per character.
using ReverseTable = std::array<std::uint8_t, 0x10000>;

[[nodiscard]] const ReverseTable& Bytes() {
    static const ReverseTable table = [] {
        ReverseTable t;
        t.fill(kQuestionMark);
        for (int b = 0; b < 256; ++b)
            t[kWindows1250Characters[b]] = static_cast<std::uint8_t>(b);
        return t;
    }();
    return table;
}

[[nodiscard]] bool InPage(const ReverseTable& bytes, QChar c) {
    return bytes[c.unicode()] != kQuestionMark || c == u'?';
}

// Byte to byte case maps: a byte whose other case is missing from the code
// page, or is not a single character, maps to itself.
using CaseTable = std::array<std::uint8_t, 256>;

template <typename Convert> [[nodiscard]] CaseTable BuildCaseTable(Convert convert) {
    const ReverseTable& bytes = Bytes();
    CaseTable t;
    for (int b = 0; b < 256; ++b) {
        const QChar converted = convert(QChar(kWindows1250Characters[b]));
        t[b] = InPage(bytes, converted) ? bytes[converted.unicode()] : static_cast<std::uint8_t>(b);
    }
    return t;
}

[[nodiscard]] const CaseTable& UpperBytes() {
    static const CaseTable table = BuildCaseTable([](QChar c) { return c.toUpper(); });
    return table;
}

[[nodiscard]] const CaseTable& LowerBytes() {
    static const CaseTable table = BuildCaseTable([](QChar c) { return c.toLower(); });
    return table;
}

// A character outside the code page stays as it is.
[[nodiscard]] QChar MapCase(QChar c, const ReverseTable& bytes, const CaseTable& table) {
    if (!InPage(bytes, c))
        return c;
    return QChar(kWindows1250Characters[table[bytes[c.unicode()]]]);
}

[[nodiscard]] QString MapCase(const QString& text, const CaseTable& table) {
    const ReverseTable& bytes = Bytes();
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : text)
        *out++ = MapCase(c, bytes, table);
    return result;
}

} // namespace

QString DecodeAnsi(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes)
        *out++ = QChar(kWindows1250Characters[static_cast<unsigned char>(b)]);
    return text;
}

QByteArray EncodeAnsi(const QString& text) {
    const ReverseTable& bytes = Bytes();
    QByteArray result(text.size(), Qt::Uninitialized);
    char* out = result.data();
    for (const QChar c : text)
        *out++ = static_cast<char>(bytes[c.unicode()]);
    return result;
}

bool IsAnsiChar(QChar c) {
    return InPage(Bytes(), c);
}

QString ReplaceNonAnsi(const QString& text) {
    const ReverseTable& bytes = Bytes();
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : text)
        *out++ = InPage(bytes, c) ? c : QChar(u'?');
    return result;
}

int Asc(QChar c) {
    return Bytes()[c.unicode()];
}

QChar Chr(int code) {
    return QChar(kWindows1250Characters[code & 0xFF]);
}

QChar AnsiUpper(QChar c) {
    return MapCase(c, Bytes(), UpperBytes());
}

QChar AnsiLower(QChar c) {
    return MapCase(c, Bytes(), LowerBytes());
}

QString AnsiUpper(const QString& text) {
    return MapCase(text, UpperBytes());
}

QString AnsiLower(const QString& text) {
    return MapCase(text, LowerBytes());
}

bool IsNotLower(const QString& text) {
    if (text.isEmpty())
        return true;
    return !Chr(Asc(text.front())).isLower();
}
