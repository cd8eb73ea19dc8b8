#include "platform/eliding_label.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Whatever the text, the label is one line high and shows the text as typed,
// tags included, line breaks as blanks, ending in "…" where it goes on.
TEST(ElidingLabel, ShowsAnyTextAsItStandsOnOneLine) {
    const QString page = u"<html><body><P>Odstavec <b>tučně</b>\r\n<P>další řádek\n"_s;
    struct Case {
        const char* name;
        QString text;
        QString shownStart;
        bool elided;
    };
    const Case kCases[] = {
        {"plain", u"krátký text"_s, u"krátký text"_s, false},
        {"file name with tags", u"<b>a</b>.html"_s, u"<b>a</b>.html"_s, false},
        {"paragraphs", u"<P>a<P>b<P>c<P>d<P>e<P>f<P>g"_s, u"<P>a<P>b<P>c<P>d<P>e<P>f<P>g"_s, false},
        {"entity", u"&lt;b&gt;"_s, u"&lt;b&gt;"_s, false},
        {"line breaks", u"a\r\nb\rc\nd\u2029e"_s, u"a b c d e"_s, false},
        {"a large page", page.repeated(4000), u"<html><body><P>Odstavec <b>tučně</b> <P>"_s, true},
    };
    ElidingLabel label;
    label.resize(400, 30);
    const int lineHeight = label.fontMetrics().height();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        label.setText(c.text);
        EXPECT_EQ(label.sizeHint().height(), lineHeight);
        EXPECT_EQ(label.minimumSizeHint().height(), lineHeight);
        const QString shown = label.shownText();
        EXPECT_TRUE(shown.startsWith(c.shownStart)) << shown.toStdString();
        EXPECT_EQ(shown.endsWith(u'…'), c.elided) << shown.toStdString();
        EXPECT_LE(label.fontMetrics().horizontalAdvance(shown), 400);
        EXPECT_EQ(label.text(), c.text);
    }
}

} // namespace
