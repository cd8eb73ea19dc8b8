#include "html/html_window_test.h"
#include "html/simple/Nadpis.h"

#include <QLabel>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

using NadpisWindow = HtmlWindowTest;

TEST_F(NadpisWindow, LevelStopsAtSixAndTheTickedAttributesWrapTheSelection) {
    Nadpis& dialog = openDialog<Nadpis>();
    child<QScrollBar>(dialog, u"Vscroll1"_s)->setValue(9);
    EXPECT_EQ(child<QLabel>(dialog, u"Label1"_s)->text(), u"6"_s);
    tick(dialog, u"Option2"_s);
    tick(dialog, u"Check1"_s);
    const QString expected = u"a <H6 ALIGN=\"CENTER\" NOWRAP>Text</H6> b"_s;
    EXPECT_EQ(confirmOn<Nadpis>(u"a Text b"_s, 2, 4), expected);
}

} // namespace
