#include "core/utilities/selection_reshaping.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SelectionReshaping, RotationMovesTheFirstCharactersToTheEnd) {
    const struct {
        QString text;
        int count;
        QString expected;
    } cases[] = {
        {u"klmnop"_s, 1, u"lmnopk"_s}, {u"klmnop"_s, 2, u"mnopkl"_s},
        {u"klmnop"_s, 6, u"klmnop"_s}, {u"ab\r\ncd"_s, 3, u"\ncdab\r"_s},
        {u"klmnop"_s, 9, u"klmnop"_s}, {u"klmnop"_s, -1, u"klmnop"_s},
        {QString(), 1, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RotateLeft(c.text, c.count), c.expected) << c.count;
}

TEST(SelectionReshaping, RepetitionAndItsLimit) {
    EXPECT_EQ(RepeatText(u"ab-"_s, 3), u"ab-ab-ab-"_s);
    EXPECT_EQ(RepeatText(u"ab-"_s, 1), u"ab-"_s);
    EXPECT_EQ(RepeatText(u"ab-"_s, 0), QString());

    const struct {
        qint64 document;
        qint64 selection;
        int times;
        bool fits;
    } cases[] = {
        {10, 4, 3, true},   // 6 + 12 = 18
        {10, 4, 4, true},   // 6 + 16 = 22, just at the limit
        {10, 4, 5, false},  // 26
        {10, 0, 100, true}, // nothing to repeat
        {30, 4, 1, true},   // already past the limit, but no longer
        {1442401, 1442401, 2, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RepetitionFits(c.document, c.selection, c.times, 22), c.fits)
            << c.document << " " << c.selection << " x" << c.times;
}

TEST(SelectionReshaping, TypedMaskKeepsOnlyMaskLettersInUpperCase) {
    EXPECT_EQ(CleanCaseMask(u"ulx"_s), u"UL"_s);
    EXPECT_EQ(CleanCaseMask(u"u l-R?i!p"_s), u"ULRIP"_s);
    EXPECT_EQ(CleanCaseMask(u"xyz"_s), QString());
}

TEST(SelectionReshaping, MaskCasesEachCharacterByItsCyclingLetter) {
    // R draws 1 (lower) and 2 (upper) in turn.
    const auto alternating = [] {
        return [next = 0](int, int) mutable { return 1 + (next++ % 2); };
    };
    const struct {
        QString text;
        QString mask;
        QString expected;
    } cases[] = {
        {u"ABC"_s, u"PL"_s, u"AbC"_s},
        // The sixth character starts the mask again; R gave c lower case.
        {u"abcdefg"_s, u"ULRIP"_s, u"AbcDeFg"_s},
        {u"žluť kůň"_s, u"U"_s, u"ŽLUŤ KŮŇ"_s},
        {u"ŽLUŤ"_s, u"L"_s, u"žluť"_s},
        {u"aB1"_s, u"I"_s, u"Ab1"_s},
        {u"ab cd\r\nef"_s, u"UP"_s, u"Ab cD\r\neF"_s},
        // A letter outside the five drops its character; an empty mask drops all.
        {u"abcd"_s, u"Ux"_s, u"AC"_s},
        {u"abcd"_s, u"u"_s, QString()},
        {u"abcd"_s, QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MaskCase(c.text, c.mask, alternating()), c.expected)
            << c.text.toStdString() << " / " << c.mask.toStdString();
}

} // namespace
