#include "platform/plain_text.h"

#include <QTextDocument>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What a tool tip shows: Qt lays out a text that looks like markup as rich text.
QString ShownToolTip(const QString& toolTip) {
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

TEST(PlainToolTip, ShowsTheTextAsItStands) {
    const QString kTexts[] = {
        u"/home/uzivatel/dopis.html"_s,
        u"/tmp/<b>a</b>.html"_s,
        u"/tmp/a&lt;b&gt;.html"_s,
        u"<P>první  řádek\ndruhý & třetí"_s,
    };
    for (const QString& text : kTexts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ShownToolTip(PlainToolTip(text)), text);
    }
    // A text Qt shows as it is stays as it is.
    EXPECT_EQ(PlainToolTip(u"/home/uzivatel/dopis.html"_s), u"/home/uzivatel/dopis.html"_s);
}

// Qt replaces a lone "[*]" in a title by the modified marker or nothing.
TEST(PlainWindowTitle, ShowsTheTextAsItStandsModifiedOrNot) {
    const QString kTitles[] = {
        u"Tarvel Qor (/tmp/dopis.html)"_s,
        u"Tarvel Qor (/tmp/a[*].html)"_s,
        u"[*][*] a [*]"_s,
    };
    QWidget window;
    window.show();
    for (const bool modified : {false, true}) {
        window.setWindowModified(modified);
        for (const QString& title : kTitles) {
            SCOPED_TRACE(title.toStdString());
            window.setWindowTitle(PlainWindowTitle(title));
            EXPECT_EQ(window.windowHandle()->title(), title);
        }
    }
}

} // namespace
