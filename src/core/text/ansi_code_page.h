#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// The program's ANSI code page, Windows-1250. Every byte maps to one
// character and back, so files of any bytes survive a read and a write: the
// five bytes Windows-1250 leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98)
// map to the control characters of the same number.

// Bytes to text, one character per byte.
[[nodiscard]] QString DecodeAnsi(const QByteArray& bytes);
// Text to bytes; a character outside the code page becomes "?" (63).
[[nodiscard]] QByteArray EncodeAnsi(const QString& text);

// True when the character has a byte of its own in the code page.
[[nodiscard]] bool IsAnsiChar(QChar c);
// The text with every character outside the code page replaced by "?".
[[nodiscard]] QString ReplaceNonAnsi(const QString& text);

// A character's code 0..255; 63 for a character outside the code page.
[[nodiscard]] int Asc(QChar c);
// The character of a code; only the low byte of the code counts.
[[nodiscard]] QChar Chr(int code);

// Case conversion inside the code page: a character whose other case is
// missing from the code page, or is more than one character, stays as it is,
// so the length never changes.
[[nodiscard]] QChar AnsiUpper(QChar c);
[[nodiscard]] QChar AnsiLower(QChar c);
[[nodiscard]] QString AnsiUpper(const QString& text);
[[nodiscard]] QString AnsiLower(const QString& text);

// True unless the first character is a lower-case letter of the code page.
// An empty text gives true.
[[nodiscard]] bool IsNotLower(const QString& text);
