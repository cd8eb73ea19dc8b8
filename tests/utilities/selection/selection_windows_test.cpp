#include "utilities/selection/CaseMask.h"
#include "utilities/selection/Convert.h"
#include "utilities/selection/Shift.h"
#include "utilities/selection/ToolRap.h"

#include "utilities/text_tool_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>

using namespace Qt::StringLiterals;

namespace {

using SelectionWindows = TextToolTest;

TEST_F(SelectionWindows, ShiftRotatesTheSelectionTakenAtOpening) {
    selectBetween(u"klmnop"_s);
    Shift& window = opened<Shift>(MenuId::MnuSelTextPosun);
    EXPECT_EQ(window.windowTitle(), u"Shift textu"_s);
    EXPECT_EQ(window.HScroll1()->maximum(), 6);
    EXPECT_EQ(window.Text1()->text(), u"klmnop"_s);
    window.HScroll1()->setValue(6);
    EXPECT_EQ(window.Text1()->text(), u"klmnop"_s);
    window.HScroll1()->setValue(1);
    EXPECT_EQ(window.Label2()->text(), u"1"_s);
    EXPECT_EQ(window.Text1()->text(), u"lmnopk"_s);
    window.HScroll1()->setValue(2);
    click(window.Command1());
    EXPECT_EQ(surface().text(), u"<<mnopkl>>"_s);
    EXPECT_FALSE(window.isVisible());

    // Opened again on a shorter selection: the value drops to the new
    // maximum, the preview starts unrotated, and line breaks survive.
    selectBetween(u"a\r\n"_s);
    run(MenuId::MnuSelTextPosun);
    EXPECT_EQ(window.HScroll1()->value(), 2);
    EXPECT_EQ(window.preview(), u"a\r\n"_s);
    window.HScroll1()->setValue(1);
    click(window.Command1());
    EXPECT_EQ(surface().text(), u"<<\r\na>>"_s);

    // Nothing selected: nothing to rotate, so nothing can be chosen.
    selectBetween(QString());
    run(MenuId::MnuSelTextPosun);
    EXPECT_FALSE(window.HScroll1()->isEnabled());
    EXPECT_FALSE(window.Command1()->isEnabled());
    click(window.Command2());
    EXPECT_EQ(surface().text(), u"<<>>"_s);
}

TEST_F(SelectionWindows, ToolRapRepeatsTheSelectionWithinTheDocumentLimit) {
    selectBetween(u"ab-"_s);
    ToolRap& window = opened<ToolRap>(MenuId::Mnu_SelText_Rap);
    EXPECT_EQ(window.windowTitle(), u"Rap"_s);
    EXPECT_EQ(window.SldRapValue()->minimum(), 1);
    EXPECT_EQ(window.SldRapValue()->maximum(), 100);
    window.SldRapValue()->setValue(3);
    EXPECT_EQ(window.LblValue()->text(), u"3"_s);
    click(window.CmndOK());
    EXPECT_EQ(surface().text(), u"<<ab-ab-ab->>"_s);
    EXPECT_FALSE(window.isVisible());

    // 20 000 characters 100 times would pass the largest document.
    const QString big(20000, u'x');
    selectBetween(big);
    run(MenuId::Mnu_SelText_Rap);
    window.SldRapValue()->setValue(100);
    click(window.CmndOK());
    ASSERT_EQ(boxesShown().size(), 1);
    EXPECT_TRUE(boxesShown().front().startsWith(u"Rap: Výběr nelze zopakovat 100krát"_s))
        << boxesShown().front().toStdString();
    EXPECT_EQ(surface().textLength(), big.size() + 4);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SelectionWindows, ConvertTranslatesInChainAndNeedsSetsOfOneLength) {
    selectBetween(u"Ábaá"_s);
    Convert& window = opened<Convert>(MenuId::Mnu_Sel_CharConv);
    EXPECT_EQ(window.windowTitle(), u"Konvertor znaků"_s);
    EXPECT_EQ(window.TxtFrom()->text(), u"Áá"_s);
    click(window.CmndOK());
    EXPECT_EQ(surface().text(), u"<<Abaa>>"_s);
    EXPECT_FALSE(window.isVisible());

    run(MenuId::Mnu_Sel_CharConv);
    retype(window.TxtFrom(), u"abc"_s);
    EXPECT_FALSE(window.CmndOK()->isEnabled());
    retype(window.TxtTo(), u"bc"_s);
    EXPECT_FALSE(window.CmndOK()->isEnabled());
    retype(window.TxtFrom(), u"ab"_s);
    selectBetween(u"abc"_s);
    click(window.CmndOK());
    // The a became b, and then c.
    EXPECT_EQ(surface().text(), u"<<ccc>>"_s);
    EXPECT_TRUE(boxesShown().isEmpty());
}

TEST_F(SelectionWindows, CaseMaskCleansTheMaskAndStaysOpen) {
    CaseMask& window = opened<CaseMask>(MenuId::Mnu_CaseMask);
    EXPECT_EQ(window.windowTitle(), u"Maska Case"_s);
    EXPECT_EQ(window.TxtMask()->text(), u"ULRIP"_s);
    retype(window.TxtMask(), u"ulx"_s);
    EXPECT_EQ(window.TxtMask()->text(), u"UL"_s);
    retype(window.TxtMask(), u"x"_s);
    EXPECT_TRUE(window.TxtMask()->text().isEmpty());
    EXPECT_FALSE(window.CmndOK()->isEnabled());

    retype(window.TxtMask(), u"pl"_s);
    selectBetween(u"ABC"_s);
    click(window.CmndOK());
    EXPECT_EQ(surface().text(), u"<<AbC>>"_s);
    EXPECT_TRUE(window.isVisible());
    // Nothing is selected any more: a second Ok changes nothing.
    click(window.CmndOK());
    EXPECT_EQ(surface().text(), u"<<AbC>>"_s);
    // Esc is no Storno here; Storno hides.
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    click(window.CmndStorno());
    EXPECT_FALSE(window.isVisible());
}

} // namespace
