#include "core/utilities/czech_code_pages.h"

#include "core/text/ansi_code_page.h"

namespace {

bool IsPage(int index) {
    return index >= 1 && index <= CzechCodePageCount;
}

} // namespace

QString ConvertCzechCodePage(const QString& text, int fromPage, int toPage) {
    if (!IsPage(fromPage) || !IsPage(toPage) || fromPage == toPage)
        return text;
    // The new character of each code that moves; 0 for a code that stays.
    std::array<char16_t, 256> moved{};
    for (const CzechLetterCodes& row : CzechLetterTable) {
        const std::uint8_t from = row.codes[static_cast<std::size_t>(fromPage - 1)];
        const std::uint8_t to = row.codes[static_cast<std::size_t>(toPage - 1)];
        if (from != to)
            moved[from] = Chr(to).unicode();
    }
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    // A character without a code reads as "?", which never moves, so it stays.
    for (const QChar c : text) {
        const char16_t to = moved[static_cast<std::size_t>(Asc(c))];
        *out++ = to != 0 ? QChar(to) : c;
    }
    return result;
}
