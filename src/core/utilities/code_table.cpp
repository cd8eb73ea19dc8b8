#include "core/utilities/code_table.h"

#include "core/text/ansi_code_page.h"
#include "core/text/number_text.h"

#include <cmath>

CodeForms FormsOfCode(int code) {
    return {.decimal = QString::number(code),
            .hexadecimal = QString::number(code, 16).toUpper().rightJustified(2, u'0'),
            .html = HtmlCharacterReference(code),
            .binary = NumberToBin(code).rightJustified(8, u'0')};
}

QString HtmlCharacterReference(int code) {
    return QStringLiteral("&#") + QString::number(code) + u';';
}

QString SignedNumberText(int number) {
    return number < 0 ? QString::number(number) : u' ' + QString::number(number);
}

std::optional<int> CodeAtCell(double x, double y) {
    // floor, not truncation: a point just left of or above the table is outside it.
    const double column = std::floor(x);
    const double row = std::floor(y);
    const bool inside = column >= 0 && row >= 0 && column < CodeTableSide && row < CodeTableSide;
    if (!inside)
        return std::nullopt;
    return static_cast<int>(row) * CodeTableSide + static_cast<int>(column);
}

QString CharacterOfCode(int code) {
    if (code <= 0 || code > 255)
        return QString();
    return QString(Chr(code));
}
