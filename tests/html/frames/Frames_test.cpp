#include "html/frames/Frames.h"

#include "html/html_window_test.h"

#include "core/html/html_document_head.h"
#include "core/settings/app_version.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

class FramesWindow : public HtmlWindowTest {
protected:
    FramesWindow() { Program().Settings.UserName = u"Jan"_s; }

    // The page written after the head, whose creation time is not looked at.
    QString afterHead(const QString& old) {
        const QString page = confirmOn<Frames>(old, 0, 0);
        // Any moment gives a head of the same length.
        const QString head =
            HtmlDocumentHead(AppVersionText(), u"Jan"_s, QDateTime(QDate(2001, 3, 7), QTime()));
        EXPECT_TRUE(page.startsWith(head.left(head.indexOf(u"  <META NAME=\"CREATED\""_s))));
        return page.mid(head.size());
    }

    Frames& window = openDialog<Frames>();
};

TEST_F(FramesWindow, OkPutsTheOldTextOrAMessageInsideNoframesAndSelectsIt) {
    const QString prefix = u"  <TITLE>Titulek</TITLE>\r\n </HEAD>\r\n <FRAMESET>\r\n"
                           u" </FRAMESET>\r\n <NOFRAMES>\r\n"_s;
    const QString end = u"\r\n </NOFRAMES>\r\n</HTML>"_s;
    const QString message = u"Tento Prohlížeč nepodporuje Framesy"_s;
    for (const QString& old : {u""_s, u"první\r\ndruhý\n"_s}) {
        const QString inside = old.isEmpty() ? message : old;
        EXPECT_EQ(afterHead(old), prefix + inside + end);
        EXPECT_EQ(form.surface().selText(), inside);
        EXPECT_EQ(form.surface().selLength(), inside.size());
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(FramesWindow, RowsAndColsAreWrittenOnlyWhileTicked) {
    EXPECT_FALSE(child(window, u"Text1"_s)->isEnabled());
    tick(window, u"Check2"_s);
    child<QLineEdit>(window, u"Text2"_s)->setText(u"20%,*"_s);
    child<QLineEdit>(window, u"Text3"_s)->setText(u"Rámy"_s);
    const QString page = afterHead(u"x"_s);
    EXPECT_TRUE(page.startsWith(u"  <TITLE>Rámy</TITLE>\r\n </HEAD>\r\n"
                                u" <FRAMESET COLS=\"20%,*\">\r\n"_s))
        << page.toStdString();
    tick(window, u"Check1"_s);
    EXPECT_TRUE(afterHead(u"x"_s).contains(u" <FRAMESET ROWS=\"*,50%,50\" COLS=\"20%,*\">"_s));
}

} // namespace
