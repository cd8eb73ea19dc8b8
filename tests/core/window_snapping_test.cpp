#include "core/window_snapping.h"

#include <gtest/gtest.h>
#include <ostream>

// Found by argument lookup, so it lives beside WindowRect.
void PrintTo(const WindowRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

// A 1280 x 960 pixel screen.
constexpr double SW = 19200;
constexpr double SH = 14400;

struct SnapCase {
    const char* name;
    double distance;
    WindowRect window;
    WindowRect expected;
};

void PrintTo(const SnapCase& c, std::ostream* os) {
    *os << c.name;
}

class SnapWindowRules : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapWindowRules, MovesTheWindowAsExpected) {
    const SnapCase& c = GetParam();
    EXPECT_EQ(SnapWindow(c.window, SW, SH, c.distance), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    SnapWindow, SnapWindowRules,
    ::testing::Values(
        SnapCase{"LeftWithinDistanceJumpsToTheEdge",
                 240,
                 {200, 3000, 6000, 4000},
                 {0, 3000, 6000, 4000}},
        SnapCase{
            "LeftExactlyAtDistanceStays", 240, {240, 3000, 6000, 4000}, {240, 3000, 6000, 4000}},
        SnapCase{
            "TopWithinDistanceJumpsToTheEdge", 240, {3000, 239, 6000, 4000}, {3000, 0, 6000, 4000}},
        SnapCase{"RightWithinDistanceJumpsToTheEdge",
                 240,
                 {13000, 3000, 6000, 4000},
                 {13200, 3000, 6000, 4000}},
        SnapCase{"RightExactlyAtDistanceStays",
                 240,
                 {12960, 3000, 6000, 4000},
                 {12960, 3000, 6000, 4000}},
        SnapCase{"BottomWithinDistanceJumpsToTheEdge",
                 240,
                 {3000, 10300, 6000, 4000},
                 {3000, 10400, 6000, 4000}},
        SnapCase{"NearlyAsWideAsTheScreenSpansItExactly",
                 240,
                 {200, 3000, 18900, 4000},
                 {0, 3000, SW, 4000}},
        SnapCase{"NearlyAsHighAsTheScreenSpansItExactly",
                 240,
                 {3000, 100, 6000, 14200},
                 {3000, 0, 6000, SH}},
        SnapCase{"WideButNotNearTheLeftIsOnlyPulledRight",
                 240,
                 {300, 3000, 18800, 4000},
                 {400, 3000, 18800, 4000}},
        SnapCase{"CornerTakesBothEdges", 240, {100, 10300, 6000, 4000}, {0, 10400, 6000, 4000}},
        SnapCase{
            "ZeroDistancePullsBackFromTheLeft", 0, {-300, 3000, 6000, 4000}, {0, 3000, 6000, 4000}},
        SnapCase{"ZeroDistancePullsBackFromTheRight",
                 0,
                 {13500, 3000, 6000, 4000},
                 {13200, 3000, 6000, 4000}},
        SnapCase{"ZeroDistancePullsBackFromTopAndBottom",
                 0,
                 {3000, -45, 6000, 4000},
                 {3000, 0, 6000, 4000}},
        SnapCase{"ZeroDistanceLeavesAWindowOnTheScreenAlone",
                 0,
                 {15, 15, 6000, 4000},
                 {15, 15, 6000, 4000}},
        SnapCase{"ZeroDistanceFitsAWindowOffBothSidesToTheScreen",
                 0,
                 {-15, 3000, 19500, 4000},
                 {0, 3000, SW, 4000}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SnapWindow, ALargerDistanceCatchesWindowsFurtherAway) {
    const WindowRect window{1000, 1000, 6000, 4000};
    EXPECT_EQ(SnapWindow(window, SW, SH, 1000), window);
    EXPECT_EQ(SnapWindow(window, SW, SH, 1001), (WindowRect{0, 0, 6000, 4000}));
}

struct DockCase {
    const char* name;
    WindowShowState mainState;
    bool startModeEmpty;
    WindowRect mainWindow;
    WindowRect expected;
};

void PrintTo(const DockCase& c, std::ostream* os) {
    *os << c.name;
}

class DockWindowCases : public ::testing::TestWithParam<DockCase> {};

TEST_P(DockWindowCases, PlacesTheWindowAsExpected) {
    const DockCase& c = GetParam();
    const WindowRect window{600, 900, 3000, 2000};
    EXPECT_EQ(DockWindow(window, c.mainWindow, c.mainState, c.startModeEmpty, SW, SH), c.expected);
}

INSTANTIATE_TEST_SUITE_P(DockWindow, DockWindowCases,
                         ::testing::Values(DockCase{"BesideANormalMainWindowFillsToTheScreenEdge",
                                                    WindowShowState::Normal,
                                                    true,
                                                    {1500, 750, 9600, 7200},
                                                    {11100, 750, 8100, 7200}},
                                           DockCase{"BesideANarrowGapStillFillsIt",
                                                    WindowShowState::Normal,
                                                    true,
                                                    {0, 0, 19185, 7200},
                                                    {19185, 0, 15, 7200}},
                                           DockCase{"MainWindowAtTheRightEdgeLeavesNoRoom",
                                                    WindowShowState::Normal,
                                                    true,
                                                    {9600, 300, 9600, 7200},
                                                    {16200, 300, 3000, 7200}},
                                           DockCase{"MainWindowPastTheRightEdgeLeavesNoRoom",
                                                    WindowShowState::Normal,
                                                    true,
                                                    {12000, 300, 9600, 7200},
                                                    {16200, 300, 3000, 7200}},
                                           DockCase{
                                               "MaximisedMainWindowGivesAFullHeightStripAtTheRight",
                                               WindowShowState::Maximised,
                                               true,
                                               {0, 0, SW, SH},
                                               {16200, 0, 3000, SH}},
                                           DockCase{"MinimisedMainWindowParksItInTheCorner",
                                                    WindowShowState::Minimised,
                                                    true,
                                                    {1500, 750, 9600, 7200},
                                                    {16200, 12400, 3000, 2000}},
                                           DockCase{"StandAloneModeParksItInTheCorner",
                                                    WindowShowState::Normal,
                                                    false,
                                                    {1500, 750, 9600, 7200},
                                                    {16200, 12400, 3000, 2000}},
                                           DockCase{"StandAloneModeWinsOverAMaximisedMainWindow",
                                                    WindowShowState::Maximised,
                                                    false,
                                                    {0, 0, SW, SH},
                                                    {16200, 12400, 3000, 2000}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
