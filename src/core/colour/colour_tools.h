#pragma once

#include "core/colour/colour_value.h"

#include <QString>
#include <QStringList>
#include <utility>

// The arithmetic of the colour picker: its one-click tools, its two-channel
// gradient, its 16-colour palette and its pointer read-out. Channel values
// are whole numbers 0 to 255.

struct RgbChannels {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const RgbChannels&, const RgbChannels&) = default;
};

enum class ColourChannel { Red, Green, Blue };

// The channels of a plain colour (its three low bytes); a value outside 0 to
// FFFFFF, such as a system colour, gives the channels of its low 24 bits.
[[nodiscard]] RgbChannels ChannelsOf(ColorValue color);
// red + 256 * green + 65536 * blue.
[[nodiscard]] ColorValue ColorOf(RgbChannels channels);

[[nodiscard]] int ChannelValue(RgbChannels channels, ColourChannel channel);
// The channels with one of them replaced.
[[nodiscard]] RgbChannels WithChannel(RgbChannels channels, ColourChannel channel, int value);

// The tools. Each takes what it needs (maximum, minimum or mean) from the
// channels before it changes any of them.

// Raises every channel by the same amount until the strongest reaches 255.
[[nodiscard]] RgbChannels LighterColor(RgbChannels c);
// Lowers every channel by the same amount until the weakest reaches 0.
[[nodiscard]] RgbChannels DarkerColor(RgbChannels c);
// Shifts the channels so their truncated mean becomes 128, clipped to 0..255.
[[nodiscard]] RgbChannels MiddleColor(RgbChannels c);
[[nodiscard]] RgbChannels InvertedColor(RgbChannels c);
// All three channels become their truncated mean.
[[nodiscard]] RgbChannels GreyColor(RgbChannels c);
// Three draws of RandomInt(0, 255), for red, green and blue in that order.
[[nodiscard]] RgbChannels RandomColor();
// Each channel times 0.9, rounded half to even.
[[nodiscard]] RgbChannels GammaDownColor(RgbChannels c);
// Each channel times 1.1, rounded half to even; 255 where the product passes 255.
[[nodiscard]] RgbChannels GammaUpColor(RgbChannels c);
// Red takes green, green takes blue, blue takes red.
[[nodiscard]] RgbChannels ShiftedChannels(RgbChannels c);

enum class ColourTool {
    Invert,
    Grey,
    Random,
    GammaDown,
    GammaUp,
    ChannelShift,
    Darker,
    Middle,
    Lighter,
};

// The tool applied to the channels; Random ignores them and draws.
[[nodiscard]] RgbChannels ApplyColourTool(ColourTool tool, RgbChannels c);

// The gradient: a square of GradientSize pixels whose colour depends on a
// brightness S (128 to 255) and an ordered pair of channels. Along x the
// from-channel fades, along y both from- and to-channel fade; the third
// channel grows toward the bottom-right corner.
inline constexpr int GradientSize = 128;
inline constexpr int GradientSliderMin = 128;
inline constexpr int GradientSliderMax = 255;

struct GradientPair {
    ColourChannel from = ColourChannel::Red;
    ColourChannel to = ColourChannel::Blue;
};

// The six choices of the pair list, in list order: "R -> G", "R -> B", ...
[[nodiscard]] QStringList GradientPairItems();
// The pair an item names: its first character is the from-channel, its last
// the to-channel. An unknown letter counts as red.
[[nodiscard]] GradientPair GradientPairFromItem(const QString& item);

// The colour of the pixel at column, row (0 to GradientSize - 1).
[[nodiscard]] RgbChannels GradientColor(int slider, GradientPair pair, int column, int row);

// The pixel read at a pointer position in the gradient, in pixels from its
// top-left corner: rounded half to even and kept inside the square, so a
// drag that leaves the gradient keeps reading its nearest edge.
[[nodiscard]] int GradientPixelIndex(double position);

// The gradient's tooltip while the pointer is over it: "x,y " and the colour's text.
[[nodiscard]] QString GradientReadoutTip(int x, int y, const QString& colourText);

// The 16 colours of the palette stepper.
inline constexpr int PaletteSize = 16;
[[nodiscard]] ColorValue PaletteColor(int index);

// The stepper shows palette colours n and n + 1, so n stays within 0 to 14.
inline constexpr int PaletteLastIndex = PaletteSize - 2;
[[nodiscard]] int PaletteStepDown(int n);
[[nodiscard]] int PaletteStepUp(int n);

// One of the stepper's two labels: caption, background and text colour.
struct PaletteLabel {
    QString caption;
    ColorValue back = 0;
    ColorValue text = 0;

    friend bool operator==(const PaletteLabel&, const PaletteLabel&) = default;
};

// The upper and the lower label at index n: colour n written in colour
// 15 - n, and colour n + 1 written in colour 14 - n.
[[nodiscard]] std::pair<PaletteLabel, PaletteLabel> PaletteLabels(int n);
