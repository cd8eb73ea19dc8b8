#include "core/html/html_head_lines.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(HtmlHeadLines, DocumentTypeGoesBeforeTheWholeTextEachTime) {
    const QString line = DocumentTypeLines().at(0);
    EXPECT_EQ(line, u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">"_s);
    EXPECT_EQ(WithDocumentType(line, QString()), line + u"\r\n"_s);
    const QString twice = WithDocumentType(line, WithDocumentType(line, u"<HTML>"_s));
    EXPECT_EQ(twice, line + u"\r\n"_s + line + u"\r\n<HTML>"_s);
    EXPECT_EQ(DocumentTypeLines().size(), 4);
}

TEST(HtmlHeadLines, SettingsLinesTakeNameAndAddressAsTheyAre) {
    const struct {
        QString user;
        QString email;
        QStringList lines;
    } cases[] = {
        {QString(),
         u"a@b.cz"_s,
         {u"<META NAME=\"AUTHOR\" CONTENT=\"\">"_s,
          u"<META NAME=\"GENERATOR\" CONTENT=\"Halvereths Tarvel Qor v1.2.3b CZ\">"_s,
          u"<META NAME=\"REPLY-TO\" CONTENT=\"a@b.cz\">"_s,
          u"<META NAME=\"ORIGINATOR\" CONTENT=\"Halvereths Tarvel Qor v1.2.3b CZ\">"_s}},
        {u"Jan \"Honza\" Novák"_s,
         QString(),
         {u"<META NAME=\"AUTHOR\" CONTENT=\"Jan \"Honza\" Novák\">"_s,
          u"<META NAME=\"GENERATOR\" CONTENT=\"Halvereths Tarvel Qor v1.2.3b CZ\">"_s,
          u"<META NAME=\"REPLY-TO\" CONTENT=\"\">"_s,
          u"<META NAME=\"ORIGINATOR\" CONTENT=\"Halvereths Tarvel Qor v1.2.3b CZ\">"_s}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MetaSettingsLines(c.user, c.email, u"1.2.3b CZ"_s), c.lines)
            << c.user.toStdString();
}

TEST(HtmlHeadLines, SamplesAreSixteenMetaTags) {
    const QStringList samples = MetaSampleLines();
    ASSERT_EQ(samples.size(), 16);
    for (const QString& sample : samples) {
        EXPECT_TRUE(sample.startsWith(u"<META "_s)) << sample.toStdString();
        EXPECT_TRUE(sample.endsWith(u"\">"_s)) << sample.toStdString();
    }
    EXPECT_TRUE(samples.at(6).contains(u"CONTENT=\"1; URL=http"_s));
    EXPECT_TRUE(samples.at(6).endsWith(u"/index.php\">"_s));
}

} // namespace
