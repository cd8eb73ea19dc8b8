#pragma once

#include <array>

// The character of every byte of Windows-1250, indexed by the byte.
extern const std::array<char16_t, 256> kWindows1250Characters;
