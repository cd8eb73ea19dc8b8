#pragma once

#include "core/text/random_generator.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

// The cipher of random bit codes. Each of 29 symbols (A to Z, the blank, CR
// and LF) has a code of Depth characters "0" and "1"; each bit of a coded
// symbol is written as a random letter of the group that stands for it, so
// the cipher text is capital letters only, Depth letters per symbol.

inline constexpr int CipherSymbolCount = 29;
inline constexpr int SmallestCipherDepth = 8;
inline constexpr int LargestCipherDepth = 64;

struct CipherTable {
    // The code of symbol i + 1: 1 to 26 the letters A to Z, 27 the blank,
    // 28 CR, 29 LF.
    std::array<QString, CipherSymbolCount> Codes;
    int Depth = 0;
    // The letters that stand for 1 and for 0, in alphabetical order.
    QString OneLetters;
    QString ZeroLetters;
    QString Note;

    friend bool operator==(const CipherTable&, const CipherTable&) = default;
};

// Draws the 29 codes anew, each of depth random bits and different from the
// codes before it, and sets the depth.
void DrawCipherCodes(CipherTable& table, int depth, RandomGenerator& generator = Rnd());
// Draws the letter groups anew, one bit per letter A to Z; a drawing that
// leaves a group empty is drawn again, since a cipher with an empty group
// loses the bits it stands for.
void DrawLetterGroups(CipherTable& table, RandomGenerator& generator = Rnd());

// The lines of the code list: the depth, then each symbol with its code.
[[nodiscard]] QStringList CipherCodeLines(const CipherTable& table);
// The lines of the group list: "0 : X" for each zero letter, "-----", then
// "1 : X" for each one letter.
[[nodiscard]] QStringList LetterGroupLines(const CipherTable& table);

// The balance of the table: coefficient A compares the two groups' sizes,
// coefficient B the ones and zeros among the first countedPositions
// characters of each code; each is |x / y - 1| + 1, 1 for perfect balance,
// shown with five decimals and their product with nine, in the locale's
// decimal separator. A coefficient with nothing to divide by shows
// "nekonečno" (or "neurčitý" for 0 / 0), and so does the product.
[[nodiscard]] QString CipherStatistics(const CipherTable& table, int countedPositions,
                                       const QLocale& locale = QLocale());

// The symbols of prepared (A to Z, blank, CR, LF; anything else is skipped),
// each written as Depth random letters of the groups its code's bits pick:
// "0" the zero group, anything else (also a bit past the code's end) the one
// group. One draw per letter; an empty group gives no letter.
[[nodiscard]] QString RndEncrypt(const QString& prepared, const CipherTable& table,
                                 RandomGenerator& generator = Rnd());
// The symbols back: each character is a 0 when it is a zero letter, else a 1;
// each Depth bits (the last chunk may be shorter) are the symbol of the last
// code containing them, or the symbol before when none does.
[[nodiscard]] QString RndDecrypt(const QString& text, const CipherTable& table);
