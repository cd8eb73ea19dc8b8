#include "core/colour/colour_rule_set.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

[[nodiscard]] QByteArray Spaces(qsizetype count) {
    return QByteArray(count, ' ');
}

[[nodiscard]] QByteArray Padded(const QByteArray& text, qsizetype size) {
    return text + Spaces(size - text.size());
}

[[nodiscard]] ColorRuleSet SampleSet(int ruleCount) {
    ColorRuleSet set;
    set.DefaultTextColor = RgbColor(0, 0, 128);
    set.DefaultBackground = RgbColor(255, 255, 224);
    set.Description = u"Zvýraznění HTML\r\nznaček"_s;
    set.Author = u"Jiří Čermák"_s;
    for (int i = 0; i < ruleCount; ++i)
        set.Rules.append({RgbColor(i, 2 * i, 3 * i), u"<%1"_s.arg(i), u"%1>"_s.arg(i)});
    return set;
}

TEST(ColorRuleSetFile, EmptySetIsOneHeaderRecord) {
    const QByteArray bytes = EncodeColorRuleSet(ColorRuleSet{});
    const QByteArray expected =
        QByteArray(4, '\0') + Spaces(255) + Spaces(247) + QByteArray("#FFFFFF ");
    ASSERT_EQ(bytes.size(), 514);
    EXPECT_EQ(bytes, expected);
}

