#include "html/page/Vytvor.h"

#include "html/html_window_test.h"

#include "core/html/html_document_head.h"
#include "core/settings/app_version.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr ColorValue White = RgbColor(255, 255, 255);
constexpr ColorValue Red = RgbColor(255, 0, 0);

class VytvorWindow : public HtmlWindowTest {
protected:
    template <class Control = QWidget> Control* control(const QString& name) {
        return child<Control>(window, name);
    }
    void tick(const QString& box) { HtmlWindowTest::tick(window, box); }
    // A colour button answered by the picker with red.
    void pickRed(const QString& button) {
        pickNext({255, 0, 0});
        click(window, button);
    }
    // Confirms on a document holding old and returns the BODY line written.
    QString bodyFor(const QString& old) {
        const QString page = confirmOn<Vytvor>(old, 0, 0);
        const qsizetype start = page.indexOf(u" <BODY"_s);
        return page.mid(start, page.indexOf(u"\r\n"_s, start) - start);
    }
    [[nodiscard]] QColor colourOf(const QString& name, QPalette::ColorRole role) {
        return control(name)->palette().color(role);
    }

    Vytvor& window = openDialog<Vytvor>();
};

TEST_F(VytvorWindow, OpensWithABlackLabelBesideAWhiteBoxAndSomeControlsGreyed) {
    EXPECT_EQ(control<QTabWidget>(u"TabStrip1"_s)->currentIndex(), 0);
    EXPECT_EQ(control<QLabel>(u"Label2"_s)->text(), u"#000000"_s);
    EXPECT_EQ(colourOf(u"Label1"_s, QPalette::Window), QColor(Qt::white));
    // Only some boxes grey their controls before their first click.
    const std::pair<QString, bool> enabled[] = {
        {u"Text3"_s, false},     {u"HScroll1"_s, false}, {u"FileChoose"_s, true},
        {u"ChkBGProp"_s, false}, {u"HsMarginH"_s, true}, {u"VsMarginV"_s, true},
        {u"Command4"_s, false},  {u"Command8"_s, false},
    };
    for (const auto& [name, on] : enabled)
        EXPECT_EQ(control(name)->isEnabled(), on) << name.toStdString();
}

TEST_F(VytvorWindow, OkPutsTheOldTextInsideTheBodyAndSelectsIt) {
    Program().Settings.UserName = u"Jan"_s;
    for (const QString& old : {u""_s, u"první\r\ndruhý\nLF\r\n"_s}) {
        select(old, 0, 0);
        window.showModeless();
        const QDateTime before = QDateTime::currentDateTime();
        click(window, u"Command1"_s);
        const QDateTime after = QDateTime::currentDateTime();

        const QString rest = u"  <TITLE>Stránka </TITLE>\r\n </HEAD>\r\n <BODY>\r\n"_s;
        const QString end = u"\r\n\r\n </BODY>\r\n</HTML>"_s;
        const QString page = form.surface().text();
        const QString headBefore = HtmlDocumentHead(AppVersionText(), u"Jan"_s, before);
        const QString headAfter = HtmlDocumentHead(AppVersionText(), u"Jan"_s, after);
        EXPECT_TRUE(page == headBefore + rest + old + end || page == headAfter + rest + old + end)
            << page.toStdString();
        EXPECT_EQ(form.surface().selStart(), headBefore.size() + rest.size());
        EXPECT_EQ(form.surface().selLength(), old.size());
        EXPECT_EQ(form.surface().selText(), old);
    }
}

TEST_F(VytvorWindow, BackgroundBoxWritesItsLabelAndPaintsTheEditorWithItsBox) {
    form.surface().setBackColor(RgbColor(1, 2, 3));
    tick(u"Check1"_s);
    EXPECT_EQ(bodyFor(u"x"_s), u" <BODY BGCOLOR=\"#000000\">"_s);
    EXPECT_EQ(form.surface().backColor(), White);
}

