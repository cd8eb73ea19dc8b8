#include "html/html_window_test.h"
#include "html/images/Obrazek.h"

#include "core/files/path_helpers.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

class ObrazekWindow : public HtmlWindowTest {
protected:
    ObrazekWindow() {
        // Pictures beside the document give bare relative names.
        Program().CurrentFilePath = dir.filePath(u"index.html"_s);
        openDialog<Obrazek>();
    }

    static Obrazek& dialog() { return LoadedWindow<Obrazek>(); }
    static void tick(const QString& name) { HtmlWindowTest::tick(dialog(), name); }
    static QScrollBar* bar(const QString& name) { return child<QScrollBar>(dialog(), name); }
    static QString label(const QString& name) { return child<QLabel>(dialog(), name)->text(); }
    static QString text1() { return child<QLineEdit>(dialog(), u"Text1"_s)->text(); }
    static bool okEnabled() { return child(dialog(), u"Command1"_s)->isEnabled(); }

    void choose(const QString& path) {
        platform.fileDialogs.openAnswers << path;
        click(dialog(), u"FileChoose"_s);
    }
    [[nodiscard]] QString picture(const QString& name, int width, int height) const {
        const QString path = dir.filePath(name);
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    // A GIF header is all the size reader looks at.
    [[nodiscard]] QString logoGif() const {
        const QString path = dir.filePath(u"Logo.GIF"_s);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("GIF89a\x58\x00\x1f\x00\x00\x00\x00", 13));
        return path;
    }
    static QString sizeOf(const QString& path) { return FormatFileSize(QFileInfo(path).size()); }
    // Confirms into "x|y" with the caret at |.
    QString confirm() { return confirmOn<Obrazek>(u"xy"_s, 1, 0); }

    QTemporaryDir dir;
};

TEST_F(ObrazekWindow, OkWaitsForAPictureAndABitmapKeepsThePercentSize) {
    EXPECT_FALSE(okEnabled());
    EXPECT_FALSE(bar(u"VScroll2"_s)->isEnabled());
    choose(QString());
    EXPECT_FALSE(okEnabled());

    const QString bmp = picture(u"Pic.bmp"_s, 20, 10);
    choose(bmp);
    EXPECT_TRUE(okEnabled());
    EXPECT_EQ(text1(), u"pic.bmp, "_s + sizeOf(bmp));
    EXPECT_EQ(bar(u"VScroll2"_s)->maximum(), 200);

    tick(u"Check1"_s);
    EXPECT_EQ(confirm(), u"x<IMG SRC=\"Pic.bmp\" WIDTH=\"10%\" HEIGHT=\"10%\">y"_s);
    EXPECT_EQ(form.surface().selStart(), form.surface().text().size() - 1);
}

TEST_F(ObrazekWindow, APngPresetsPixelsThenPercentPullsBothTo200) {
    // The values stay 10, yet the labels leave the initial percent form.
    choose(picture(u"dot.png"_s, 10, 10));
    EXPECT_EQ(label(u"Label4"_s), u"10"_s);
    EXPECT_EQ(label(u"Label3"_s), u"10"_s);

    tick(u"chkPercent"_s);
    choose(picture(u"shot.png"_s, 640, 480));
    EXPECT_FALSE(child<QCheckBox>(dialog(), u"chkPercent"_s)->isChecked());
    EXPECT_EQ(bar(u"VScroll2"_s)->minimum(), 1);
    EXPECT_EQ(bar(u"VScroll2"_s)->maximum(), 640);
    EXPECT_EQ(bar(u"VScroll2"_s)->value(), 640);
    EXPECT_EQ(bar(u"Vscroll1"_s)->maximum(), 480);
    EXPECT_EQ(bar(u"Vscroll1"_s)->value(), 480);
    EXPECT_EQ(label(u"Label4"_s), u"640"_s);
    EXPECT_EQ(label(u"Label3"_s), u"480"_s);

    tick(u"Check1"_s);
    EXPECT_EQ(confirm(), u"x<IMG SRC=\"shot.png\" WIDTH=\"640\" HEIGHT=\"480\">y"_s);

    openDialog<Obrazek>();
    tick(u"chkPercent"_s);
    EXPECT_EQ(bar(u"VScroll2"_s)->maximum(), 200);
    EXPECT_EQ(bar(u"Vscroll1"_s)->maximum(), 200);
    EXPECT_EQ(label(u"Label4"_s), u"200%"_s);
    EXPECT_EQ(label(u"Label3"_s), u"200%"_s);
}

TEST_F(ObrazekWindow, EveryBoxTickedWritesTheAutoAltAndAllAttributesInOrder) {
    const QString gif = logoGif();
    choose(gif);
    EXPECT_EQ(text1(), u"logo.gif, 88x31, "_s + sizeOf(gif));
    for (const QString& box : {u"Check4"_s, u"Check8"_s, u"Check1"_s, u"Check3"_s, u"Check2"_s,
                               u"Check6"_s, u"Check7"_s, u"Option2"_s})
        tick(box);
    bar(u"VScroll3"_s)->setValue(2);
    bar(u"VScroll4"_s)->setValue(4);
    bar(u"VScroll5"_s)->setValue(5);
    EXPECT_EQ(confirm(), u"x<IMG SRC=\"Logo.GIF\" ALT=\"logo.gif, 88x31, "_s + sizeOf(gif) +
                             u"\" ALIGN=\"middle\" WIDTH=\"88\" HEIGHT=\"31\" VSPACE=\"5\" "
                             u"HSPACE=\"4\" BORDER=\"2\" LOWSRC=\"path/file.jpg\" "
                             u"USEMAP=\"#mapa\">y"_s);
}

TEST_F(ObrazekWindow, FormModeHandsTheAttributesBackAndLeavesTheEditor) {
    const QString png = picture(u"button.png"_s, 16, 8);
    select(u"xy"_s, 1, 0);
    QStringList received;
    WhenModalShown<Obrazek>([&](Obrazek* shown) {
        choose(png);
        tick(u"Check8"_s);
        click(*shown, u"Command1"_s);
    });
    dialog().openForResult(u"form"_s, {}, [&](const QString& text) { received << text; });
    EXPECT_EQ(received, QStringList{u"SRC=\"button.png\" ALIGN=\"left\""_s});
    EXPECT_EQ(form.surface().text(), u"xy"_s);
}

TEST_F(ObrazekWindow, AutoAltWithoutAReadableFileLeavesText1) {
    tick(u"ChkAutoAlt"_s);
    tick(u"ChkAutoAlt"_s);
    EXPECT_EQ(text1(), u"Obrázek"_s);

    const QString gif = logoGif();
    choose(gif);
    child<QLineEdit>(dialog(), u"Text1"_s)->setText(u"mine"_s);
    tick(u"ChkAutoAlt"_s);
    ASSERT_TRUE(QFile::remove(gif));
    tick(u"ChkAutoAlt"_s);
    EXPECT_EQ(text1(), u"mine"_s);
}

} // namespace
