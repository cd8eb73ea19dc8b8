#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The five code pages Czech texts arrive in, by the index the conversion
// takes: 1 DOS 852, 2 Windows-1250, 3 Kamenický, 4 KOI8-CS, 5 Macintosh
// Central European.
inline constexpr int CzechCodePageCount = 5;

// The caption of each page as the user chooses it; index 1 at [0].
extern const std::array<const char16_t*, CzechCodePageCount> CzechCodePageCaptions;

// One of the 30 Czech accented letters and its code in each page (index 1
// at [0]). Each page's column holds 30 different codes.
struct CzechLetterCodes {
    char16_t letter;
    std::array<std::uint8_t, CzechCodePageCount> codes;
};
inline constexpr int CzechLetterCount = 30;
extern const std::array<CzechLetterCodes, CzechLetterCount> CzechLetterTable;

// The text, read as the program's codes, with the 30 letters moved from
// their codes in page fromPage to their codes in page toPage. Every other
// code passes unchanged, even where it then shares a code with a moved
// letter, and so do code 0 and characters without a code. The same page on
// both sides, or an index outside 1 to 5, gives the text unchanged.
[[nodiscard]] QString ConvertCzechCodePage(const QString& text, int fromPage, int toPage);
