#include "core/html_document_head.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime AfternoonInMarch(QDate(2001, 3, 7), QTime(14, 5, 9));

// The lines of a head, each of which must have ended in CR LF.
QStringList linesOf(const QString& head) {
    EXPECT_TRUE(head.endsWith(u"\r\n"_s));
    QStringList lines = head.split(u"\r\n"_s);
    lines.removeLast();
    return lines;
}

} // namespace

TEST(HtmlDocumentHead, WritesTheEightLinesEachEndingInCrLf) {
    const QString head = HtmlDocumentHead(u"1.0.0b CZ"_s, u"Jan Novák"_s, AfternoonInMarch);
    EXPECT_EQ(head, u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Final//EN\">\r\n"
                    u"<HTML>\r\n"
                    u" <HEAD>\r\n"
                    u"  <META HTTP-EQUIV=\"Content-Type\" "
                    u"CONTENT=\"text/html; charset=windows-1250\">\r\n"
                    u"  <META NAME=\"GENERATOR\" CONTENT=\"Halvereths TARvel Qor v1.0.0b CZ\">\r\n"
                    u"  <META NAME=\"AUTHOR\" CONTENT=\"Jan Novák\">\r\n"
                    u"  <META NAME=\"CREATED\" CONTENT=\"03-07-2001 14:05:09\">\r\n"
                    u"  <META NAME=\"PROGID\" CONTENT=\"TarvelQor.EDITOR.DOCUMENT\">\r\n"_s);
    // No line break other than the eight CR LF pairs, and HEAD stays open.
    EXPECT_EQ(head.count(u'\r'), 8);
    EXPECT_EQ(head.count(u'\n'), 8);
    EXPECT_FALSE(head.contains(u"</HEAD>"_s));
}

TEST(HtmlDocumentHead, AuthorIsWrittenUnescapedEvenWhenEmpty) {
    const std::vector<std::pair<QString, QString>> cases = {
        {u""_s, u"  <META NAME=\"AUTHOR\" CONTENT=\"\">"_s},
        {u"A \"B\" & <C>"_s, u"  <META NAME=\"AUTHOR\" CONTENT=\"A \"B\" & <C>\">"_s},
    };
    for (const auto& [author, line] : cases) {
        const QStringList lines = linesOf(HtmlDocumentHead(u"1"_s, author, AfternoonInMarch));
        ASSERT_EQ(lines.size(), 8) << author.toStdString();
        EXPECT_EQ(lines[5], line);
    }
}
