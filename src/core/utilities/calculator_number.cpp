#include "core/utilities/calculator_number.h"

#include "core/text/number_text.h"
#include "core/text/program_error.h"
#include "core/utilities/calculator_errors.h"

#include <QRegularExpression>
#include <array>
#include <charconv>
#include <cmath>

QString FormatCalculatorNumber(double value, int digits) {
    // Negative zero is written as plain zero.
    if (value == 0)
        return QStringLiteral("0");
    // The shortest general form, like printf's %G: exponent form once the
    // exponent reaches the number of digits or falls below -4.
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, digits);
    QString text = QString::fromLatin1(buffer.data(), written.ptr - buffer.data());
    text.replace(u'.', u',');
    text.replace(u'e', u'E');
    return text;
}

double ReadCalculatorNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^(-?)(\d*)(?:,(\d*))?(?:E([+-]?\d+))?$)"));
    const QRegularExpressionMatch parts = number.match(text);
    if (!parts.hasMatch() || parts.captured(2).size() + parts.captured(3).size() == 0)
        throw ProgramError(TypeMismatchErrorNumber,
                           QStringLiteral("Na displeji není číslo: \"%1\"").arg(text),
                           CalculatorErrorSource);
    // The same number in the C form, every part present: "-0" + "12" + "." + "5" + "0" + "e0".
    const QString plain = parts.captured(1) + u'0' + parts.captured(2) + u'.' + parts.captured(3) +
                          QStringLiteral("0e") +
                          (parts.captured(4).isEmpty() ? QStringLiteral("0") : parts.captured(4));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (std::isinf(value))
        throw ProgramError(OverflowErrorNumber,
                           QStringLiteral("Číslo na displeji je příliš velké: \"%1\"").arg(text),
                           CalculatorErrorSource);
    // Not ok and finite: too small for a double, which reads as zero.
    return ok ? value : 0;
}
