#include "core/text/text_checksums.h"

#include <QList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray codes(std::initializer_list<int> list) {
    QByteArray bytes;
    for (const int code : list)
        bytes.append(static_cast<char>(code));
    return bytes;
}

TEST(TextChecksums, SumsLeaveOutTheCharactersAfterTheLastWholePairOrGroup) {
    struct Case {
        const char* name;
        QByteArray codes;
        TextChecksums sums;
    };
    const Case cases[] = {
        {"empty", {}, {0, 0, 0, 0}},
        {"abc", "abc", {294, 3, 0, 96}},
        {"one character", codes({255}), {255, 0, 0, 0}},
        // The fifth code would add 255 to the pair sums and to no group.
        {"five", codes({3, 1, 7, 5, 255}), {271, 4, 4, 6}},
        {"four", codes({3, 1, 7, 5}), {16, 4, 4, 6}},
        {"high codes",
         codes({0xE8, 0x9A, 0xFF, 0x80}),
         {0xE8 + 0x9A + 0xFF + 0x80, (0x9A ^ 0xE8) + (0x80 ^ 0xFF), (0x80 & 0xFF) ^ (0x9A & 0xE8),
          (0x9A & 0xE8) + (0x80 & 0xFF)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeTextChecksums(c.codes), c.sums) << c.name;
}

TEST(TextChecksums, ALongTextPassesThe32BitRangeWithoutWrapping) {
    const TextChecksums sums = ComputeTextChecksums(QByteArray(8'500'000, '\xff'));
    EXPECT_EQ(sums.sum, 2'167'500'000);
    EXPECT_EQ(sums.andSum, 1'083'750'000);
    EXPECT_EQ(ChecksumReport(sums).section(u"\r\n"_s, 0, 0),
              u"MyCRC součet je #81316CE0 (2167500000)"_s);
}

TEST(TextChecksums, ReportPutsTheAndSumBeforeTheGroupSum) {
    EXPECT_EQ(ChecksumReport(ComputeTextChecksums("abc")), u"MyCRC součet je #126 (294)\r\n"
                                                           u"ContraCRC součet je #3 (3)\r\n"
                                                           u"&CRC součet je #60 (96)\r\n"
                                                           u"ShortCRC součet je #0 (0)"_s);
    EXPECT_EQ(ChecksumReport({}), u"MyCRC součet je #0 (0)\r\n"
                                  u"ContraCRC součet je #0 (0)\r\n"
                                  u"&CRC součet je #0 (0)\r\n"
                                  u"ShortCRC součet je #0 (0)"_s);
}

TEST(TextChecksums, ProgressIsToldBeforeEachLaterSum) {
    QList<int> steps;
    (void)ComputeTextChecksums("abcd", [&steps](int step) { steps.append(step); });
    EXPECT_EQ(steps, (QList<int>{2, 3, 4}));
}

} // namespace
