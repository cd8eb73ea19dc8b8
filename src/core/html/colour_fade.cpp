#include "core/html/colour_fade.h"

#include "core/colour/colour_text.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

int blend(int from, int to, int step, int steps) {
    const double n = steps;
    // std::nearbyint rounds a half to the even neighbour.
    return static_cast<int>(
        std::nearbyint((n - step) / n * from + static_cast<double>(step) / n * to));
}

QString openTag(const QString& colour) {
    return u"<FONT COLOR=\""_s + colour + u"\">"_s;
}

} // namespace

ColorValue FadeColour(ColorValue from, ColorValue to, int step, int steps) {
    return RgbColor(blend(RedOf(from), RedOf(to), step, steps),
                    blend(GreenOf(from), GreenOf(to), step, steps),
                    blend(BlueOf(from), BlueOf(to), step, steps));
}

QStringList FadeStops(ColorValue from, ColorValue to, int steps) {
    QStringList stops;
    for (int k = 0; k <= steps; ++k)
        stops << ColorToHex(FadeColour(from, to, k, steps));
    // From the end, so each stop is compared with its neighbour before that
    // neighbour is itself emptied.
    for (int k = steps; k >= 1; --k) {
        if (stops[k] == stops[k - 1])
            stops[k].clear();
    }
    return stops;
}

QStringList FadeUnits(const QString& text, bool byLines) {
    if (byLines)
        return text.split(u"\r\n"_s);
    QStringList units;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool crLf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        units << text.mid(i, crLf ? 2 : 1);
        if (crLf)
            ++i;
    }
    return units;
}

std::optional<QString> ColourFadeText(const QString& text, ColorValue from, ColorValue to,
                                      bool byLines) {
    if (text.isEmpty())
        return std::nullopt;
    const QStringList units = FadeUnits(text, byLines);
    const auto steps = static_cast<int>(units.size());
    const QStringList stops = FadeStops(from, to, steps);
    QString out = openTag(stops[0]);
    for (int k = 1; k <= steps; ++k) {
        out += units[k - 1];
        if (!stops[k].isEmpty())
            out += u"</FONT>"_s + openTag(stops[k]);
        if (byLines)
            out += u"\r\n"_s;
    }
    return out + u"</FONT>"_s;
}

QVector<ColorValue> FadeColumns(ColorValue from, ColorValue to, int width) {
    QVector<ColorValue> columns;
    if (width <= 0)
        return columns;
    columns.reserve(width + 1);
    for (int x = 0; x <= width; ++x)
        columns << FadeColour(from, to, x, width);
    return columns;
}
