#pragma once

#include <array>

// One character's Morse code; each code already ends with its closing "/".
struct MorseEntry {
    char16_t character;
    const char* code;
};

// The letters, digits and signs that have a code; the Czech letter CH is
// handled apart, since it is two characters.
extern const std::array<MorseEntry, 46> MorseTable;

// The code of CH, which takes both characters.
inline constexpr const char* MorseCodeOfCh = "----/";
