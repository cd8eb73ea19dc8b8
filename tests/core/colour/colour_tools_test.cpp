#include "core/colour/colour_tools.h"

#include "core/text/random_generator.h"
#include "core/text/random_text.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

using namespace Qt::StringLiterals;

void PrintTo(const RgbChannels& c, std::ostream* out) {
    *out << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

namespace {

constexpr ColourTool AllButRandom[] = {
    ColourTool::Invert, ColourTool::Grey,   ColourTool::GammaDown,    ColourTool::GammaUp,
    ColourTool::Darker, ColourTool::Middle, ColourTool::ChannelShift, ColourTool::Lighter,
};

// A spread of colours with every channel touching 0, 255 and values between.
template <class F> void forSampleColours(F check) {
    for (int r = 0; r <= 255; r += 15)
        for (int g = 0; g <= 255; g += 17)
            for (int b = 0; b <= 255; b += 51)
                check(RgbChannels{r, g, b});
}

TEST(ColourTools, ToolsGiveTheirExactResults) {
    struct Case {
        ColourTool tool;
        RgbChannels in, out;
    };
    const Case kCases[] = {
        {ColourTool::Lighter, {0, 0, 0}, {255, 255, 255}},
        {ColourTool::Lighter, {10, 20, 30}, {235, 245, 255}},
        {ColourTool::Lighter, {255, 0, 7}, {255, 0, 7}},
        {ColourTool::Darker, {10, 20, 30}, {0, 10, 20}},
        {ColourTool::Darker, {200, 255, 200}, {0, 55, 0}},
        {ColourTool::Middle, {0, 0, 0}, {128, 128, 128}},
        {ColourTool::Middle, {255, 255, 255}, {128, 128, 128}},
        {ColourTool::Middle, {255, 0, 0}, {255, 43, 43}},   // mean 85, red clipped
        {ColourTool::Middle, {0, 255, 255}, {0, 213, 213}}, // mean 170, red clipped at 0
        {ColourTool::Middle, {1, 1, 2}, {128, 128, 129}},   // mean 1.33 truncates to 1
        {ColourTool::Invert, {0, 100, 255}, {255, 155, 0}},
        {ColourTool::Grey, {255, 0, 1}, {85, 85, 85}},
        {ColourTool::Grey, {2, 2, 1}, {1, 1, 1}},
        // 4.5, 13.5 and 229.5 go to the even neighbour.
        {ColourTool::GammaDown, {5, 15, 255}, {4, 14, 230}},
        {ColourTool::GammaDown, {1, 0, 10}, {1, 0, 9}},
        // 5.5 goes to 6; 254.1 stays below 255; 255.2 is capped.
        {ColourTool::GammaUp, {5, 231, 232}, {6, 254, 255}},
        {ColourTool::GammaUp, {0, 255, 15}, {0, 255, 16}}, // 16.5 goes to 16
        {ColourTool::ChannelShift, {1, 2, 3}, {2, 3, 1}},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(ApplyColourTool(c.tool, c.in), c.out) << static_cast<int>(c.tool);
}

TEST(ColourTools, EveryToolKeepsChannelsInRange) {
    for (ColourTool tool : AllButRandom) {
        forSampleColours([tool](RgbChannels in) {
            const RgbChannels out = ApplyColourTool(tool, in);
            for (int v : {out.red, out.green, out.blue})
                ASSERT_TRUE(v >= 0 && v <= 255) << static_cast<int>(tool);
        });
    }
}

TEST(ColourTools, ThreeChannelShiftsRestoreTheColour) {
    forSampleColours([](RgbChannels in) {
        const RgbChannels once = ShiftedChannels(in);
        if (in.red != in.green || in.green != in.blue) {
            ASSERT_NE(once, in);
        }
        ASSERT_EQ(ShiftedChannels(ShiftedChannels(once)), in);
    });
}

TEST(ColourTools, RandomColourDrawsRedThenGreenThenBlue) {
    for (int seed = 0; seed < 50; ++seed) {
        Rnd().reset();
        Rnd().seed(seed);
        RandomGenerator same = Rnd();
        const int red = RandomIntFromDraw(same.draw(), 0, 255);
        const int green = RandomIntFromDraw(same.draw(), 0, 255);
        const int blue = RandomIntFromDraw(same.draw(), 0, 255);
        EXPECT_EQ(ApplyColourTool(ColourTool::Random, {1, 2, 3}), (RgbChannels{red, green, blue}));
        // Exactly three draws were taken.
        EXPECT_EQ(Rnd().draw(), same.draw());
    }
}

TEST(ColourTools, ChannelsAreTheThreeLowBytes) {
    EXPECT_EQ(ChannelsOf(33023), (RgbChannels{255, 128, 0}));
    EXPECT_EQ(ChannelsOf(658188), (RgbChannels{12, 11, 10}));
    EXPECT_EQ(ChannelsOf(-1), (RgbChannels{255, 255, 255}));
    EXPECT_EQ(ColorOf({255, 128, 0}), 33023);
    for (ColorValue color = 0; color <= 0xFFFFFF; color += 251)
        ASSERT_EQ(ColorOf(ChannelsOf(color)), color);
}

TEST(ColourGradient, CornersFollowSliderAndPair) {
    struct Case {
        int slider;
        QString item;
        RgbChannels topLeft, bottomRight;
    };
    const Case kCases[] = {
        // Red computes to 568 at the top left and counts as 255; blue's
        // 127.5 at the bottom right goes to 128.
        {192, u"R -> B"_s, {255, 0, 3}, {64, 255, 128}},
        {128, u"R -> B"_s, {251, 0, 2}, {0, 255, 0}},
        {255, u"R -> B"_s, {255, 0, 4}, {251, 255, 253}},
        {192, u"G -> R"_s, {3, 255, 0}, {128, 64, 255}},
        {192, u"B -> G"_s, {0, 3, 255}, {255, 128, 64}},
    };
    for (const Case& c : kCases) {
        const GradientPair pair = GradientPairFromItem(c.item);
        SCOPED_TRACE(c.item.toStdString() + " at " + std::to_string(c.slider));
        EXPECT_EQ(GradientColor(c.slider, pair, 0, 0), c.topLeft);
        EXPECT_EQ(GradientColor(c.slider, pair, GradientSize - 1, GradientSize - 1), c.bottomRight);
    }
}

TEST(ColourGradient, ThirdChannelGrowsTowardTheBottomRight) {
    const GradientPair pair = GradientPairFromItem(u"R -> B"_s);
    for (int column = 0; column < GradientSize; ++column) {
        for (int row = 0; row < GradientSize; ++row) {
            const int expected =
                static_cast<int>(std::nearbyint((column + 1) * (row + 1) * 255.0 / 16384));
            ASSERT_EQ(GradientColor(200, pair, column, row).green, expected)
                << column << "," << row;
        }
    }
}

TEST(ColourGradient, PairItemsNameFromAndToChannel) {
    using C = ColourChannel;
    const QStringList items = GradientPairItems();
    const std::pair<C, C> expected[] = {{C::Red, C::Green}, {C::Red, C::Blue},
                                        {C::Green, C::Red}, {C::Green, C::Blue},
                                        {C::Blue, C::Red},  {C::Blue, C::Green}};
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items.at(1), u"R -> B"_s);
    for (int i = 0; i < 6; ++i) {
        const GradientPair pair = GradientPairFromItem(items.at(i));
        EXPECT_EQ(pair.from, expected[i].first) << i;
        EXPECT_EQ(pair.to, expected[i].second) << i;
    }
}

TEST(ColourGradient, PointerPositionRoundsHalfToEvenAndStaysInside) {
    const std::pair<double, int> kCases[] = {
        {-40.0, 0}, {-0.4, 0},    {0.0, 0},     {0.5, 0},     {1.5, 2},      {2.5, 2},
        {63.6, 64}, {127.0, 127}, {127.5, 127}, {128.0, 127}, {5000.0, 127},
    };
    for (const auto& [position, index] : kCases)
        EXPECT_EQ(GradientPixelIndex(position), index) << position;
    EXPECT_EQ(GradientReadoutTip(12, 34, u"#0A0B0C"_s), u"12,34 #0A0B0C"_s);
}

TEST(ColourPalette, HoldsTheSixteenColoursInOrder) {
    const RgbChannels kColours[PaletteSize] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    for (int i = 0; i < PaletteSize; ++i)
        EXPECT_EQ(ChannelsOf(PaletteColor(i)), kColours[i]) << i;
}

TEST(ColourPalette, StepperStopsAtBothEndsAndLabelsContrast) {
    const std::array<int, 3> steps[] = {{0, 1, 0}, {13, 14, 12}, {14, 14, 13}, {1, 2, 0}};
    for (const auto& [n, down, up] : steps) {
        EXPECT_EQ(PaletteStepDown(n), down) << n;
        EXPECT_EQ(PaletteStepUp(n), up) << n;
    }
    const ColorValue black = 0, navy = 128 << 16, yellow = 0xFFFF, white = 0xFFFFFF;
    const auto [first0, second0] = PaletteLabels(0);
    EXPECT_EQ(first0, (PaletteLabel{u"0"_s, black, white}));
    EXPECT_EQ(second0, (PaletteLabel{u"1"_s, navy, yellow}));
    const auto [first14, second14] = PaletteLabels(14);
    EXPECT_EQ(first14, (PaletteLabel{u"14"_s, yellow, navy}));
    EXPECT_EQ(second14, (PaletteLabel{u"15"_s, white, black}));
}

} // namespace
