#include "html/effects/ColorFade.h"

#include "html/html_window_test.h"

#include "core/html/colour_fade.h"
#include "platform/colour_palette.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDebug>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

constexpr ColorValue White = RgbColor(255, 255, 255);
constexpr ColorValue Black = RgbColor(0, 0, 0);
constexpr ColorValue Red = RgbColor(255, 0, 0);

class ColorFadeWindow : public HtmlWindowTest {
protected:
    // The colour drawn in each column of the strip that the gradient reaches.
    [[nodiscard]] QVector<ColorValue> drawnColumns() const {
        auto* strip = child<QFrame>(window, u"CF"_s);
        const QImage image = strip->grab().toImage();
        const QRect inside = strip->contentsRect();
        QVector<ColorValue> columns;
        for (int x = inside.left(); x <= inside.right(); ++x)
            columns << ToColorValue(image.pixelColor(x, inside.center().y()));
        return columns;
    }

    ColorFade& window = openDialog<ColorFade>();
};

TEST_F(ColorFadeWindow, OkColoursTheSelectionByCharacterOrByLine) {
    EXPECT_EQ(child<QLabel>(window, u"L1"_s)->text(), u"#FFFFFF"_s);
    EXPECT_EQ(child<QLabel>(window, u"L2"_s)->text(), u"#000000"_s);
    EXPECT_EQ(confirmOn<ColorFade>(u"[ab]"_s, 1, 2),
              u"[<FONT COLOR=\"#FFFFFF\">a</FONT><FONT COLOR=\"#808080\">b</FONT>"
              u"<FONT COLOR=\"#000000\"></FONT>]"_s);
    EXPECT_FALSE(window.isVisible());

    pickNext({255, 0, 0});
    click(window, u"Cmnd2"_s);
    EXPECT_EQ(child<QLabel>(window, u"L2"_s)->text(), u"#FF0000"_s);
    tick(window, u"ChkLines"_s);
    EXPECT_EQ(confirmOn<ColorFade>(u"a\r\nb"_s, 0, 4),
              u"<FONT COLOR=\"#FFFFFF\">a</FONT><FONT COLOR=\"#FF8080\">\r\n"
              u"b</FONT><FONT COLOR=\"#FF0000\">\r\n</FONT>"_s);
}

TEST_F(ColorFadeWindow, EmptySelectionLeavesTheDocumentAlone) {
    for (const bool byLines : {false, true}) {
        select(u"abc"_s, 1, 0);
        window.showModeless();
        child<QCheckBox>(window, u"ChkLines"_s)->setChecked(byLines);
        QSignalSpy changes(&form.surface(), &EditorSurface::textChanged);
        click(window, u"Command1"_s);
        EXPECT_EQ(form.surface().text(), u"abc"_s) << byLines;
        EXPECT_EQ(changes.count(), 0) << byLines;
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(ColorFadeWindow, StripIsDrawnFromTheFirstColourToTheSecond) {
    QVector<ColorValue> drawn = drawnColumns();
    const auto width = static_cast<int>(drawn.size());
    ASSERT_GT(width, 2);
    EXPECT_EQ(drawn, FadeColumns(White, Black, width).first(width));

    pickNext({255, 0, 0});
    click(window, u"Cmnd1"_s);
    drawn = drawnColumns();
    EXPECT_EQ(drawn.first(), Red);
    EXPECT_EQ(drawn, FadeColumns(Red, Black, width).first(width));
}

// The width of a colour's text varies with its letters; neither the window
// nor its controls may move or grow with the colour picked.
TEST_F(ColorFadeWindow, PickingAColourMovesNothing) {
    const auto places = [this] {
        QCoreApplication::processEvents();
        QString text;
        QDebug out(&text);
        out << window.geometry();
        for (const QWidget* control : window.findChildren<QWidget*>())
            out << control->objectName() << control->geometry();
        return text.toStdString();
    };
    const std::string first = places();
    const RgbChannels picks[] = {{0xDD, 0xDD, 0xDD}, {0x11, 0x11, 0x11}, {0xFF, 0, 0xAB}};
    for (const RgbChannels& pick : picks) {
        for (const QString& button : {u"Cmnd1"_s, u"Cmnd2"_s}) {
            pickNext(pick);
            click(window, button);
            EXPECT_EQ(places(), first) << pick.red << " " << button.toStdString();
        }
    }
}

} // namespace
