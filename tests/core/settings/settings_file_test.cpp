#include "core/settings/settings_file.h"

#include "core/settings/settings_range.h"

#include "core/text/ansi_code_page.h"

#include <QTimeZone>

#include <tuple>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

[[nodiscard]] std::array<QString, 10> Recent(const QString& pattern) {
    std::array<QString, 10> files;
    for (int i = 0; i < 10; ++i)
        files[i] = pattern.arg(i + 1);
    return files;
}

// The first-run record: the defaults a file that is cut short falls back on.
SettingsRecord Defaults() {
    return FirstRunSettings(1, 2, u"0.9.0b CZ"_s);
}

// Differs from Defaults() in every field, so a test sees which one it got.
SettingsRecord Distinct() {
    SettingsRecord r;
    r.WindowWidth = 9210;
    r.WindowHeight = 6675;
    r.WindowTop = -120;
    r.WindowLeft = 0x01020304;
    r.OnTop = r.EditorBold = r.EditorItalic = r.AutosaveOn = true;
    r.EditorFontName = u"Arial CE"_s;
    r.EditorTextColor = RgbColor(1, 2, 3);
    r.EditorBackColor = RgbColor(250, 240, 230);
    r.EditorFontSize = 17;
    r.UserName = u"Šárka Čechová"_s;
    r.UserEmail = u"sarka@pocitac.cz"_s;
    r.SnapDistance = 1234;
    r.LockPassword = u"žluťoučký kůň"_s;
    r.RecentFiles = Recent(u"/home/šárka/dokument%1.txt"_s);
    r.MainWindowState = 2;
    r.SavedAt = u"01-05-2026 07:08:09"_s;
    r.SavedVersion = u"1.0.0b CZ"_s;
    r.AutosaveMinutes = 7;
    r.AutosaveMode = 1;
    return r;
}

// Every string empty; numbers whose bytes are easy to spot.
SettingsRecord AllStringsEmpty() {
    SettingsRecord r;
    r.WindowWidth = 0x11223344;
    r.WindowHeight = 6675;
    r.WindowTop = -1;
    r.WindowLeft = 0x0102;
    r.OnTop = r.EditorBold = r.ShowStartScreen = r.ShowToolbar = r.ShowFileTabs = true;
    r.EditorTextColor = RgbColor(1, 2, 3);
    r.EditorBackColor = RgbColor(255, 255, 255);
    r.EditorFontSize = 24;
    r.SnapDistance = 240;
    r.MainWindowState = 2;
    r.AutosaveMinutes = 7;
    r.AutosaveMode = 0x04030201; // not clamped on writing
    return r;
}

struct LayoutRow {
    int offset;
    const char* field;
    QByteArray bytes;
};

// The file image of AllStringsEmpty(), field by field.
const std::vector<LayoutRow>& AllStringsEmptyLayout() {
    static const std::vector<LayoutRow> rows = {
        {0, "WindowWidth", QByteArray::fromHex("44332211")},
        {4, "WindowHeight", QByteArray::fromHex("131a0000")},
        {8, "WindowTop", QByteArray::fromHex("ffffffff")},
        {12, "WindowLeft", QByteArray::fromHex("02010000")},
        {16, "OnTop", QByteArray::fromHex("ffff")},
        {18, "EditorFontName", QByteArray::fromHex("0000")},
        {20, "EditorTextColor", QByteArray::fromHex("01020300")},
        {24, "EditorBackColor", QByteArray::fromHex("ffffff00")},
        {28, "EditorFontSize", QByteArray::fromHex("18")},
        {29, "EditorBold", QByteArray::fromHex("ffff")},
        {31, "EditorItalic", QByteArray::fromHex("0000")},
        {33, "UserName", QByteArray::fromHex("0000")},
        {35, "UserEmail", QByteArray::fromHex("0000")},
        {37, "ShowStartScreen", QByteArray::fromHex("ffff")},
        {39, "SnapDistance", QByteArray::fromHex("f0000000")},
        {43, "LockPassword", QByteArray::fromHex("0000")},
        {45, "RecentFiles", QByteArray(20, '\0')},
        {65, "MainWindowState", QByteArray::fromHex("02000000")},
        {69, "SavedAt", QByteArray::fromHex("0000")},
        {71, "SavedVersion", QByteArray::fromHex("0000")},
        {73, "ShowToolbar", QByteArray::fromHex("ffff")},
        {75, "ShowStatusBar", QByteArray::fromHex("0000")},
        {77, "ShowFileTabs", QByteArray::fromHex("ffff")},
        {79, "AutosaveOn", QByteArray::fromHex("0000")},
        {81, "AutosaveMinutes", QByteArray::fromHex("07000000")},
        {85, "AutosaveMode", QByteArray::fromHex("01020304")},
    };
    return rows;
}

