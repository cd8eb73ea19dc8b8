#pragma once

#include <QString>
#include <optional>

// The code table shows the 256 codes of the ANSI code page as 16 rows of 16
// cells; the code of row r, column c is r * 16 + c.
inline constexpr int CodeTableSide = 16;

// The read-outs of one code: decimal, two-digit upper-case hexadecimal, the
// HTML numeric reference and eight binary digits.
struct CodeForms {
    QString decimal;
    QString hexadecimal;
    QString html;
    QString binary;

    friend bool operator==(const CodeForms&, const CodeForms&) = default;
};

[[nodiscard]] CodeForms FormsOfCode(int code);

// "&#" code ";": how an HTML page writes the character of a code.
[[nodiscard]] QString HtmlCharacterReference(int code);

// A number as the scroll bar's read-out shows it: a blank before a number
// that is not negative (65 -> " 65"), the minus sign otherwise.
[[nodiscard]] QString SignedNumberText(int number);

// The code of the cell under a point given in cells (x to the right, y down);
// nothing for a point outside the 16 by 16 cells.
[[nodiscard]] std::optional<int> CodeAtCell(double x, double y);

// The text a code puts into the document or the collecting box: its
// character; nothing for code 0, which has none to give.
[[nodiscard]] QString CharacterOfCode(int code);
