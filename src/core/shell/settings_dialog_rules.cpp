#include "core/shell/settings_dialog_rules.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

bool isSkipped(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The text with the characters the number reader skips taken out.
QString withoutBlanks(const QString& text) {
    QString kept;
    for (const QChar c : text)
        if (!isSkipped(c))
            kept += c;
    return kept;
}

qsizetype digitsFrom(const QString& text, qsizetype at) {
    while (at < text.size() && text.at(at).isDigit() && text.at(at).unicode() < 128)
        ++at;
    return at;
}

// The decimal text of a size: whole numbers without a point, others with
// as many digits as they need.
QString decimalText(double value) {
    return QString::number(value, 'g', 15);
}

constexpr double Half = 0.5;
constexpr double Whole = 1.0;
constexpr double Edge = 1.5;
constexpr double Far = 2.975;

constexpr std::array<PlacementCell, 9> Cells = {{
    {u"Vlevo nahoře", {0, 0, Edge, Edge}, 0, 0, Half, Half, false},
    {u"Nahoře", {0, 0, Far, Edge}, 0, 0, Whole, Half, false},
    {u"Vpravo nahoře", {Edge, 0, Far - Edge, Edge}, Half, 0, Half, Half, false},
    {u"Vlevo", {0, 0, Edge, Far}, 0, 0, Half, Whole, false},
    {u"Maximalizace", {0, 0, Far, Far}, 0, 0, Whole, Whole, true},
    {u"Vpravo", {Edge, 0, Far - Edge, Far}, Half, 0, Half, Whole, false},
    {u"Vlevo dole", {0, Edge, Edge, Far - Edge}, 0, Half, Half, Half, false},
    {u"Dole", {0, Edge, Far, Far - Edge}, 0, Half, Whole, Half, false},
    {u"Vpravo dole", {Edge, Edge, Far - Edge, Far - Edge}, Half, Half, Half, Half, false},
}};

} // namespace

double LeadingNumber(const QString& text) {
    const QString s = withoutBlanks(text);
    qsizetype end = 0;
    if (end < s.size() && (s.at(end) == u'+' || s.at(end) == u'-'))
        ++end;
    const qsizetype mantissaStart = end;
    end = digitsFrom(s, end);
    if (end < s.size() && s.at(end) == u'.')
        end = digitsFrom(s, end + 1);
    if (end == mantissaStart || (end == mantissaStart + 1 && s.at(mantissaStart) == u'.'))
        return 0;
    QString number = s.left(end);
    if (end < s.size() && (s.at(end).toUpper() == u'E' || s.at(end).toUpper() == u'D')) {
        qsizetype exponent = end + 1;
        if (exponent < s.size() && (s.at(exponent) == u'+' || s.at(exponent) == u'-'))
            ++exponent;
        const qsizetype exponentEnd = digitsFrom(s, exponent);
        if (exponentEnd > exponent)
            number = s.left(end) + u'e' + s.mid(end + 1, exponentEnd - end - 1);
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

SizeBoxValue SettleSizeBox(const QString& typed) {
    // Each rewrite of the box is an edit of its own; a settled text is one
    // that the rules leave as it is.
    QString text = typed;
    for (;;) {
        // An empty text reads as 0.
        const double value = LeadingNumber(text);
        QString next = value < 1 ? QStringLiteral("1") : decimalText(value);
        if (next.size() >= 3)
            next = next.left(2);
        if (next == text)
            return {text, value};
        text = next;
    }
}

int WholePoints(double size) {
    return static_cast<int>(std::nearbyint(size));
}

int SnapBarValue(qint32 stored) {
    return std::clamp<qint32>(stored, SnapBarMinimum, SnapBarMaximum);
}

std::optional<PlacementCell> PlacementCellAt(double x, double y) {
    const double column = std::floor(x + 1);
    const double row = std::floor(y + 1);
    if (column < 1 || column > 3 || row < 1 || row > 3)
        return std::nullopt;
    return Cells.at(static_cast<std::size_t>((row - 1) * 3 + (column - 1)));
}

WindowPlacement PlacementOnScreen(const PlacementCell& cell, int screenWidth, int screenHeight) {
    const auto part = [](double fraction, int whole) {
        return static_cast<int>(std::nearbyint(fraction * whole));
    };
    return {part(cell.left, screenWidth), part(cell.top, screenHeight),
            part(cell.width, screenWidth), part(cell.height, screenHeight), cell.maximise};
}
