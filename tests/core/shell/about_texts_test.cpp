#include "core/shell/about_texts.h"
#include "core/text/string_functions.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

TEST(FreewareNotice, NamesLicenseeBetweenTheFreewareLineAndTheFiles) {
    const QString freeLine = u"Tarvel Qor je freeware: smíte jej zdarma používat a kopírovat."_s;
    const QString filesLine = u"Nápovědu najdete v souboru tarvel.html a další informace "
                              u"v souboru readme.txt, které jsou přiloženy k programu."_s;
    const struct {
        QString name, email, licensee;
    } cases[] = {
        {u"Jana Nováková"_s, u"jana@pc.cz"_s, u"\"Jana Nováková\" <jana@pc.cz>"_s},
        {{}, u"eva@pc.cz"_s, u"\"\" <eva@pc.cz>"_s},
        {u"Eva"_s, {}, u"\"Eva\" <>"_s},
        {u"\"X\""_s, u"<a>"_s, u"\"\"X\"\" <<a>>"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FreewareNoticeText(c.name, c.email),
                  freeLine + u"\r\n\r\n"_s + c.licensee + u"\r\n\r\n"_s + filesLine);
    }
    EXPECT_EQ(QString::fromUtf16(FreewareNoticeTitle), u"Freeware"_s);
}

TEST(AboutBox, TextsCarryTheVersion) {
    EXPECT_EQ(AboutVersionLine(u"1.0.0b CZ"_s), u"Tarvel Qor - (Malý) textový editor v1.0.0b CZ"_s);
    EXPECT_EQ(SystemAboutTitle(u"1.0.0b CZ"_s), u"O aplikaci Halvereths Tarvel Qor v1.0.0b CZ"_s);
    EXPECT_TRUE(SystemAboutText(u"2.1.3b CZ"_s)
                    .startsWith(u"Halvereths Tarvel Qor v2.1.3b CZ\r\nCopyright"_s));
}

// Draws answered from a script, recording the range each asked for.
struct ScriptedDraws {
    std::vector<int> answers;
    std::vector<std::pair<int, int>> ranges;
    std::size_t next = 0;
    int operator()(int lo, int hi) {
        ranges.emplace_back(lo, hi);
        return answers.at(next++);
    }
};

TEST(AboutBox, CaptionCaseFollowsOneDrawPerCharacter) {
    const struct {
        QString text;
        std::vector<int> draws;
        QString cased;
    } cases[] = {
        {u"Halvereths Tarvel Qor"_s,
         {2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 1, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1},
         u"HaLvErEtHs TARVEL qor"_s},
        {u"Ab1 ž"_s, {1, 2, 1, 2, 2}, u"aB1 Ž"_s},
        {{}, {}, {}},
    };
    for (const auto& c : cases) {
        ScriptedDraws draws{c.draws, {}, 0};
        EXPECT_EQ(RandomCase(c.text, std::ref(draws)), c.cased);
        EXPECT_EQ(draws.next, c.draws.size()) << "one draw per character";
        for (const auto& range : draws.ranges)
            EXPECT_EQ(range, std::pair(1, 2));
    }
}

TEST(AboutBox, LogoLinesMeetPassAndRestartBeyondTheEdge) {
    LogoSweep sweep;
    EXPECT_EQ(sweep.column(), -1);
    EXPECT_EQ(sweep.row(), -1);
    // A 4 x 2 picture: the columns restart after 5 steps, the rows after 3.
    const struct {
        int k, m;
    } steps[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {5, 1}, {0, 2}, {1, 3}};
    for (const auto& s : steps) {
        const auto bands = sweep.step(4, 2);
        EXPECT_EQ(bands[0], (InvertedBand{s.k, 0, 1, 2}));
        EXPECT_EQ(bands[1], (InvertedBand{4 - s.k, 0, 1, 2}));
        EXPECT_EQ(bands[2], (InvertedBand{0, s.m, 4, 1}));
        EXPECT_EQ(bands[3], (InvertedBand{0, 2 - s.m, 4, 1}));
    }
    EXPECT_EQ(sweep.column(), 1);
    EXPECT_EQ(sweep.row(), -1);
}

} // namespace
