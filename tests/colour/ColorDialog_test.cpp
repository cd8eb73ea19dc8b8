#include "colour/ColorDialog.h"

#include "colour/PickColor.h"
#include "core/colour/colour_text.h"
#include "core/text/random_generator.h"
#include "core/text/random_text.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/window_instances.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

using namespace Qt::StringLiterals;

void PrintTo(const RgbChannels& c, std::ostream* out) {
    *out << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

namespace {

class ColorPicker : public ::testing::Test {
protected:
    void SetUp() override { PickedColor() = 0; }
    void TearDown() override { platform.unloadWindows(); }

    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // PickColor(given) with script run on the shown picker; the script must
    // close it, and a picker left open fails the test instead of hanging it.
    static ColorValue pick(ColorValue given, const std::function<void(ColorDialog*)>& script) {
        WhenModalShown<ColorDialog>([script](ColorDialog* shown) {
            script(shown);
            if (shown->isVisible()) {
                ADD_FAILURE() << "picker left open";
                shown->reject();
            }
        });
        return PickColor(given);
    }

    static void mouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }

    static RgbChannels pixelOf(const QImage& image, int x, int y) {
        const QColor color = image.pixelColor(x, y);
        return {color.red(), color.green(), color.blue()};
    }

    static RgbChannels gradientPixel(const ColorDialog& dialog, int x, int y) {
        return pixelOf(dialog.Picture5()->pixmap().toImage(), x, y);
    }

    static RgbChannels backOf(const QWidget* widget) {
        const QColor color = widget->palette().color(QPalette::Window);
        return {color.red(), color.green(), color.blue()};
    }

    static RgbChannels textOf(const QWidget* widget) {
        const QColor color = widget->palette().color(QPalette::WindowText);
        return {color.red(), color.green(), color.blue()};
    }

    static QStringList historyRow(const ColorDialog& dialog, int row) {
        const QTreeWidgetItem* item = dialog.ListView1()->topLevelItem(row);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList{};
    }

    TestPlatform platform;
};

TEST_F(ColorPicker, OkReturnsTheChannelsSetInThePicker) {
    RgbChannels preset;
    RgbChannels previous;
    const ColorValue result = pick(33023, [&](ColorDialog* shown) {
        preset = shown->channels();
        previous = backOf(shown->Picture13());
        shown->VScroll10()->setValue(12);
        shown->VScroll11()->setValue(11);
        shown->VScroll12()->setValue(10);
        click(shown->Command1());
    });

    EXPECT_EQ(preset, (RgbChannels{255, 128, 0}));
    EXPECT_EQ(previous, (RgbChannels{255, 128, 0}));
    EXPECT_EQ(result, 658188);
    EXPECT_EQ(PickedColor(), 658188);
    ColorDialog& dialog = LoadedWindow<ColorDialog>();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(historyRow(dialog, 0), (QStringList{u"12"_s, u"11"_s, u"10"_s}));
}

TEST_F(ColorPicker, EnterConfirmsEveryTimeThePickerIsShown) {
    for (int time = 0; time < 3; ++time) {
        SCOPED_TRACE(time);
        QString focused;
        const ColorValue result = pick(0, [&](ColorDialog* shown) {
            shown->VScroll10()->setValue(10 + time);
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : shown;
            focused = target->objectName();
            QTest::keyClick(target, Qt::Key_Return);
        });
        EXPECT_EQ(result, ColorValue(10 + time)) << focused.toStdString();
    }
}

TEST_F(ColorPicker, EveryWayOfCancellingReturnsTheGivenColourAfterAnEarlierOk) {
    struct Way {
        const char* name;
        std::function<void(ColorDialog*)> close;
        bool discards;
    };
    const Way kWays[] = {
        {"Storno", [](ColorDialog* d) { click(d->Command2()); }, false},
        {"Esc", [](ColorDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, false},
        {"close box", [](ColorDialog* d) { d->close(); }, true},
    };
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.name);
        const ColorValue confirmed = pick(0x123456, [](ColorDialog* shown) {
            click(shown->toolButton(ColourTool::Invert));
            click(shown->Command1());
        });
        ASSERT_EQ(confirmed, 0xEDCBA9);

        const ColorValue cancelled = pick(0x00FF80, [&](ColorDialog* shown) {
            shown->VScroll11()->setValue(3);
            way.close(shown);
        });
        EXPECT_EQ(cancelled, 0x00FF80);
        EXPECT_EQ(PickedColor(), 0x00FF80);

        const int rows = LoadedWindow<ColorDialog>().ListView1()->topLevelItemCount();
        EXPECT_EQ(rows == 0, way.discards) << rows;
        delete &LoadedWindow<ColorDialog>();
    }
}

