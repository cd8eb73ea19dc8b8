// The margin, border and spacing bars of the image, table and frame windows
// share one shape: a track laid across that the user can drag.
#include "html/frames/Frame.h"
#include "html/html_window_test.h"
#include "html/images/Obrazek.h"
#include "html/tables/Table.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

using ValueTracks = HtmlWindowTest;

// Where the style draws a part of the bar as it stands.
QRect partOf(QScrollBar* bar, QStyle::SubControl part) {
    struct StyleOption : QScrollBar {
        using QScrollBar::initStyleOption;
    };
    QStyleOptionSlider option;
    (bar->*&StyleOption::initStyleOption)(&option);
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

TEST_F(ValueTracks, EveryMarginBarIsATrackToDragWithItsRangeKept) {
    QWidget* image = &openDialog<Obrazek>();
    QWidget* table = &openDialog<Table>();
    QWidget* frame = &openDialog<Frame>();
    const std::tuple<QWidget*, QString, int, int> cases[] = {
        {image, u"VScroll3"_s, 0, 400}, {image, u"VScroll4"_s, 0, 400},
        {image, u"VScroll5"_s, 0, 300}, {table, u"VScroll4"_s, 0, 800},
        {table, u"VScroll5"_s, 0, 400}, {table, u"VScroll6"_s, 0, 400},
        {frame, u"VScroll1"_s, 1, 100}, {frame, u"VScroll2"_s, 1, 100},
        {frame, u"VScroll4"_s, 0, 400}, {frame, u"VScroll5"_s, 0, 300},
    };
    for (const auto& [window, name, minimum, maximum] : cases) {
        SCOPED_TRACE((window->objectName() + u' ' + name).toStdString());
        auto* bar = child<QScrollBar>(*window, name);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(std::tuple(bar->minimum(), bar->maximum(), bar->value(), bar->pageStep(),
                             bar->orientation()),
                  std::tuple(minimum, maximum, minimum, 10, Qt::Horizontal));
        // Room to drag, between the arrows, on the window as it is shown.
        const QRect groove = partOf(bar, QStyle::SC_ScrollBarGroove);
        EXPECT_GE(groove.width(), 200);

        // Dragged to the right end of its track it reaches its maximum, and
        // the left arrow takes one back: more lies to the right, as read.
        bar->setEnabled(true);
        const QPoint thumb = partOf(bar, QStyle::SC_ScrollBarSlider).center();
        const QPoint end(groove.right(), thumb.y());
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        QTest::mouseMove(bar, end);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, end);
        EXPECT_EQ(bar->value(), maximum);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          partOf(bar, QStyle::SC_ScrollBarSubLine).center());
        EXPECT_EQ(bar->value(), maximum - 1);
    }
}

} // namespace