// Colours are signed 32-bit little-endian numbers.
TEST(ColorRuleSetFile, HeaderAndRuleLieAtTheirOffsets) {
    ColorRuleSet set;
    set.DefaultTextColor = static_cast<ColorValue>(0x80563412u);
    set.DefaultBackground = RgbColor(255, 128, 0);
    set.Description = u"Popis"_s;
    set.Author = u"Eva Nováková"_s;
    set.Rules = {{-1, u"<b>"_s, u"</b>"_s}};
    set.FilePath = u"/tmp/nikdy.rqc"_s;

    const QByteArray bytes = EncodeColorRuleSet(set);
    ASSERT_EQ(bytes.size(), 2 * 514);
    EXPECT_EQ(bytes.mid(0, 4), QByteArray("\x12\x34\x56\x80", 4));
    EXPECT_EQ(bytes.mid(4, 255), Padded("Popis", 255));
    EXPECT_EQ(bytes.mid(259, 247), Padded("Eva Nov\xE1kov\xE1", 247));
    EXPECT_EQ(bytes.mid(506, 8), QByteArray("#FF8000 "));
    EXPECT_EQ(bytes.mid(514, 4), QByteArray("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(bytes.mid(518, 255), Padded("<b>", 255));
    EXPECT_EQ(bytes.mid(773, 255), Padded("</b>", 255));
    const std::optional<ColorRuleSet> read = DecodeColorRuleSet(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->DefaultTextColor, static_cast<ColorValue>(0x80563412u));
    EXPECT_EQ(read->Rules.at(0).Color, -1);
}

TEST(ColorRuleSetFile, CzechTextsAndLineBreaksRoundTrip) {
    ColorRuleSet set = SampleSet(2);
    set.Rules.append({RgbColor(1, 2, 3), u"Žluťoučký kůň"_s, u"úpěl ďábelské ódy\t"_s});
    set.FilePath = u"/x/y.rqc"_s;
    std::optional<ColorRuleSet> read = DecodeColorRuleSet(EncodeColorRuleSet(set));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->FilePath.isEmpty());
    read->FilePath = set.FilePath;
    EXPECT_EQ(*read, set);
}

TEST(ColorRuleSetFile, OnlySpacesAtTheEndsAreDropped) {
    ColorRuleSet set;
    set.Description = u"  popis "_s;
    set.Author = u" autor"_s;
    set.Rules = {{0, u" x "_s, u"   "_s}, {0, u"\tx\r\n"_s, u"a  b"_s}};
    const QByteArray bytes = EncodeColorRuleSet(set);
    EXPECT_EQ(bytes.mid(518, 4), QByteArray(" x  "));

    const std::optional<ColorRuleSet> read = DecodeColorRuleSet(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Description, u"popis"_s);
    EXPECT_EQ(read->Author, u"autor"_s);
    const QList<ColorRule> expected = {{0, u"x"_s, QString()}, {0, u"\tx\r\n"_s, u"a  b"_s}};
    EXPECT_EQ(read->Rules, expected);
}

// A 247-character author fills its field up to the background colour; a
// longer one is cut there.
TEST(ColorRuleSetFile, LongTextsAreCutToTheirFieldKeepingTheBackground) {
    const QString author = QString(246, u'a') + u'ž';
    for (const QString& written : {author, author + u"přesah"_s}) {
        ColorRuleSet set;
        set.Author = written;
        set.DefaultBackground = RgbColor(1, 2, 3);
        set.Description = QString(300, u'd');
        set.Rules = {{0, QString(256, u's'), QString(400, u'e')}};
        const QByteArray bytes = EncodeColorRuleSet(set);
        ASSERT_EQ(bytes.size(), 2 * 514);
        EXPECT_EQ(bytes.mid(506, 8), QByteArray("#010203 "));
        const std::optional<ColorRuleSet> read = DecodeColorRuleSet(bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->Author, author);
        EXPECT_EQ(read->DefaultBackground, RgbColor(1, 2, 3));
        EXPECT_EQ(read->Description, QString(255, u'd'));
        EXPECT_EQ(read->Rules.at(0).StartText, QString(255, u's'));
        EXPECT_EQ(read->Rules.at(0).EndText, QString(255, u'e'));
    }
}

TEST(ColorRuleSetFile, OnlyWholeRecordsAreRead) {
    const QByteArray full = EncodeColorRuleSet(SampleSet(3));
    ASSERT_EQ(full.size(), 4 * 514);
    for (const qsizetype length : {0, 1, 4, 513})
        EXPECT_FALSE(DecodeColorRuleSet(full.left(length))) << length;
    const std::pair<qsizetype, int> kCases[] = {
        {514, 0}, {2 * 514 - 1, 0}, {2 * 514, 1}, {3 * 514 + 100, 2}, {4 * 514, 3},
    };
    for (const auto& [length, rules] : kCases) {
        const std::optional<ColorRuleSet> read = DecodeColorRuleSet(full.left(length));
        ASSERT_TRUE(read) << length;
        EXPECT_EQ(read->Rules, SampleSet(rules).Rules) << length;
        EXPECT_EQ(read->Author, u"Jiří Čermák"_s) << length;
        EXPECT_EQ(read->DefaultBackground, RgbColor(255, 255, 224)) << length;
    }
}

// Nothing marks a file as a rule set: any bytes of one record read as one,
// each field as it stands.
TEST(ColorRuleSetFile, AnyBytesOfOneRecordReadAsASet) {
    ColorRuleSet letters;
    letters.DefaultTextColor = 0x41414141;
    letters.Description = QString(255, u'A');
    letters.Author = QString(247, u'A');
    letters.DefaultBackground = RgbColor(0xAA, 0xAA, 0xAA);
    EXPECT_EQ(DecodeColorRuleSet(QByteArray(514, 'A')), letters);
}

TEST(ColorRuleSetFile, SavePathEndsInExactlyTheLowerCaseExtension) {
    const std::pair<QString, QString> kCases[] = {
        {u"/tmp/barvy"_s, u"/tmp/barvy.rqc"_s},
        {u"/tmp/barvy.rqc"_s, u"/tmp/barvy.rqc"_s},
        {u"/tmp/barvy.RQC"_s, u"/tmp/barvy.RQC.rqc"_s},
        {u"/tmp/barvy.Rqc"_s, u"/tmp/barvy.Rqc.rqc"_s},
        {u"/tmp/barvy.rqc.txt"_s, u"/tmp/barvy.rqc.txt.rqc"_s},
        {u"/tmp/barvyrqc"_s, u"/tmp/barvyrqc.rqc"_s},
    };
    for (const auto& [path, saved] : kCases)
        EXPECT_EQ(ColorSetPath(path), saved) << path.toStdString();
}

} // namespace