TEST(SettingsFile, AllStringsEmptyGives89BytesAtFixedOffsets) {
    const QByteArray bytes = EncodeSettings(AllStringsEmpty());
    ASSERT_EQ(bytes.size(), 89);
    int end = 0;
    for (const LayoutRow& row : AllStringsEmptyLayout()) {
        EXPECT_EQ(row.offset, end) << row.field << " does not follow the field before it";
        EXPECT_EQ(bytes.mid(row.offset, row.bytes.size()).toHex(), row.bytes.toHex()) << row.field;
        end = row.offset + int(row.bytes.size());
    }
    EXPECT_EQ(end, 89);
}

TEST(SettingsFile, FiveCharacterUserNameMovesEveryLaterFieldByFive) {
    SettingsRecord r = AllStringsEmpty();
    r.UserName = u"Čapek"_s; // Č is 0xC8 in Windows-1250
    const QByteArray bytes = EncodeSettings(r);
    ASSERT_EQ(bytes.size(), 94);
    EXPECT_EQ(bytes.mid(33, 7).toHex(), QByteArray("0500c86170656b"));
    for (const LayoutRow& row : AllStringsEmptyLayout()) {
        if (row.offset == 33)
            continue;
        const int offset = row.offset > 33 ? row.offset + 5 : row.offset;
        EXPECT_EQ(bytes.mid(offset, row.bytes.size()).toHex(), row.bytes.toHex()) << row.field;
    }
}

TEST(SettingsFile, EveryFieldRoundTripsAndTrailingBytesAreIgnored) {
    EXPECT_EQ(DecodeSettings(EncodeSettings(Distinct()), Defaults()), Distinct());
    EXPECT_EQ(DecodeSettings(EncodeSettings(Defaults()), Distinct()), Defaults());
    const QByteArray trailing = QByteArray::fromHex("0500414243ffff");
    EXPECT_EQ(DecodeSettings(EncodeSettings(Defaults()) + trailing, Distinct()), Defaults());
}

TEST(SettingsFile, AnyNonZeroBooleanReadsTrue) {
    QByteArray bytes = EncodeSettings(AllStringsEmpty());
    bytes[16] = 1; // OnTop = 0x0001
    bytes[17] = 0;
    bytes[29] = 0; // EditorBold = 0x0100
    bytes[30] = 1;
    const SettingsRecord r = DecodeSettings(bytes, Defaults());
    EXPECT_TRUE(r.OnTop);
    EXPECT_TRUE(r.EditorBold);
    EXPECT_FALSE(r.EditorItalic);
}

TEST(SettingsFile, OverlongStringIsCutTo65535Bytes) {
    SettingsRecord r = Distinct();
    r.SavedVersion = QString(70000, u'ř');
    const QByteArray bytes = EncodeSettings(r);
    EXPECT_EQ(bytes.size(), EncodeSettings(Distinct()).size() - 9 + 65535);
    const SettingsRecord back = DecodeSettings(bytes, Defaults());
    EXPECT_EQ(back.SavedVersion, QString(65535, u'ř'));
    EXPECT_EQ(back.ShowFileTabs, r.ShowFileTabs);
    EXPECT_EQ(back.AutosaveMode, r.AutosaveMode);
}

