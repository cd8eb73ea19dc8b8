#pragma once

#include <QString>
#include <array>

// The menus of the Morse window that insert one code each, left to right;
// the shortened digits are a submenu of the digits.
enum class MorseMenu { Letter, Digit, ShortDigit, Sign, Signal };

// One item that puts a fixed code into the document.
struct MorseItem {
    MorseMenu menu;
    // The item's control name.
    const char16_t* name;
    const char16_t* caption;
    // The code it inserts; null for a letter or digit, whose code is its
    // character's in the Morse table (CH has its own).
    const char16_t* code;
};

inline constexpr int MorseItemCount = 63;
// In the order the menus show them.
extern const std::array<MorseItem, MorseItemCount> MorseItems;

// What the item inserts: a code closed by "/", never a blank or line end.
[[nodiscard]] QString MorseItemCode(const MorseItem& item);
