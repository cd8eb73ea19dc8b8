#include "core/colour/colour_tools.h"

#include "core/text/random_text.h"

#include <algorithm>
#include <cmath>

namespace {

// Nearest whole number, an exact half going to the even neighbour (the
// default floating-point rounding mode).
[[nodiscard]] int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

[[nodiscard]] int clampChannel(int value) {
    return std::clamp(value, 0, 255);
}

[[nodiscard]] int truncatedMean(RgbChannels c) {
    return (c.red + c.green + c.blue) / 3;
}

template <class F> [[nodiscard]] RgbChannels eachChannel(RgbChannels c, F f) {
    return {f(c.red), f(c.green), f(c.blue)};
}

[[nodiscard]] ColourChannel channelFromLetter(QChar letter) {
    if (letter == u'G')
        return ColourChannel::Green;
    if (letter == u'B')
        return ColourChannel::Blue;
    return ColourChannel::Red;
}

// One channel of the gradient at 1-based x, y, from its two parameters.
[[nodiscard]] int gradientChannel(int a, int b, int x, int y) {
    const double value = std::abs((static_cast<double>(a - x) / GradientSize * 255) *
                                  (static_cast<double>(b - y) / GradientSize));
    return std::min(roundHalfEven(value), 255);
}

constexpr RgbChannels Palette[PaletteSize] = {
    {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},   {128, 0, 0}, {128, 0, 128},
    {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},     {0, 255, 0}, {0, 255, 255},
    {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
};

} // namespace

RgbChannels ChannelsOf(ColorValue color) {
    return {RedOf(color), GreenOf(color), BlueOf(color)};
}

ColorValue ColorOf(RgbChannels channels) {
    return channels.red + 256 * channels.green + 65536 * channels.blue;
}

int ChannelValue(RgbChannels channels, ColourChannel channel) {
    switch (channel) {
    case ColourChannel::Red:
        return channels.red;
    case ColourChannel::Green:
        return channels.green;
    case ColourChannel::Blue:
        return channels.blue;
    }
    return 0;
}

RgbChannels WithChannel(RgbChannels channels, ColourChannel channel, int value) {
    switch (channel) {
    case ColourChannel::Red:
        channels.red = value;
        break;
    case ColourChannel::Green:
        channels.green = value;
        break;
    case ColourChannel::Blue:
        channels.blue = value;
        break;
    }
    return channels;
}

RgbChannels LighterColor(RgbChannels c) {
    const int d = 255 - std::max({c.red, c.green, c.blue});
    return eachChannel(c, [d](int v) { return v + d; });
}

RgbChannels DarkerColor(RgbChannels c) {
    const int m = std::min({c.red, c.green, c.blue});
    return eachChannel(c, [m](int v) { return v - m; });
}

RgbChannels MiddleColor(RgbChannels c) {
    const int a = truncatedMean(c);
    return eachChannel(c, [a](int v) { return clampChannel(v + 128 - a); });
}

RgbChannels InvertedColor(RgbChannels c) {
    return eachChannel(c, [](int v) { return 255 - v; });
}

RgbChannels GreyColor(RgbChannels c) {
    const int a = truncatedMean(c);
    return {a, a, a};
}

RgbChannels RandomColor() {
    // Separate statements keep the draws in red, green, blue order.
    const int red = RandomInt(0, 255);
    const int green = RandomInt(0, 255);
    const int blue = RandomInt(0, 255);
    return {red, green, blue};
}

RgbChannels GammaDownColor(RgbChannels c) {
    return eachChannel(c, [](int v) { return roundHalfEven(v * 0.9); });
}

RgbChannels GammaUpColor(RgbChannels c) {
    return eachChannel(c, [](int v) {
        const double raised = v * 1.1;
        return raised <= 255 ? roundHalfEven(raised) : 255;
    });
}

RgbChannels ShiftedChannels(RgbChannels c) {
    return {c.green, c.blue, c.red};
}

RgbChannels ApplyColourTool(ColourTool tool, RgbChannels c) {
    switch (tool) {
    case ColourTool::Invert:
        return InvertedColor(c);
    case ColourTool::Grey:
        return GreyColor(c);
    case ColourTool::Random:
        return RandomColor();
    case ColourTool::GammaDown:
        return GammaDownColor(c);
    case ColourTool::GammaUp:
        return GammaUpColor(c);
    case ColourTool::ChannelShift:
        return ShiftedChannels(c);
    case ColourTool::Darker:
        return DarkerColor(c);
    case ColourTool::Middle:
        return MiddleColor(c);
    case ColourTool::Lighter:
        return LighterColor(c);
    }
    return c;
}

QStringList GradientPairItems() {
    return {QStringLiteral("R -> G"), QStringLiteral("R -> B"), QStringLiteral("G -> R"),
            QStringLiteral("G -> B"), QStringLiteral("B -> R"), QStringLiteral("B -> G")};
}

GradientPair GradientPairFromItem(const QString& item) {
    if (item.isEmpty())
        return {};
    return {channelFromLetter(item.front()), channelFromLetter(item.back())};
}

RgbChannels GradientColor(int slider, GradientPair pair, int column, int row) {
    // The from-channel has both parameters at the slider, the to-channel only
    // the second, the third channel neither.
    RgbChannels a;
    RgbChannels b;
    a = WithChannel(a, pair.from, slider);
    b = WithChannel(b, pair.from, slider);
    b = WithChannel(b, pair.to, slider);
    const int x = column + 1;
    const int y = row + 1;
    return {gradientChannel(a.red, b.red, x, y), gradientChannel(a.green, b.green, x, y),
            gradientChannel(a.blue, b.blue, x, y)};
}

int GradientPixelIndex(double position) {
    return roundHalfEven(std::clamp(position, 0.0, GradientSize - 1.0));
}

QString GradientReadoutTip(int x, int y, const QString& colourText) {
    return QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(colourText);
}

ColorValue PaletteColor(int index) {
    return ColorOf(Palette[std::clamp(index, 0, PaletteSize - 1)]);
}

int PaletteStepDown(int n) {
    return n < PaletteLastIndex ? n + 1 : n;
}

int PaletteStepUp(int n) {
    return n > 0 ? n - 1 : n;
}

std::pair<PaletteLabel, PaletteLabel> PaletteLabels(int n) {
    return {{QString::number(n), PaletteColor(n), PaletteColor(15 - n)},
            {QString::number(n + 1), PaletteColor(n + 1), PaletteColor(14 - n)}};
}
