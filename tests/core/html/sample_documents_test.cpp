#include "core/html/sample_documents.h"

#include "core/html/html_document_head.h"
#include "core/text/random_generator.h"
#include "core/text/random_text.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime AfternoonInMarch(QDate(2001, 3, 7), QTime(14, 5, 9));

// A fixed clock and user, and the program's generator from a fixed state.
class Samples : public ::testing::Test {
protected:
    Samples() {
        Rnd().reset();
        Rnd().seed(30);
    }

    SampleInputs inputs{HtmlDocumentHead(u"1.0.0b CZ"_s, u"Jan"_s, AfternoonInMarch), u"Jan"_s,
                        u"jan@example.cz"_s, RandomSentence, RandomParagraph};

    [[nodiscard]] QString build(QStringView key) const {
        const SampleRow* row = SampleRowOf(key);
        EXPECT_NE(row, nullptr) << key.toString().toStdString();
        return row != nullptr ? row->build(inputs) : QString();
    }
};

} // namespace

TEST_F(Samples, EachHasItsLineCountAndItsFinalLineBreakRule) {
    struct Case {
        QStringView key;
        bool hasHead;
        int lines; // after the head
        bool endsWithCrLf;
    };
    const Case cases[] = {
        {u"HTML1", true, 8, false},  {u"HTML2", true, 34, true},   {u"HTML3", true, 23, true},
        {u"HTML4", true, 22, false}, {u"INI1", false, 61, true},   {u"INI2", false, 19, true},
        {u"INF1", false, 5, true},   {u"HTML5", true, 111, false}, {u"BAT1", false, 6, true},
        {u"BAT2", false, 6, true},   {u"DIZ1", false, 14, true},
    };
    ASSERT_EQ(SampleRows().size(), std::size(cases));
    for (const Case& c : cases) {
        const std::string key = c.key.toString().toStdString();
        const QString text = build(c.key);
        EXPECT_EQ(text.startsWith(inputs.head), c.hasHead) << key;
        const QString body = c.hasHead ? text.mid(inputs.head.size()) : text;
        EXPECT_EQ(body.endsWith(u"\r\n"_s), c.endsWithCrLf) << key;
        // Every line break is CR LF; a last line without one still counts.
        EXPECT_EQ(body.count(u'\n'), body.count(u"\r\n"_s)) << key;
        EXPECT_EQ(body.count(u'\r'), body.count(u"\r\n"_s)) << key;
        const qsizetype lines = body.count(u"\r\n"_s) + (c.endsWithCrLf ? 0 : 1);
        EXPECT_EQ(lines, c.lines) << key;
    }
}

TEST_F(Samples, HomepageIsTheHeadAndEightExactLines) {
    EXPECT_EQ(TemplateHtmlHomepage(inputs),
              inputs.head + u"  <TITLE>My HOMEPAGE</TITLE>\r\n"
                            u" </HEAD>\r\n"
                            u" <BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#424242\" LINK=\"#FF7D00\" "
                            u"VLINK=\"#FFE100\" ALINK=\"#E1FF00\">\r\n"
                            u"  <H1> WELCOME ! </H1>\r\n"
                            u"  <HR ALIGN = \"CENTER\" NOSHADE Width = \"50%\">\r\n"
                            u"  <CENTER> <A HREF=\"mailto:jan@example.cz\" >Zamailujte mi!</A> "
                            u"</CENTER>\r\n"
                            u" </BODY>\r\n"
                            u"</HTML>"_s);
}

TEST_F(Samples, QuotedLinesStandAsTheyAre) {
    const std::pair<QStringView, QString> cases[] = {
        {u"BAT1", u"@echo off\r\nSET BLASTER=A220 I5 D1 H5 P330 T6 \r\n"
                  u"SET SOUND=C:\\PROGRA~1\\CREATIVE\\AUDIOAPP\r\n"_s},
        {u"BAT2", u"\r\ncall updatenow.bat\r\nall updatenow.bat\r\n"_s},
        {u"INF1", u"shell\\readme\\command=notepad cti_mne.txt\r\n"
                  u"shell\\readme=&Informace o CD-ROM\r\n"_s},
        {u"INI2", u"[Settings]\r\nPreviewPages=2\r\n\r\n"_s},
        {u"INI1", u"\r\n\r\n[AutoCAD Graphics Window]\r\nWindowState=5\r\n"_s},
        {u"INI1", u"\r\nToolBar13=Elev ^74^\r\nToolBar14=\r\n"_s},
        {u"HTML2", u"<body bgcolor=\"#000000\" text=\"#c0c0c0\"> \r\n"_s},
        {u"HTML3", u"<B><I>Quot: O čem to je</I></B><BR>\r\n"_s},
        {u"HTML4", u"\r\n</table></center></body></html>"_s},
        {u"HTML5", u"\r\n</BODY>\r\n</HTML>"_s},
    };
    for (const auto& [key, part] : cases)
        EXPECT_TRUE(build(key).contains(part)) << key.toString().toStdString();
}

TEST_F(Samples, DescriptionNamesTheUserEvenWhenUnknown) {
    for (const QString& user : {u"Jan"_s, u""_s}) {
        inputs.userName = user;
        inputs.userEmail = user.isEmpty() ? QString() : u"jan@example.cz"_s;
        EXPECT_TRUE(TemplateFileIdDiz(inputs).contains(
            u"\r\n\r\nAuthor: "_s + user + u"\r\nE-Mail: "_s + inputs.userEmail + u"\r\nWeb:  "_s));
    }
    EXPECT_TRUE(TemplateHtmlHomepage(inputs).contains(u"<A HREF=\"mailto:\" >"_s));
}

TEST_F(Samples, RandomPartsChangeWithEveryBuildAndRepeatFromTheSameSeed) {
    for (const QStringView key : {u"HTML2", u"HTML3", u"HTML4"}) {
        Rnd().reset();
        Rnd().seed(7);
        const QString first = build(key);
        EXPECT_NE(build(key), first) << key.toString().toStdString();
        Rnd().reset();
        Rnd().seed(7);
        EXPECT_EQ(build(key), first) << key.toString().toStdString();
    }
}
