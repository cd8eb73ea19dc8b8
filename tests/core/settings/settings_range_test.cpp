#include "core/settings/settings_range.h"

#include "core/settings/random_settings_files.h"
#include "core/settings/settings_file.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

struct Window {
    qint32 left, top, width, height;
    friend bool operator==(const Window&, const Window&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Window& w) {
        return out << w.left << "," << w.top << " " << w.width << "x" << w.height;
    }
};

[[nodiscard]] Window WindowOf(const SettingsRecord& r) {
    return {r.WindowLeft, r.WindowTop, r.WindowWidth, r.WindowHeight};
}

[[nodiscard]] SettingsRecord WithWindow(const Window& w) {
    SettingsRecord r = FirstRunSettings(w.width, w.height, u"1.0.0b CZ"_s);
    r.WindowLeft = w.left;
    r.WindowTop = w.top;
    return r;
}

// A screen of 1280 x 800 pixels with panels at the top (30 px) and at the
// bottom (60 px), and a frame of a 1 px border under a 20 px title bar.
constexpr WindowRoom kRoom{
    {0, 0, 19200, 12000}, {0, 450, 19200, 10650}, {15, 300, 15, 15}, 900, 1200};
// An 800 x 600 screen whose window manager has not framed the window yet.
constexpr WindowRoom kSmallScreen{{0, 0, 12000, 9000}, {0, 0, 12000, 8100}, {}, 900, 1200};

TEST(SettingsRange, TheWindowKeepsAUsableSizeWithinTheWholeScreen) {
    constexpr qint32 huge = 1 << 30;
    constexpr qint32 most = std::numeric_limits<qint32>::max();
    constexpr qint32 least = std::numeric_limits<qint32>::min();
    const Window firstRun{0, 450, 9600, 6000};
    const struct {
        const char* name;
        Window stored;
        Window placed;
        const WindowRoom& room = kRoom;
    } cases[] = {
        {"inside the screen", {4500, 4500, 9600, 6000}, {4500, 4500, 9600, 6000}},
        {"full height, as snapped, over the panel", {0, 0, 9570, 11685}, {0, 0, 9570, 11685}},
        {"the whole screen", {0, 0, 19170, 11685}, {0, 0, 19170, 11685}},
        {"the smallest window", {0, 0, 900, 1200}, {0, 0, 900, 1200}},
        {"larger than the screen", {0, 0, 30000, 20000}, {0, 0, 19170, 11685}},
        {"one twip too high", {300, 0, 9600, 11686}, {300, 0, 9600, 11685}},
        {"wider than a smaller screen", {0, 0, 14400, 9300}, {0, 0, 12000, 9000}, kSmallScreen},
        {"past the right edge", {15000, 1500, 9600, 6000}, {9570, 1500, 9600, 6000}},
        {"past the bottom edge", {1500, 9000, 9600, 6000}, {1500, 5685, 9600, 6000}},
        {"title bar above the screen", {1500, -3000, 9600, 6000}, {1500, 0, 9600, 6000}},
        {"far off to the left and top", {least, least, 9600, 6000}, {0, 0, 9600, 6000}},
        {"far off to the right and bottom", {most, most, 9600, 6000}, {9570, 5685, 9600, 6000}},
        {"huge width", {1500, 1200, huge, 6000}, {0, 1200, 19170, 6000}},
        {"huge height", {1500, 1200, 9600, huge}, {1500, 0, 9600, 11685}},
        {"huge corner", {huge, huge, 9600, 6000}, {9570, 5685, 9600, 6000}},
        {"largest width", {most, 1200, most, 6000}, {0, 1200, 19170, 6000}},
        {"zero width", {1500, 1200, 0, 6000}, firstRun},
        {"zero height", {1500, 1200, 9600, 0}, firstRun},
        {"negative width", {1500, 1200, -6000, 6000}, firstRun},
        {"negative height", {1500, 1200, 9600, least}, firstRun},
        {"narrower than the smallest", {1500, 1200, 899, 6000}, firstRun},
        {"lower than the smallest", {1500, 1200, 9600, 1199}, firstRun},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowOf(SettingsInRange(WithWindow(c.stored), c.room)), c.placed) << c.name;
}

TEST(SettingsRange, ARecordWithoutAFontNameGetsTheFirstRunFont) {
    const std::pair<QString, QString> cases[] = {
        {QString(), u"Courier New CE"_s},
        {u"Arial CE"_s, u"Arial CE"_s},
        {u" "_s, u" "_s},
    };
    for (const auto& [stored, inRange] : cases) {
        SettingsRecord r = WithWindow({150, 450, 6000, 4500});
        r.EditorFontName = stored;
        EXPECT_EQ(SettingsInRange(r, kRoom).EditorFontName, inRange) << stored.toStdString();
    }
}

// Whatever a file holds, the record read from it is one the program can
// use, bringing it into range again changes nothing, and a record already
// in range is kept as it is.
TEST(SettingsRange, AnyFileReadsAsAUsableRecord) {
    RandomSettingsFiles files(20260105);
    const SettingsRecord defaults = FirstRunSettings(9600, 6000, u"1.0.0b CZ"_s);
    for (int drawn = 0; drawn < 400; ++drawn) {
        const QByteArray bytes = files.next();
        const SettingsRecord r = SettingsInRange(DecodeSettings(bytes, defaults), kRoom);
        SCOPED_TRACE("file " + bytes.toHex().toStdString());
        EXPECT_GE(r.WindowLeft, 0);
        EXPECT_GE(r.WindowTop, 0);
        EXPECT_GE(r.WindowWidth, kRoom.minWidth);
        EXPECT_GE(r.WindowHeight, kRoom.minHeight);
        EXPECT_LE(r.WindowLeft + r.WindowWidth + 30, kRoom.screen.width);
        EXPECT_LE(r.WindowTop + r.WindowHeight + 315, kRoom.screen.height);
        EXPECT_FALSE(r.EditorFontName.isEmpty());
        EXPECT_EQ(r.EditorTextColor & ~0xFFFFFF, 0);
        EXPECT_EQ(r.EditorBackColor & ~0xFFFFFF, 0);
        EXPECT_TRUE(QList<int>({8, 10, 12, 14, 17, 24}).contains(r.EditorFontSize));
        EXPECT_TRUE(r.SnapDistance >= 10 && r.SnapDistance <= 1450) << r.SnapDistance;
        EXPECT_TRUE(r.MainWindowState >= 0 && r.MainWindowState <= 2) << r.MainWindowState;
        EXPECT_TRUE(r.AutosaveMinutes >= 1 && r.AutosaveMinutes <= 10) << r.AutosaveMinutes;
        EXPECT_TRUE(r.AutosaveMode >= 0 && r.AutosaveMode <= 2) << r.AutosaveMode;
        EXPECT_EQ(SettingsInRange(r, kRoom), r);
        ASSERT_FALSE(HasFailure());
    }
}

} // namespace