// The most a reader takes: 16 strings of 65535 bytes and 89 fixed bytes.
TEST(SettingsFile, LongestFileIsTheRecordWithEveryStringAtItsLongest) {
    SettingsRecord r = Distinct();
    r.EditorFontName = r.UserName = r.UserEmail = r.LockPassword = r.SavedAt = r.SavedVersion =
        QString(70000, u'x');
    r.RecentFiles.fill(r.UserName);
    EXPECT_EQ(EncodeSettings(r).size(), LongestSettingsFile());
    EXPECT_EQ(LongestSettingsFile(), 89 + 16 * 65535);
}

using R = SettingsRecord;

// The fields in file order.
constexpr auto kFields = std::make_tuple(
    &R::WindowWidth, &R::WindowHeight, &R::WindowTop, &R::WindowLeft, &R::OnTop, &R::EditorFontName,
    &R::EditorTextColor, &R::EditorBackColor, &R::EditorFontSize, &R::EditorBold, &R::EditorItalic,
    &R::UserName, &R::UserEmail, &R::ShowStartScreen, &R::SnapDistance, &R::LockPassword,
    &R::RecentFiles, &R::MainWindowState, &R::SavedAt, &R::SavedVersion, &R::ShowToolbar,
    &R::ShowStatusBar, &R::ShowFileTabs, &R::AutosaveOn, &R::AutosaveMinutes, &R::AutosaveMode);

// The bytes a value takes in the file.
template <class T> [[nodiscard]] qsizetype Stored(const T& value) {
    if constexpr (std::is_same_v<T, QString>)
        return 2 + EncodeAnsi(value).size();
    else if constexpr (std::is_same_v<T, bool>)
        return 2;
    else
        return sizeof(T);
}

TEST(SettingsFile, TruncatedFileKeepsWholeFieldsAndDefaultsTheRest) {
    const R full = Distinct();
    const R defaults = Defaults();
    const QByteArray bytes = EncodeSettings(full);
    for (qsizetype length = 0; length <= bytes.size(); ++length) {
        const R got = DecodeSettings(bytes.left(length), defaults);
        qsizetype end = 0;
        int field = 0;
        const auto check = [&](const auto& g, const auto& f, const auto& d) {
            ASSERT_NE(f, d) << "field " << field << " tells nothing";
            end += Stored(f);
            EXPECT_EQ(g, end <= length ? f : d) << "field " << field << ", file cut to " << length;
            ++field;
        };
        const auto checkMember = [&](auto member) {
            if constexpr (std::is_same_v<decltype(full.*member), const std::array<QString, 10>&>) {
                for (int i = 0; i < 10; ++i)
                    check((got.*member)[i], (full.*member)[i], (defaults.*member)[i]);
            } else {
                check(got.*member, full.*member, defaults.*member);
            }
        };
        std::apply([&](auto... members) { (checkMember(members), ...); }, kFields);
        ASSERT_FALSE(HasFailure());
        if (length == bytes.size()) {
            EXPECT_EQ(end, length);
        }
    }
}

