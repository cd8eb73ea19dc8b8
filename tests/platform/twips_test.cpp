#include "platform/twips.h"

#include <gtest/gtest.h>

namespace {

static_assert(TwipsToPixels(1215) == 81, "usable at compile time");

TEST(Twips, RoundToNearestPixel) {
    const std::pair<int, int> kCases[] = {
        {0, 0},  {7, 0},   {8, 1},    {15, 1},   {22, 1},     {23, 2},
        {-7, 0}, {-8, -1}, {-15, -1}, {360, 24}, {9600, 640}, {6135, 409},
    };
    for (const auto& [twips, pixels] : kCases)
        EXPECT_EQ(TwipsToPixels(twips), pixels) << twips;
}

TEST(Twips, PixelsRoundTrip) {
    for (int pixels = -50; pixels <= 2000; ++pixels)
        ASSERT_EQ(TwipsToPixels(PixelsToTwips(pixels)), pixels);
    EXPECT_EQ(PixelsToTwips(81), 1215);
}

} // namespace