TEST_F(VytvorWindow, TextColourCoversTheOldTextEvenAfterALeadingLineBreak) {
    Program().Applied = {0, true, false, u"Courier New CE"_s};
    tick(u"Check2"_s);
    pickRed(u"Command7"_s);
    EXPECT_EQ(colourOf(u"Text1"_s, QPalette::Text), QColor(Qt::red));

    const QString old = u"\r\nabc\r\n"_s;
    EXPECT_EQ(bodyFor(old), u" <BODY TEXT=\"#FF0000\">"_s);
    EditorSurface& surface = form.surface();
    EXPECT_EQ(surface.selText(), old);
    const int inside = surface.selStart() + 3;
    for (const int position : {0, inside}) {
        surface.setSelStart(position);
        surface.setSelLength(1);
        EXPECT_EQ(surface.selColor(), Red) << position;
        EXPECT_TRUE(surface.selBold()) << position;
    }
    EXPECT_EQ(Program().Applied.AppliedTextColor, Red);
}

TEST_F(VytvorWindow, PictureBoxWritesTheShownPathEvenWithoutAPicture) {
    tick(u"IsPicture"_s);
    EXPECT_TRUE(control(u"ChkBGProp"_s)->isEnabled());
    tick(u"ChkBGProp"_s);
    EXPECT_EQ(bodyFor(u"x"_s), u" <BODY BACKGROUND=\"\" BGPROPERTIES=\"FIXED\">"_s);

    tick(u"RelativePathChk"_s);
    platform.fileDialogs.openAnswers << u"/data/obr/pozadi.gif"_s;
    click(window, u"FileChoose"_s);
    EXPECT_EQ(bodyFor(u"x"_s),
              u" <BODY BACKGROUND=\"file:///data/obr/pozadi.gif\" BGPROPERTIES=\"FIXED\">"_s);

    tick(u"IsPicture"_s);
    EXPECT_FALSE(control(u"FileChoose"_s)->isEnabled());
    EXPECT_FALSE(control(u"ChkBGProp"_s)->isEnabled());
    EXPECT_EQ(bodyFor(u"x"_s), u" <BODY>"_s);
}

TEST_F(VytvorWindow, HeadLinesAndMarginsComeFromTheirControls) {
    tick(u"Check3"_s);
    control<QLineEdit>(u"Text3"_s)->setText(u"http://a.cz/"_s);
    tick(u"Check8"_s);
    control<QScrollBar>(u"HScroll1"_s)->setValue(5);
    EXPECT_EQ(control<QLabel>(u"Label14"_s)->text(), u"5"_s);
    tick(u"ChkMargin"_s);
    control<QScrollBar>(u"HsMarginH"_s)->setValue(30);
    control<QScrollBar>(u"VsMarginV"_s)->setValue(40);

    EXPECT_EQ(bodyFor(u"x"_s), u" <BODY TOPMARGIN=\"40\" LEFTMARGIN=\"30\">"_s);
    EXPECT_TRUE(form.surface().text().contains(u"</TITLE>\r\n"
                                               u"  <BASE HREF=\"http://a.cz/\">\r\n"
                                               u"  <BASEFONT SIZE=\"5\">\r\n </HEAD>"_s));
    tick(u"ChkMargin"_s);
    EXPECT_FALSE(control(u"VsMarginV"_s)->isEnabled());
}

TEST_F(VytvorWindow, ColourButtonsPaintTheirRowAndItsPreview) {
    tick(u"Check1"_s);
    pickRed(u"Command4"_s);
    EXPECT_EQ(control<QLabel>(u"Label2"_s)->text(), u"#FF0000"_s);
    EXPECT_EQ(colourOf(u"Text1"_s, QPalette::Base), QColor(Qt::red));
    EXPECT_EQ(colourOf(u"Label6"_s, QPalette::Window), QColor(Qt::red));

    const std::vector<std::pair<QString, QString>> links = {
        {u"Check7"_s, u"Command6"_s}, {u"Check5"_s, u"Command5"_s}, {u"Check6"_s, u"Command8"_s}};
    for (const auto& [box, button] : links) {
        tick(box);
        pickRed(button);
    }
    for (const QString& label : {u"Label5"_s, u"Label7"_s, u"Label6"_s})
        EXPECT_EQ(colourOf(label, QPalette::WindowText), QColor(Qt::red)) << label.toStdString();
    EXPECT_EQ(
        bodyFor(u"x"_s),
        u" <BODY BGCOLOR=\"#FF0000\" LINK=\"#FF0000\" VLINK=\"#FF0000\" ALINK=\"#FF0000\">"_s);
}

} // namespace
