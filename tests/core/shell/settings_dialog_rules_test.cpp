#include "core/shell/settings_dialog_rules.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SizeBox, TypedTextSettlesToTwoCharactersWorthAtLeastOne) {
    const struct {
        QString typed, text;
        double size;
    } cases[] = {
        {u"123"_s, u"12"_s, 12},
        {u"abc"_s, u"1"_s, 1},
        {u"8.5"_s, u"8"_s, 8},
        {u""_s, u"1"_s, 1},
        {u"0"_s, u"1"_s, 1},
        {u"24"_s, u"24"_s, 24},
        {u"12abc"_s, u"12"_s, 12},
        {u" 1 4"_s, u"14"_s, 14},
        {u"100"_s, u"10"_s, 10},
        {u"9.99"_s, u"9"_s, 9},
        {u"1e5"_s, u"10"_s, 10},
        {u"1e300"_s, u"1"_s, 1},
        // Sizes below 1 never reach the preview.
        {u"-5"_s, u"1"_s, 1},
        {u"0.5"_s, u"1"_s, 1},
        {u"-"_s, u"1"_s, 1},
        {u"99"_s, u"99"_s, 99},
        {u"5."_s, u"5"_s, 5},
    };
    for (const auto& c : cases) {
        const SizeBoxValue settled = SettleSizeBox(c.typed);
        EXPECT_EQ(settled.text, c.text) << c.typed.toStdString();
        EXPECT_EQ(settled.size, c.size) << c.typed.toStdString();
    }
}

TEST(SizeBox, LeadingNumberReadsThePrefixSkippingBlanks) {
    const struct {
        QString text;
        double value;
    } cases[] = {
        {u"12"_s, 12},  {u"  12  "_s, 12}, {u"1 2"_s, 12}, {u"\t3\n4"_s, 34}, {u"8.5"_s, 8.5},
        {u".5"_s, 0.5}, {u"-7x"_s, -7},    {u"+3"_s, 3},   {u"2E3"_s, 2000},  {u"2d2"_s, 200},
        {u"2e"_s, 2},   {u"2e+"_s, 2},     {u"abc"_s, 0},  {u""_s, 0},        {u"."_s, 0},
        {u"1,5"_s, 1},  {u"1e999"_s, 0},   {u"١٢"_s, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text.toStdString();
}

TEST(SizeBox, WholePointsRoundHalvesToEven) {
    const std::pair<double, int> cases[] = {{10.5, 10}, {11.5, 12}, {8, 8}, {12.4, 12}, {12.6, 13}};
    for (const auto& [size, whole] : cases)
        EXPECT_EQ(WholePoints(size), whole) << size;
}

TEST(SnapBar, StoredDistanceIsKeptWithinTheBar) {
    const std::pair<qint32, int> cases[] = {
        {240, 240}, {10, 10},     {1450, 1450},  {9, 10},         {0, 10},
        {-300, 10}, {1451, 1450}, {70000, 1450}, {INT32_MIN, 10}, {INT32_MAX, 1450}};
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(SnapBarValue(stored), shown) << stored;
}

TEST(PlacementPicker, EachCellNamesItsRegionAndOutline) {
    const struct {
        double x, y;
        QString caption;
        QRectF outline;
    } cases[] = {
        {0.5, 0.5, u"Vlevo nahoře"_s, QRectF(QPointF(0, 0), QPointF(1.5, 1.5))},
        {1.0, 0.0, u"Nahoře"_s, QRectF(QPointF(0, 0), QPointF(2.975, 1.5))},
        {2.99, 0.2, u"Vpravo nahoře"_s, QRectF(QPointF(1.5, 0), QPointF(2.975, 1.5))},
        {0.0, 1.5, u"Vlevo"_s, QRectF(QPointF(0, 0), QPointF(1.5, 2.975))},
        {1.5, 1.5, u"Maximalizace"_s, QRectF(QPointF(0, 0), QPointF(2.975, 2.975))},
        {2.5, 1.0, u"Vpravo"_s, QRectF(QPointF(1.5, 0), QPointF(2.975, 2.975))},
        {0.9, 2.0, u"Vlevo dole"_s, QRectF(QPointF(0, 1.5), QPointF(1.5, 2.975))},
        {1.2, 2.9, u"Dole"_s, QRectF(QPointF(0, 1.5), QPointF(2.975, 2.975))},
        {2.0, 2.0, u"Vpravo dole"_s, QRectF(QPointF(1.5, 1.5), QPointF(2.975, 2.975))},
    };
    for (const auto& c : cases) {
        const std::optional<PlacementCell> cell = PlacementCellAt(c.x, c.y);
        ASSERT_TRUE(cell) << c.x << "," << c.y;
        EXPECT_EQ(QString::fromUtf16(cell->caption), c.caption);
        EXPECT_EQ(cell->outline, c.outline) << c.caption.toStdString();
    }
    // A captured mouse can come up anywhere.
    for (const auto& [x, y] : {std::pair(-0.01, 1.0), std::pair(3.0, 1.0), std::pair(1.0, 3.0),
                               std::pair(1.0, -1.5), std::pair(-2.0, -2.0)})
        EXPECT_FALSE(PlacementCellAt(x, y)) << x << "," << y;
}

TEST(PlacementPicker, CellsPlaceTheWindowOnScreenAndOnlyTheCentreMaximises) {
    // A 1920 x 1080-pixel screen: 28800 x 16200 twips.
    const int sw = 28800, sh = 16200;
    const struct {
        double x, y;
        WindowPlacement place;
    } cases[] = {
        {0, 0, {0, 0, 14400, 8100, false}},        {1, 0, {0, 0, 28800, 8100, false}},
        {2, 0, {14400, 0, 14400, 8100, false}},    {0, 1, {0, 0, 14400, 16200, false}},
        {1, 1, {0, 0, 28800, 16200, true}},        {2, 1, {14400, 0, 14400, 16200, false}},
        {0, 2, {0, 8100, 14400, 8100, false}},     {1, 2, {0, 8100, 28800, 8100, false}},
        {2, 2, {14400, 8100, 14400, 8100, false}},
    };
    for (const auto& c : cases) {
        const std::optional<PlacementCell> cell = PlacementCellAt(c.x, c.y);
        ASSERT_TRUE(cell);
        EXPECT_EQ(PlacementOnScreen(*cell, sw, sh), c.place) << c.x << "," << c.y;
    }
    // An odd screen: halves go to the even neighbour.
    EXPECT_EQ(PlacementOnScreen(*PlacementCellAt(2, 2), 15, 25),
              (WindowPlacement{8, 12, 8, 12, false}));
}

} // namespace
