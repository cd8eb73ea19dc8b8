#include "core/html/html_document_head.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime AfternoonInMarch(QDate(2001, 3, 7), QTime(14, 5, 9));

} // namespace

// Eight lines, each ending in CR LF; HEAD stays open for the caller.
TEST(HtmlDocumentHead, WritesTheEightLinesEachEndingInCrLf) {
    EXPECT_EQ(HtmlDocumentHead(u"1.0.0b CZ"_s, u"Jan Novák"_s, AfternoonInMarch),
              u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Final//EN\">\r\n"
              u"<HTML>\r\n"
              u" <HEAD>\r\n"
              u"  <META HTTP-EQUIV=\"Content-Type\" "
              u"CONTENT=\"text/html; charset=windows-1250\">\r\n"
              u"  <META NAME=\"GENERATOR\" CONTENT=\"Halvereths TARvel Qor v1.0.0b CZ\">\r\n"
              u"  <META NAME=\"AUTHOR\" CONTENT=\"Jan Novák\">\r\n"
              u"  <META NAME=\"CREATED\" CONTENT=\"03-07-2001 14:05:09\">\r\n"
              u"  <META NAME=\"PROGID\" CONTENT=\"TarvelQor.EDITOR.DOCUMENT\">\r\n"_s);
}

TEST(HtmlDocumentHead, AuthorIsWrittenUnescapedEvenWhenEmpty) {
    const std::pair<QString, QString> cases[] = {
        {u""_s, u"\r\n  <META NAME=\"AUTHOR\" CONTENT=\"\">\r\n"_s},
        {u"A \"B\" & <C>"_s, u"\r\n  <META NAME=\"AUTHOR\" CONTENT=\"A \"B\" & <C>\">\r\n"_s},
    };
    for (const auto& [author, line] : cases) {
        const QString head = HtmlDocumentHead(u"1"_s, author, AfternoonInMarch);
        EXPECT_TRUE(head.contains(line)) << head.toStdString();
    }
}
