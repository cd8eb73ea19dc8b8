#pragma once

#include <QRect>
#include <QString>
#include <array>

// The on-screen keyboard: a Czech typewriter layout of 64 character keys,
// each typing exactly its caption, beside the keys that type or do something
// else (Tab, Caps, both Shifts, both Enters, Esc). Places are in twips on a
// grid with a pitch of 360 twips.
inline constexpr int KeyboardCharacterKeys = 64;
inline constexpr int KeyPitch = 360;

struct KeyboardKey {
    // The control's name; the character keys share theirs and differ by index.
    QString name;
    QString caption;
    QRect place;
};

// The character keys by their index.
[[nodiscard]] const std::array<KeyboardKey, KeyboardCharacterKeys>& CharacterKeys();

// The other keys, by the control's name.
[[nodiscard]] KeyboardKey FunctionKey(const QString& name);
// The keyboard's whole size in twips.
[[nodiscard]] QSize KeyboardSize();

// What a key click types: the caption, in capitals while Shift is down
// (accented Czech letters included; digits and signs stay as they are).
[[nodiscard]] QString KeyText(const QString& caption, bool shift);
