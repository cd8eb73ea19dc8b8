#include "core/settings_file.h"

#include "core/ansi_code_page.h"

#include <QTimeZone>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A record with a different value in every field, all within range.
SettingsRecord Distinct() {
    SettingsRecord r;
    r.WindowWidth = 9210;
    r.WindowHeight = 6675;
    r.WindowTop = -120;
    r.WindowLeft = 0x01020304;
    r.OnTop = true;
    r.EditorFontName = u"Arial CE"_s;
    r.EditorTextColor = RgbColor(1, 2, 3);
    r.EditorBackColor = RgbColor(250, 240, 230);
    r.EditorFontSize = 17;
    r.EditorBold = true;
    r.EditorItalic = false;
    r.UserName = u"Šárka Čechová"_s;
    r.UserEmail = u"sarka@pocitac.cz"_s;
    r.ShowStartScreen = false;
    r.SnapDistance = 1234;
    r.LockPassword = u"žluťoučký kůň"_s;
    for (int i = 0; i < 10; ++i)
        r.RecentFiles[i] = u"/home/šárka/dokument%1.txt"_s.arg(i + 1);
    r.MainWindowState = 2;
    r.SavedAt = u"01-05-2026 07:08:09"_s;
    r.SavedVersion = u"1.0.0b CZ"_s;
    r.ShowToolbar = true;
    r.ShowStatusBar = false;
    r.ShowFileTabs = true;
    r.AutosaveOn = true;
    r.AutosaveMinutes = 7;
    r.AutosaveMode = 1;
    return r;
}

// Differs from Distinct() in every field, so a test sees which one it got.
SettingsRecord OtherDefaults() {
    SettingsRecord r;
    r.WindowWidth = 1;
    r.WindowHeight = 2;
    r.WindowTop = 3;
    r.WindowLeft = 4;
    r.OnTop = false;
    r.EditorFontName = u"výchozí písmo"_s;
    r.EditorTextColor = 5;
    r.EditorBackColor = 6;
    r.EditorFontSize = 24;
    r.EditorBold = false;
    r.EditorItalic = true;
    r.UserName = u"výchozí"_s;
    r.UserEmail = u"vychozi@x.cz"_s;
    r.ShowStartScreen = true;
    r.SnapDistance = 240;
    r.LockPassword = u"heslo"_s;
    for (int i = 0; i < 10; ++i)
        r.RecentFiles[i] = u"starý%1"_s.arg(i);
    r.MainWindowState = 1;
    r.SavedAt = u"stará doba"_s;
    r.SavedVersion = u"0.9.0b CZ"_s;
    r.ShowToolbar = false;
    r.ShowStatusBar = true;
    r.ShowFileTabs = false;
    r.AutosaveOn = false;
    r.AutosaveMinutes = 3;
    r.AutosaveMode = 2;
    return r;
}

// Every string empty; numbers whose bytes are easy to spot.
SettingsRecord AllStringsEmpty() {
    SettingsRecord r;
    r.WindowWidth = 0x11223344;
    r.WindowHeight = 6675;
    r.WindowTop = -1;
    r.WindowLeft = 0x0102;
    r.OnTop = true;
    r.EditorTextColor = RgbColor(1, 2, 3);
    r.EditorBackColor = RgbColor(255, 255, 255);
    r.EditorFontSize = 24;
    r.EditorBold = true;
    r.EditorItalic = false;
    r.ShowStartScreen = true;
    r.SnapDistance = 240;
    r.MainWindowState = 2;
    r.ShowToolbar = true;
    r.ShowStatusBar = false;
    r.ShowFileTabs = true;
    r.AutosaveOn = false;
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
    r.UserName = u"Novák"_s;
    const QByteArray bytes = EncodeSettings(r);
    ASSERT_EQ(bytes.size(), 94);
    EXPECT_EQ(bytes.mid(33, 7).toHex(), QByteArray("05004e6f76e16b"));
    for (const LayoutRow& row : AllStringsEmptyLayout()) {
        if (row.offset == 33)
            continue;
        const int offset = row.offset > 33 ? row.offset + 5 : row.offset;
        EXPECT_EQ(bytes.mid(offset, row.bytes.size()).toHex(), row.bytes.toHex()) << row.field;
    }
}

TEST(SettingsFile, StringsAreStoredAsWindows1250) {
    SettingsRecord r = AllStringsEmpty();
    r.EditorFontName = u"š"_s;
    r.LockPassword = u"Žluťák"_s;
    const QByteArray bytes = EncodeSettings(r);
    EXPECT_EQ(bytes.mid(18, 3).toHex(), QByteArray("01009a"));
    EXPECT_EQ(bytes.mid(44, 8).toHex(), QByteArray("06008e6c759de16b"));
    const SettingsRecord back = DecodeSettings(bytes, OtherDefaults());
    EXPECT_EQ(back.EditorFontName, u"š"_s);
    EXPECT_EQ(back.LockPassword, u"Žluťák"_s);
}

