#include "core/colour/colour_rule_editing.h"

#include <QStringList>
#include <array>
#include <gtest/gtest.h>
#include <ostream>

using namespace Qt::StringLiterals;

void PrintTo(const EntryEdit& edit, std::ostream* out) {
    *out << '"' << edit.Stored.toStdString() << "\" cut " << edit.CutFrom << ".." << edit.CutTo;
}

namespace {

// Rules "a", "b", "c", ... so an order reads as a string.
[[nodiscard]] QList<ColorRule> Rules(const QString& names) {
    QList<ColorRule> rules;
    for (int i = 0; i < names.size(); ++i)
        rules.append({RgbColor(i, 0, 0), names.mid(i, 1), u">"_s});
    return rules;
}

[[nodiscard]] QString Order(const RuleList& list) {
    QString names;
    for (const ColorRule& rule : list.Rules)
        names += rule.StartText;
    return names;
}

TEST(RuleEditing, EmptyEndTextIsFilledFromStartText) {
    struct Case {
        QString start, end, expected;
    };
    const Case cases[] = {
        {u"<b>"_s, u""_s, u"b>"_s}, {u"x"_s, u""_s, u"x"_s},          {u"ab"_s, u""_s, u"b"_s},
        {u" č"_s, u""_s, u"č"_s},   {u"<b>"_s, u"</b>"_s, u"</b>"_s}, {u"<b>"_s, u" "_s, u" "_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilledEndText(c.start, c.end), c.expected) << c.start.toStdString();
}

TEST(RuleEditing, CurrentIndexStaysInsideTheList) {
    constexpr int None = NoCurrentRule;
    const std::array<int, 3> cases[] = {
        {None, 0, None}, {0, 0, None}, {3, 0, None}, {None, 4, 0}, {2, 4, 2}, {4, 4, 3}, {9, 4, 3},
    };
    for (const auto& [current, count, expected] : cases)
        EXPECT_EQ(ValidCurrentRule(current, count), expected) << current << " of " << count;
}

TEST(RuleEditing, AddInsertsAtCurrentRuleAndMakesItCurrent) {
    const ColorRule added{RgbColor(255, 0, 0), u"<i>"_s, u"i>"_s};

    const RuleList intoEmpty = AddRule({}, added);
    ASSERT_EQ(intoEmpty.Rules.size(), 1);
    EXPECT_EQ(intoEmpty.Rules.first(), added);
    EXPECT_EQ(intoEmpty.Current, 0);

    const RuleList five{Rules(u"abcde"_s), 2};
    const RuleList third = AddRule(five, added);
    EXPECT_EQ(Order(third), u"ab<i>cde"_s);
    EXPECT_EQ(third.Rules.at(2), added);
    EXPECT_EQ(third.Current, 2);

    EXPECT_EQ(Order(AddRule({Rules(u"abc"_s), 2}, added)), u"ab<i>c"_s);
}

TEST(RuleEditing, UpdateReplacesOnlyTheCurrentRule) {
    const ColorRule typed{RgbColor(0, 0, 255), u"x"_s, u"y"_s};
    const RuleList updated = UpdateRule({Rules(u"abc"_s), 1}, typed);
    EXPECT_EQ(Order(updated), u"axc"_s);
    EXPECT_EQ(updated.Rules.at(1), typed);
    EXPECT_EQ(updated.Current, 1);

    EXPECT_EQ(UpdateRule({}, typed), RuleList{});
}

TEST(RuleEditing, DeleteLeavesADefinedCurrentRule) {
    struct Case {
        QString rules;
        int current;
        QString expectedRules;
        int expectedCurrent;
    };
    const Case cases[] = {
        {u"abcd"_s, 1, u"acd"_s, 1}, // the next rule takes the place
        {u"abcd"_s, 0, u"bcd"_s, 0},
        {u"abcd"_s, 3, u"abc"_s, 2}, // the last went: the new last
        {u"a"_s, 0, u""_s, NoCurrentRule},
        {u""_s, NoCurrentRule, u""_s, NoCurrentRule},
    };
    for (const Case& c : cases) {
        const RuleList left = DeleteRule({Rules(c.rules), c.current});
        EXPECT_EQ(Order(left), c.expectedRules) << c.rules.toStdString() << " " << c.current;
        EXPECT_EQ(left.Current, c.expectedCurrent) << c.rules.toStdString() << " " << c.current;
    }
}

TEST(RuleEditing, MovesCarryTheCurrentRuleAndStopAtTheEnds) {
    using Move = RuleList (*)(const RuleList&);
    struct Case {
        const char* name;
        Move move;
        int current;
        QString expectedRules;
        int expectedCurrent;
    };
    const Case cases[] = {
        {"up", MoveRuleUp, 2, u"acbde"_s, 1},
        {"up from first", MoveRuleUp, 0, u"abcde"_s, 0},
        {"down", MoveRuleDown, 2, u"abdce"_s, 3},
        {"down from last", MoveRuleDown, 4, u"abcde"_s, 4},
        {"to start", MoveRuleToStart, 3, u"dabce"_s, 0},
        {"to start from first", MoveRuleToStart, 0, u"abcde"_s, 0},
        {"to end", MoveRuleToEnd, 1, u"acdeb"_s, 4},
        {"to end from last", MoveRuleToEnd, 4, u"abcde"_s, 4},
    };
    for (const Case& c : cases) {
        const RuleList moved = c.move({Rules(u"abcde"_s), c.current});
        EXPECT_EQ(Order(moved), c.expectedRules) << c.name;
        EXPECT_EQ(moved.Current, c.expectedCurrent) << c.name;
    }
}

TEST(RuleEditing, MovesAndDeleteOnAnEmptyListDoNothing) {
    for (auto move : {MoveRuleUp, MoveRuleDown, MoveRuleToStart, MoveRuleToEnd, DeleteRule})
        EXPECT_EQ(move({}), RuleList{});
}

TEST(RuleEditing, ClickedRuleKeepsOnlyTheColourItsRowShows) {
    const ColorRule rule{static_cast<ColorValue>(0x80123456), u"<a"_s, u">"_s};
    const ColorRule shown = RuleAsShown(rule);
    EXPECT_EQ(shown.Color, 0x00123456);
    EXPECT_EQ(shown.StartText, u"<a"_s);
    EXPECT_EQ(shown.EndText, u">"_s);
}

TEST(RuleEditing, EntryLineBreaksBecomeCrLf) {
    struct Case {
        QString entry, expected;
    };
    const Case cases[] = {
        {u"a\u2029b\u2028c"_s, u"a\r\nb\r\nc"_s}, {u"a\r\nb"_s, u"a\r\nb"_s},
        {u"a\rb\nc"_s, u"a\r\nb\r\nc"_s},         {u"\n\r"_s, u"\r\n\r\n"_s},
        {u"a\u00A0b\t"_s, u"a\u00A0b\t"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithCrLfBreaks(c.entry), c.expected) << c.entry.toStdString();
}

TEST(RuleEditing, StoredBreaksShowAsOneEntryBreakEach) {
    EXPECT_EQ(AsEntryText(u"a\r\nb\rc\nd\n\r\u00A0"_s),
              u"a\u2029b\u2029c\u2029d\u2029\u2029\u00A0"_s);
}

// An edit stores anew only what it changed: breaks elsewhere keep their kind,
// so an entry loaded with lone LF or CR breaks never grows past its field.
TEST(RuleEditing, AnEditKeepsTheBreaksItDidNotTouchAndRefusesWhatWouldNotFit) {
    const QString lfLines = QStringLiteral("ab\n").repeated(85); // 255 characters
    const QString lfEntry = AsEntryText(lfLines);
    struct Case {
        const char* name;
        QString storedBefore, entryText;
        qsizetype maxLength, changedFrom;
        EntryEdit expected;
    };
    const Case cases[] = {
        {"backspace at the end of a full LF text",
         lfLines,
         lfEntry.chopped(1),
         255,
         254,
         {lfLines.chopped(1), 254, 254}},
        {"one more character than the field",
         lfLines,
         lfEntry + u"x"_s,
         255,
         255,
         {lfLines, 255, 256}},
        {"typing between lone breaks",
         u"a\rb\nc"_s,
         u"a\u2029bX\u2029c"_s,
         255,
         3,
         {u"a\rbX\nc"_s, 4, 4}},
        {"Enter before an LF break", u"a\nb"_s, u"a\u2029\u2029b"_s, 255, 1, {u"a\r\n\nb"_s, 2, 2}},
        {"Shift+Enter", u"ab"_s, u"a\u2028b"_s, 255, 1, {u"a\r\nb"_s, 2, 2}},
        {"deleting the first of two breaks", u"\r\n\n"_s, u"\u2029"_s, 255, 0, {u"\n"_s, 0, 0}},
        {"replacing a selection over a break",
         u"x\ny\rz"_s,
         u"x\u2029Q"_s,
         255,
         2,
         {u"x\nQ"_s, 3, 3}},
        {"paste cut where it would not fit",
         u"abc\ndef"_s,
         u"abcXYZ\u2029W\u2029def"_s,
         10,
         3,
         {u"abcXYZ\ndef"_s, 6, 8}},
        {"nothing changed", u"a\rb"_s, u"a\u2029b"_s, 3, 0, {u"a\rb"_s, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditEntryText(c.storedBefore, c.entryText, c.maxLength, c.changedFrom),
                  c.expected)
            << c.name;
}

} // namespace
