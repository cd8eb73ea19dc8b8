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

// A panel above and on the left takes part of the screen.
constexpr WindowRoom kRoom{150, 300, 12000, 9000, 900, 1200};

TEST(SettingsRange, TheWindowFitsTheRoomOrStartsAsOnAFirstRun) {
    constexpr qint32 huge = 1 << 30;
    constexpr qint32 most = std::numeric_limits<qint32>::max();
    constexpr qint32 least = std::numeric_limits<qint32>::min();
    const Window firstRun{150, 300, 6000, 4500};
    const struct {
        const char* name;
        Window stored;
        Window placed;
    } cases[] = {
        {"inside", {1500, 1200, 6000, 4500}, {1500, 1200, 6000, 4500}},
        {"the whole room", {150, 300, 12000, 9000}, {150, 300, 12000, 9000}},
        {"the smallest window", {150, 300, 900, 1200}, {150, 300, 900, 1200}},
        {"past the right edge", {9000, 1200, 6000, 4500}, {6150, 1200, 6000, 4500}},
        {"past the bottom edge", {1500, 8000, 6000, 4500}, {1500, 4800, 6000, 4500}},
        {"under the panels", {0, 0, 6000, 4500}, {150, 300, 6000, 4500}},
        {"far off to the left and top", {least, least, 6000, 4500}, {150, 300, 6000, 4500}},
        {"far off to the right and bottom", {most, most, 6000, 4500}, {6150, 4800, 6000, 4500}},
        {"huge width", {1500, 1200, huge, 4500}, firstRun},
        {"huge height", {1500, 1200, 6000, huge}, firstRun},
        {"one twip too wide", {150, 300, 12001, 4500}, firstRun},
        {"one twip too high", {150, 300, 6000, 9001}, firstRun},
        {"zero width", {1500, 1200, 0, 4500}, firstRun},
        {"zero height", {1500, 1200, 6000, 0}, firstRun},
        {"negative width", {1500, 1200, -6000, 4500}, firstRun},
        {"negative height", {1500, 1200, 6000, least}, firstRun},
        {"narrower than the smallest", {1500, 1200, 899, 4500}, firstRun},
        {"lower than the smallest", {1500, 1200, 6000, 1199}, firstRun},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowOf(SettingsInRange(WithWindow(c.stored), kRoom)), c.placed) << c.name;
}

TEST(SettingsRange, ARecordWithoutAFontNameGetsTheFirstRunFont) {
    const std::pair<QString, QString> cases[] = {
        {QString(), u"Courier New CE"_s},
        {u"Arial CE"_s, u"Arial CE"_s},
        {u" "_s, u" "_s},
    };
    for (const auto& [stored, inRange] : cases) {
        SettingsRecord r = WithWindow({150, 300, 6000, 4500});
        r.EditorFontName = stored;
        EXPECT_EQ(SettingsInRange(r, kRoom).EditorFontName, inRange) << stored.toStdString();
    }
}

// Whatever a file holds, the record read from it is one the program can
// use, bringing it into range again changes nothing, and a record already
// in range is kept as it is.
TEST(SettingsRange, AnyFileReadsAsAUsableRecord) {
    RandomSettingsFiles files(20260105);
    const SettingsRecord defaults = FirstRunSettings(6000, 4500, u"1.0.0b CZ"_s);
    for (int drawn = 0; drawn < 400; ++drawn) {
        const QByteArray bytes = files.next();
        const SettingsRecord r = SettingsInRange(DecodeSettings(bytes, defaults), kRoom);
        SCOPED_TRACE("file " + bytes.toHex().toStdString());
        EXPECT_GE(r.WindowLeft, kRoom.left);
        EXPECT_GE(r.WindowTop, kRoom.top);
        EXPECT_GE(r.WindowWidth, kRoom.minWidth);
        EXPECT_GE(r.WindowHeight, kRoom.minHeight);
        EXPECT_LE(r.WindowLeft + r.WindowWidth, kRoom.left + kRoom.width);
        EXPECT_LE(r.WindowTop + r.WindowHeight, kRoom.top + kRoom.height);
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
