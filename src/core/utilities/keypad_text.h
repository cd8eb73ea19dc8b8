#pragma once

#include <QString>

// The text of a box that only its keys change (the calculator's display, the
// converter's fields). Such a text is never empty: "0" stands for nothing.

// A key's character typed into text: it replaces a lone "0", otherwise it is
// appended.
[[nodiscard]] QString TypeKey(const QString& text, QChar key);

// The text without its last character; "0" when nothing is left.
[[nodiscard]] QString DropLastCharacter(const QString& text);

// The text without its first character; "0" when nothing is left.
[[nodiscard]] QString DropFirstCharacter(const QString& text);