TEST(SettingsFile, EveryFieldSurvivesEncodeAndDecode) {
    EXPECT_EQ(DecodeSettings(EncodeSettings(Distinct()), OtherDefaults()), Distinct());
    EXPECT_EQ(DecodeSettings(EncodeSettings(OtherDefaults()), Distinct()), OtherDefaults());
}

TEST(SettingsFile, BytesAfterTheRecordAreIgnored) {
    const QByteArray bytes = EncodeSettings(Distinct()) + QByteArray::fromHex("0500414243ffff");
    EXPECT_EQ(DecodeSettings(bytes, OtherDefaults()), Distinct());
}

TEST(SettingsFile, AnyNonZeroBooleanReadsTrue) {
    QByteArray bytes = EncodeSettings(AllStringsEmpty());
    bytes[16] = 1; // OnTop = 0x0001
    bytes[17] = 0;
    bytes[29] = 0; // EditorBold = 0x0100
    bytes[30] = 1;
    const SettingsRecord r = DecodeSettings(bytes, OtherDefaults());
    EXPECT_TRUE(r.OnTop);
    EXPECT_TRUE(r.EditorBold);
    EXPECT_FALSE(r.EditorItalic);
}

TEST(SettingsFile, OverlongStringIsCutTo65535Bytes) {
    SettingsRecord r = Distinct();
    r.SavedVersion = QString(70000, u'ř');
    const QByteArray bytes = EncodeSettings(r);
    EXPECT_EQ(bytes.size(), EncodeSettings(Distinct()).size() - 9 + 65535);
    const SettingsRecord back = DecodeSettings(bytes, OtherDefaults());
    EXPECT_EQ(back.SavedVersion, QString(65535, u'ř'));
    EXPECT_EQ(back.ShowFileTabs, r.ShowFileTabs);
    EXPECT_EQ(back.AutosaveMode, r.AutosaveMode);
}

// One field of the file: its size in the test record and how to compare it.
struct FieldSpan {
    const char* name;
    qsizetype size;
    std::function<QString(const SettingsRecord&)> show;
};

qsizetype StringSize(const QString& s) {
    return 2 + EncodeAnsi(s).size();
}

std::vector<FieldSpan> SpansOf(const SettingsRecord& r) {
    using R = const SettingsRecord&;
    auto num = [](auto v) { return QString::number(v); };
    std::vector<FieldSpan> spans = {
        {"WindowWidth", 4, [=](R x) { return num(x.WindowWidth); }},
        {"WindowHeight", 4, [=](R x) { return num(x.WindowHeight); }},
        {"WindowTop", 4, [=](R x) { return num(x.WindowTop); }},
        {"WindowLeft", 4, [=](R x) { return num(x.WindowLeft); }},
        {"OnTop", 2, [=](R x) { return num(x.OnTop); }},
        {"EditorFontName", StringSize(r.EditorFontName), [](R x) { return x.EditorFontName; }},
        {"EditorTextColor", 4, [=](R x) { return num(x.EditorTextColor); }},
        {"EditorBackColor", 4, [=](R x) { return num(x.EditorBackColor); }},
        {"EditorFontSize", 1, [=](R x) { return num(x.EditorFontSize); }},
        {"EditorBold", 2, [=](R x) { return num(x.EditorBold); }},
        {"EditorItalic", 2, [=](R x) { return num(x.EditorItalic); }},
        {"UserName", StringSize(r.UserName), [](R x) { return x.UserName; }},
        {"UserEmail", StringSize(r.UserEmail), [](R x) { return x.UserEmail; }},
        {"ShowStartScreen", 2, [=](R x) { return num(x.ShowStartScreen); }},
        {"SnapDistance", 4, [=](R x) { return num(x.SnapDistance); }},
        {"LockPassword", StringSize(r.LockPassword), [](R x) { return x.LockPassword; }},
    };
    for (int i = 0; i < 10; ++i)
        spans.push_back(
            {"RecentFiles", StringSize(r.RecentFiles[i]), [i](R x) { return x.RecentFiles[i]; }});
    const std::vector<FieldSpan> tail = {
        {"MainWindowState", 4, [=](R x) { return num(x.MainWindowState); }},
        {"SavedAt", StringSize(r.SavedAt), [](R x) { return x.SavedAt; }},
        {"SavedVersion", StringSize(r.SavedVersion), [](R x) { return x.SavedVersion; }},
        {"ShowToolbar", 2, [=](R x) { return num(x.ShowToolbar); }},
        {"ShowStatusBar", 2, [=](R x) { return num(x.ShowStatusBar); }},
        {"ShowFileTabs", 2, [=](R x) { return num(x.ShowFileTabs); }},
        {"AutosaveOn", 2, [=](R x) { return num(x.AutosaveOn); }},
        {"AutosaveMinutes", 4, [=](R x) { return num(x.AutosaveMinutes); }},
        {"AutosaveMode", 4, [=](R x) { return num(x.AutosaveMode); }},
    };
    spans.insert(spans.end(), tail.begin(), tail.end());
    return spans;
}

