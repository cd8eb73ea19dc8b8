#include "core/shell/browser_rules.h"

#include <QDateTime>
#include <QDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(BrowserRules, CaptionNamesThePage) {
    EXPECT_EQ(BrowserCaption(u"Úvod"_s), u"HTML testovací browser (Úvod)"_s);
    EXPECT_EQ(BrowserFirstCaption, u"HTML Testovací  browser"_s);
}

TEST(BrowserRules, FileAddressEscapesWhatAddressesReserve) {
    struct Case {
        const char* name;
        QString path;
        QString expected;
    };
    const Case cases[] = {
        {"plain", u"/tmp/a.html"_s, u"file:///tmp/a.html"_s},
        {"hash and space", u"/tmp/a b#1/p.html"_s, u"file:///tmp/a b%231/p.html"_s},
        {"percent and question mark", u"/tmp/50%?.html"_s, u"file:///tmp/50%25%3F.html"_s},
        {"Czech letters", u"/tmp/č.html"_s, u"file:///tmp/č.html"_s},
        {"empty", u""_s, u""_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BrowserFileAddress(c.path), c.expected) << c.name;
        if (!c.path.isEmpty()) {
            EXPECT_EQ(QUrl(c.expected).toLocalFile(), c.path) << c.name << " reads back";
        }
    }
    EXPECT_EQ(BrowserFileAddress(u"x.html"_s),
              QUrl::fromLocalFile(QDir::current().absoluteFilePath(u"x.html"_s)).toString());
}

TEST(BrowserRules, ProgressInPerCentWithinBounds) {
    const QLocale c = QLocale::c();
    struct Case {
        qint64 progress;
        qint64 max;
        QString expected;
    };
    const Case cases[] = {
        {50, 100, u"50%"_s}, {1, 3, u"33.3333333333333%"_s},
        {0, 0, u""_s},       {150, 100, u"100%"_s},
        {-5, 100, u"0%"_s},  {100000, 1000, u"100%"_s},
        {2, 8, u"25%"_s},
    };
    for (const Case& k : cases)
        EXPECT_EQ(BrowserProgressText(k.progress, k.max, c), k.expected)
            << k.progress << "/" << k.max;
    EXPECT_EQ(BrowserProgressText(1, 8, QLocale(QLocale::Czech)), u"12,5%"_s);
}

// Czech numeric form whatever the locale, so no English month ever shows.
TEST(BrowserRules, DateAndTimeInCzechForm) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(BrowserDateText(QDate(2027, 1, 2)), u"2.1.2027"_s);
    EXPECT_EQ(BrowserTimeText(QTime(9, 5, 7)), u"9:05:07"_s);
    QLocale::setDefault(before);
}

TEST(BrowserRules, VisitMovesTheFirstEqualAddressToTheTop) {
    const QStringList history = {u"a"_s, u"b"_s, u"c"_s, u"b"_s};
    EXPECT_EQ(HistoryAfterVisit(history, u"b"_s), (QStringList{u"b"_s, u"a"_s, u"c"_s, u"b"_s}));
    EXPECT_EQ(HistoryAfterVisit(history, u"B"_s),
              (QStringList{u"B"_s, u"a"_s, u"b"_s, u"c"_s, u"b"_s}));
    EXPECT_EQ(HistoryAfterVisit({}, u"x"_s), (QStringList{u"x"_s}));
}

TEST(BrowserRules, PagesAreKnownByTheirExtension) {
    for (const QString& page : {u"/a/b.html"_s, u"/a/b.HTM"_s, u"c.xhtml"_s, u"d.shtml"_s})
        EXPECT_TRUE(IsHtmlPageName(page)) << page.toStdString();
    for (const QString& other : {u"/a/run.bat"_s, u"/a/b.html.sh"_s, u"/a/html"_s, u"x.php"_s})
        EXPECT_FALSE(IsHtmlPageName(other)) << other.toStdString();
}

TEST(BrowserRules, AnimationRunsThroughEightFrames) {
    int frame = 1;
    QList<int> seen;
    for (int i = 0; i < 9; ++i) {
        seen << frame;
        frame = NextBusyFrame(frame);
    }
    EXPECT_EQ(seen, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 1}));
}

} // namespace