TEST_F(ColorPicker, OkWithoutChangeAndCancelOfASystemColourGiveTheColourBack) {
    EXPECT_EQ(pick(0x0A0B0C, [](ColorDialog* d) { click(d->Command1()); }), 0x0A0B0C);
    // A value that is no plain colour survives a cancel whole.
    const auto system = static_cast<ColorValue>(0x80000005u);
    RgbChannels shown;
    EXPECT_EQ(pick(system,
                   [&](ColorDialog* d) {
                       shown = d->channels();
                       click(d->Command2());
                   }),
              system);
    EXPECT_EQ(shown, (RgbChannels{5, 0, 0}));
}

TEST_F(ColorPicker, HistoryKeepsEveryOkAndARowGivesItsColour) {
    for (int i = 0; i < 3; ++i)
        (void)pick(0x010203, [](ColorDialog* d) { click(d->Command1()); });
    (void)pick(0xFFFFFF, [](ColorDialog* d) { click(d->Command2()); });

    ColorDialog& dialog = LoadedWindow<ColorDialog>();
    ASSERT_EQ(dialog.ListView1()->topLevelItemCount(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(historyRow(dialog, row), (QStringList{u"3"_s, u"2"_s, u"1"_s}));

    // A click on a row takes its colour.
    dialog.setChannels({0, 0, 0});
    dialog.show();
    QTreeWidgetItem* item = dialog.ListView1()->topLevelItem(1);
    const QRect place = dialog.ListView1()->visualItemRect(item);
    QTest::mouseClick(dialog.ListView1()->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(dialog.channels(), (RgbChannels{3, 2, 1}));
}

TEST_F(ColorPicker, ChannelChangeUpdatesPreviewLabelsAndBars) {
    ColorDialog& dialog = LoadedWindow<ColorDialog>();
    dialog.setChannels({10, 20, 30});

    EXPECT_EQ(backOf(dialog.Picture3()), (RgbChannels{10, 20, 30}));
    EXPECT_EQ(dialog.Label11()->text(), u"#0A141E"_s);
    EXPECT_EQ(dialog.Label1()->text(), u"10"_s);
    EXPECT_EQ(dialog.Label2()->text(), u"20"_s);
    EXPECT_EQ(dialog.Label3()->text(), u"30"_s);
    const QImage red = dialog.Picture1()->pixmap().toImage();
    const QImage green = dialog.Picture2()->pixmap().toImage();
    const QImage blue = dialog.Picture4()->pixmap().toImage();
    EXPECT_EQ(pixelOf(red, 0, 100), (RgbChannels{100, 20, 30}));
    EXPECT_EQ(pixelOf(green, 6, 0), (RgbChannels{10, 0, 30}));
    EXPECT_EQ(pixelOf(blue, 3, 255), (RgbChannels{10, 20, 255}));
}

// The tools' results are the core's; here each button runs its own tool.
TEST_F(ColorPicker, EachToolButtonRewritesTheScrollBars) {
    const std::pair<ColourTool, const char16_t*> kButtons[] = {
        {ColourTool::Invert, u"Command3"},       {ColourTool::Grey, u"Command4"},
        {ColourTool::GammaDown, u"Command6"},    {ColourTool::GammaUp, u"Command7"},
        {ColourTool::ChannelShift, u"Command8"}, {ColourTool::Darker, u"Command9"},
        {ColourTool::Middle, u"Command11"},      {ColourTool::Lighter, u"Command10"},
    };
    ColorDialog& dialog = LoadedWindow<ColorDialog>();
    dialog.show();
    const RgbChannels before{10, 100, 200};
    for (const auto& [tool, name] : kButtons) {
        SCOPED_TRACE(QString::fromUtf16(name).toStdString());
        dialog.setChannels(before);
        click(dialog.findChild<QPushButton*>(QString::fromUtf16(name)));
        const RgbChannels after = ApplyColourTool(tool, before);
        ASSERT_NE(after, before);
        EXPECT_EQ(dialog.channels(), after);
        EXPECT_EQ(dialog.Label11()->text(), ColorToHex(ColorOf(after)));
    }

    Rnd().reset();
    RandomGenerator same = Rnd();
    const RgbChannels drawn{RandomIntFromDraw(same.draw(), 0, 255),
                            RandomIntFromDraw(same.draw(), 0, 255),
                            RandomIntFromDraw(same.draw(), 0, 255)};
    click(dialog.findChild<QPushButton*>(u"Command5"_s));
    EXPECT_EQ(dialog.channels(), drawn);
}

// The gradient's colours are the core's; here the slider and the pair redraw it.
TEST_F(ColorPicker, LoadingDrawsTheGradientForSlider192AndRedToBlue) {
    ColorDialog& dialog = LoadedWindow<ColorDialog>();
    const auto expectCorners = [&](int slider, const QString& pair) {
        const GradientPair channels = GradientPairFromItem(pair);
        EXPECT_EQ(dialog.Combo1()->currentText(), pair);
        for (const int corner : {0, GradientSize - 1})
            EXPECT_EQ(gradientPixel(dialog, corner, corner),
                      GradientColor(slider, channels, corner, corner));
    };
    EXPECT_EQ(dialog.Vscroll1()->value(), 192);
    expectCorners(192, u"R -> B"_s);
    // Drawn once, under the busy display of the picker itself.
    const QList<std::pair<QWidget*, bool>> busy{{&dialog, true}, {&dialog, false}};
    EXPECT_EQ(platform.busyCursor.calls, busy);

    dialog.Vscroll1()->setValue(128);
    expectCorners(128, u"R -> B"_s);
    dialog.Combo1()->setCurrentIndex(2);
    expectCorners(128, u"G -> R"_s);
}

// The close box's fresh picker is checked with the ways of cancelling.
TEST_F(ColorPicker, GradientSettingsSurviveHiding) {
    (void)pick(0, [](ColorDialog* d) {
        d->Vscroll1()->setValue(200);
        d->Combo1()->setCurrentIndex(4);
        click(d->Command12());
        click(d->Command2());
    });
    ColorDialog& kept = LoadedWindow<ColorDialog>();
    EXPECT_EQ(kept.Vscroll1()->value(), 200);
    EXPECT_EQ(kept.Combo1()->currentIndex(), 4);
    EXPECT_EQ(kept.Label4()->text(), u"1"_s);
}

// Every other event of the gradient box passes by: none is read as a pointer
// (a build with the undefined-behaviour sanitiser catches a wrong cast here).
TEST_F(ColorPicker, EventsOtherThanThePointerLeaveTheGradientAlone) {
    ColorDialog& dialog = LoadedWindow<ColorDialog>();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QLabel* box = dialog.Picture5();
    dialog.setChannels({1, 2, 3});
    const QString toolTip = box->toolTip();
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
    QWheelEvent wheel({5, 5}, box->mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::LeftButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QHoverEvent hover(QEvent::HoverMove, {5, 5}, box->mapToGlobal(QPointF(5, 5)), {5, 5});
    for (QEvent* event : std::initializer_list<QEvent*>{&enter, &leave, &key, &wheel, &hover}) {
        QApplication::sendEvent(box, event);
        EXPECT_EQ(dialog.channels(), (RgbChannels{1, 2, 3})) << event->type();
        EXPECT_EQ(WindowTag(box), QString()) << event->type();
        EXPECT_EQ(box->toolTip(), toolTip) << event->type();
    }
    dialog.hide();
}

// Moving over the gradient reads its pixel; a press and release in place, or
// a drag kept to the box's edge, takes it.
TEST_F(ColorPicker, PointerOverGradientReadsAndOnlyAPressOrDragTakes) {
    ColorDialog& dialog = LoadedWindow<ColorDialog>();
    QLabel* box = dialog.Picture5();
    dialog.setChannels({1, 2, 3});
    mouse(box, QEvent::MouseMove, {127, 127}, Qt::NoButton);
    EXPECT_EQ(dialog.Label9()->text(), u"#40FF80"_s);
    EXPECT_EQ(box->toolTip(), u"127,127 #40FF80"_s);
    EXPECT_EQ(backOf(dialog.Picture6()), (RgbChannels{64, 255, 128}));
    EXPECT_EQ(dialog.channels(), (RgbChannels{1, 2, 3}));

    mouse(box, QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton);
    EXPECT_EQ(WindowTag(box), u"_"_s);
    mouse(box, QEvent::MouseButtonRelease, {0, 0}, Qt::NoButton);
    EXPECT_EQ(WindowTag(box), QString());
    EXPECT_EQ(dialog.channels(), (RgbChannels{255, 0, 3}));
    EXPECT_EQ(dialog.Label11()->text(), u"#FF0003"_s);

    mouse(box, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    mouse(box, QEvent::MouseMove, {400, -30}, Qt::LeftButton);
    // Column 127, row 0 at slider 192, red to blue.
    EXPECT_EQ(dialog.channels(), (RgbChannels{190, 2, 255}));
    EXPECT_EQ(box->toolTip(), u"127,0 #BE02FF"_s);
    mouse(box, QEvent::MouseMove, {-9.5, 300.25}, Qt::LeftButton);
    EXPECT_EQ(dialog.channels(), gradientPixel(dialog, 0, 127));
    mouse(box, QEvent::MouseButtonRelease, {-9.5, 300.25}, Qt::NoButton);
    mouse(box, QEvent::MouseMove, {0, 0}, Qt::NoButton);
    EXPECT_EQ(dialog.channels(), gradientPixel(dialog, 0, 127));
}

// The palette and its labels are the core's; here the steppers and the clicks.
TEST_F(ColorPicker, PaletteStepperStopsAtItsEndsAndLabelsGiveTheirColour) {
    ColorDialog& dialog = LoadedWindow<ColorDialog>();
    dialog.show();
    const auto expectLabels = [&](const QString& upper, const QString& lower) {
        EXPECT_EQ(dialog.Label4()->text(), upper);
        EXPECT_EQ(WindowTag(dialog.Label4()), upper);
        EXPECT_EQ(dialog.Label8()->text(), lower);
    };
    click(dialog.Command13());
    expectLabels(u"0"_s, u"1"_s);
    for (int i = 0; i < 20; ++i)
        click(dialog.Command12());
    expectLabels(u"14"_s, u"15"_s);
    EXPECT_EQ(backOf(dialog.Label4()), (RgbChannels{255, 255, 0}));
    EXPECT_EQ(textOf(dialog.Label4()), (RgbChannels{0, 0, 128}));

    click(dialog.Label8());
    EXPECT_EQ(dialog.channels(), (RgbChannels{255, 255, 255}));
    click(dialog.Label4());
    EXPECT_EQ(dialog.channels(), (RgbChannels{255, 255, 0}));
    click(dialog.Command13());
    expectLabels(u"13"_s, u"14"_s);
}

} // namespace
