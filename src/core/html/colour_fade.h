#pragma once

#include "core/colour/colour_value.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// A colour gradient over text: FONT tags that step from one colour to
// another, unit by unit, and the strip that previews it.

// The colour a fraction step / steps of the way from one colour to the
// other, each channel rounded to the nearest whole number (a half to the
// even neighbour). steps must be above 0.
[[nodiscard]] ColorValue FadeColour(ColorValue from, ColorValue to, int step, int steps);

// The steps + 1 stops from one colour to the other as "#RRGGBB", each stop
// that repeats the one before it emptied.
[[nodiscard]] QStringList FadeStops(ColorValue from, ColorValue to, int steps);

// The units a gradient steps over. By character a CR LF pair is one unit, so
// no tag lands between its halves; by line the text splits at every CR LF
// (a text ending in CR LF has an empty last line).
[[nodiscard]] QStringList FadeUnits(const QString& text, bool byLines);

// The text coloured from one colour to the other: each unit in the colour of
// its stop, the last stop opening an empty FONT after it; by line each line
// is followed by CR LF. Nothing for an empty text, which has no units to
// colour.
[[nodiscard]] std::optional<QString> ColourFadeText(const QString& text, ColorValue from,
                                                    ColorValue to, bool byLines);

// The colour of each pixel column 0 to width of the preview strip; none for
// a strip without width.
[[nodiscard]] QVector<ColorValue> FadeColumns(ColorValue from, ColorValue to, int width);