TEST(SettingsFile, TruncatedFileKeepsWholeFieldsAndDefaultsTheRest) {
    const SettingsRecord full = Distinct();
    const QByteArray bytes = EncodeSettings(full);
    const SettingsRecord defaults = OtherDefaults();
    const std::vector<FieldSpan> spans = SpansOf(full);
    for (qsizetype length = 0; length <= bytes.size(); ++length) {
        const SettingsRecord got = DecodeSettings(bytes.left(length), defaults);
        qsizetype end = 0;
        for (const FieldSpan& span : spans) {
            end += span.size;
            const SettingsRecord& expected = end <= length ? full : defaults;
            ASSERT_EQ(span.show(got), span.show(expected))
                << span.name << " with the file cut to " << length << " bytes";
        }
        if (length == bytes.size()) {
            EXPECT_EQ(end, length);
        }
    }
}

TEST(SettingsFile, StringRunningPastTheEndStopsReading) {
    QByteArray bytes = EncodeSettings(AllStringsEmpty());
    bytes[33] = char(0x40); // UserName claims 64 bytes, more than the rest of the file
    const SettingsRecord got = DecodeSettings(bytes, OtherDefaults());
    EXPECT_EQ(got.EditorItalic, false);
    EXPECT_EQ(got.UserName, OtherDefaults().UserName);
    EXPECT_EQ(got.UserEmail, OtherDefaults().UserEmail);
    EXPECT_EQ(got.SnapDistance, OtherDefaults().SnapDistance);
    EXPECT_EQ(got.AutosaveMinutes, OtherDefaults().AutosaveMinutes);
}

struct ClampCase {
    const char* name;
    std::function<void(SettingsRecord&, int)> store;
    std::function<int(const SettingsRecord&)> load;
    int stored;
    int expected;
};

void PrintTo(const ClampCase& c, std::ostream* os) {
    *os << c.name << " " << c.stored;
}

class SettingsClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(SettingsClamp, OutOfRangeValuesAreBroughtIntoRange) {
    SettingsRecord r = Distinct();
    GetParam().store(r, GetParam().stored);
    const SettingsRecord got = DecodeSettings(EncodeSettings(r), OtherDefaults());
    EXPECT_EQ(GetParam().load(got), GetParam().expected);
}

const auto kState = [](SettingsRecord& r, int v) { r.MainWindowState = v; };
const auto kStateOf = [](const SettingsRecord& r) { return int(r.MainWindowState); };
const auto kSnap = [](SettingsRecord& r, int v) { r.SnapDistance = v; };
const auto kSnapOf = [](const SettingsRecord& r) { return int(r.SnapDistance); };
const auto kMinutes = [](SettingsRecord& r, int v) { r.AutosaveMinutes = v; };
const auto kMinutesOf = [](const SettingsRecord& r) { return int(r.AutosaveMinutes); };
const auto kMode = [](SettingsRecord& r, int v) { r.AutosaveMode = v; };
const auto kModeOf = [](const SettingsRecord& r) { return int(r.AutosaveMode); };
const auto kSize = [](SettingsRecord& r, int v) { r.EditorFontSize = quint8(v); };
const auto kSizeOf = [](const SettingsRecord& r) { return int(r.EditorFontSize); };

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsClamp,
    ::testing::Values(ClampCase{"WindowState", kState, kStateOf, -1, 0},
                      ClampCase{"WindowState", kState, kStateOf, 0, 0},
                      ClampCase{"WindowState", kState, kStateOf, 1, 1},
                      ClampCase{"WindowState", kState, kStateOf, 2, 2},
                      ClampCase{"WindowState", kState, kStateOf, 5, 0},
                      ClampCase{"SnapDistance", kSnap, kSnapOf, -240, 10},
                      ClampCase{"SnapDistance", kSnap, kSnapOf, 9, 10},
                      ClampCase{"SnapDistance", kSnap, kSnapOf, 10, 10},
                      ClampCase{"SnapDistance", kSnap, kSnapOf, 1450, 1450},
                      ClampCase{"SnapDistance", kSnap, kSnapOf, 1451, 1450},
                      ClampCase{"AutosaveMinutes", kMinutes, kMinutesOf, 0, 1},
                      ClampCase{"AutosaveMinutes", kMinutes, kMinutesOf, 1, 1},
                      ClampCase{"AutosaveMinutes", kMinutes, kMinutesOf, 10, 10},
                      ClampCase{"AutosaveMinutes", kMinutes, kMinutesOf, 11, 10},
                      ClampCase{"AutosaveMode", kMode, kModeOf, -1, 0},
                      ClampCase{"AutosaveMode", kMode, kModeOf, 2, 2},
                      ClampCase{"AutosaveMode", kMode, kModeOf, 3, 0},
                      ClampCase{"FontSize", kSize, kSizeOf, 0, 8},
                      ClampCase{"FontSize", kSize, kSizeOf, 8, 8},
                      ClampCase{"FontSize", kSize, kSizeOf, 11, 8},
                      ClampCase{"FontSize", kSize, kSizeOf, 14, 14},
                      ClampCase{"FontSize", kSize, kSizeOf, 24, 24},
                      ClampCase{"FontSize", kSize, kSizeOf, 255, 8}));

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