TEST(SettingsClamp, OutOfRangeValuesAreBroughtIntoRange) {
    const struct {
        const char* name;
        qint32 SettingsRecord::*field;
        std::vector<std::pair<int, int>> storedAndRead;
    } fields[] = {
        {"MainWindowState",
         &SettingsRecord::MainWindowState,
         {{-1, 0}, {0, 0}, {1, 1}, {2, 2}, {5, 0}}},
        {"SnapDistance",
         &SettingsRecord::SnapDistance,
         {{-240, 10}, {9, 10}, {10, 10}, {1450, 1450}, {1451, 1450}}},
        {"AutosaveMinutes", &SettingsRecord::AutosaveMinutes, {{0, 1}, {1, 1}, {10, 10}, {11, 10}}},
        {"AutosaveMode", &SettingsRecord::AutosaveMode, {{-1, 0}, {2, 2}, {3, 0}}},
        {"EditorTextColor",
         &SettingsRecord::EditorTextColor,
         {{0x01000000, 0}, {-1, 0xFFFFFF}, {int(0x80FF8000u), 0xFF8000}, {0x123456, 0x123456}}},
        {"EditorBackColor",
         &SettingsRecord::EditorBackColor,
         {{-2, 0xFFFFFE}, {0xFFFFFF, 0xFFFFFF}}},
    };
    const WindowRoom room{{0, 0, 19200, 14400}, {0, 0, 19200, 14400}, {}, 900, 1200};
    const auto read = [&room](const SettingsRecord& r) {
        return SettingsInRange(DecodeSettings(EncodeSettings(r), Defaults()), room);
    };
    for (const auto& f : fields) {
        for (const auto& [stored, inRange] : f.storedAndRead) {
            SettingsRecord r = Distinct();
            r.*f.field = stored;
            EXPECT_EQ(read(r).*f.field, inRange) << f.name << " " << stored;
        }
    }
    for (const auto& [stored, inRange] :
         std::vector<std::pair<int, int>>{{0, 8}, {8, 8}, {11, 8}, {14, 14}, {24, 24}, {255, 8}}) {
        SettingsRecord r = Distinct();
        r.EditorFontSize = quint8(stored);
        EXPECT_EQ(read(r).EditorFontSize, inRange) << "EditorFontSize " << stored;
    }
}

TEST(SettingsFile, FirstRunDefaults) {
    const SettingsRecord r = FirstRunSettings(10245, 7680, u"1.2.3b CZ"_s);
    SettingsRecord expected;
    expected.WindowWidth = 10245;
    expected.WindowHeight = 7680;
    expected.EditorFontName = u"Courier New CE"_s;
    expected.EditorTextColor = 0;
    expected.EditorBackColor = 0xFFFFFF;
    expected.EditorFontSize = 10;
    expected.ShowStartScreen = true;
    expected.SnapDistance = 240;
    expected.SavedVersion = u"1.2.3b CZ"_s;
    expected.ShowToolbar = expected.ShowStatusBar = expected.ShowFileTabs = true;
    expected.AutosaveMinutes = 1;
    EXPECT_EQ(r, expected);
    EXPECT_FALSE(VersionChanged(r, u"1.2.3b CZ"_s));
}

TEST(SettingsFile, SavedAtIsMonthDayYearAnd24HourTime) {
    const QTimeZone utc = QTimeZone::utc();
    EXPECT_EQ(SavedAtText(QDateTime(QDate(2026, 1, 5), QTime(7, 8, 9), utc)),
              u"01-05-2026 07:08:09"_s);
    EXPECT_EQ(SavedAtText(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58), utc)),
              u"12-31-2025 23:59:58"_s);
}

TEST(SettingsFile, VersionComparisonIsExactAndCaseSensitive) {
    SettingsRecord r;
    r.SavedVersion = u"1.0.0b CZ"_s;
    EXPECT_FALSE(VersionChanged(r, u"1.0.0b CZ"_s));
    EXPECT_TRUE(VersionChanged(r, u"1.0.0B CZ"_s));
    EXPECT_TRUE(VersionChanged(r, u"1.0.0b CZ "_s));
    EXPECT_TRUE(VersionChanged(r, u"1.0.1b CZ"_s));
}

TEST(SettingsFile, VersionNoticeNamesTheLastSaveAndBothVersions) {
    SettingsRecord r;
    r.SavedAt = u"01-05-2026 07:08:09"_s;
    r.SavedVersion = u"1.0.0b CZ"_s;
    EXPECT_EQ(VersionNoticeText(r, u"1.1.0b CZ"_s),
              u"Od posledního spuštění programu došlo ke změně verze,\r\n"
              u"naposledy, 01-05-2026 07:08:09, to byla 1.0.0b CZ, nyní to je 1.1.0b CZ."_s);
}

} // namespace
