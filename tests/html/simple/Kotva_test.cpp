#include "html/html_window_test.h"
#include "html/simple/Kotva.h"
#include "html/simple/Odkaz.h"

using namespace Qt::StringLiterals;

namespace {

using KotvaWindow = HtmlWindowTest;

TEST_F(KotvaWindow, InsertsBeforeTheSelectionAndFeedsTheUnopenedLinkList) {
    const QString anchor = u"<A NAME=\"Kotva1\"></A>"_s;
    (void)confirmOn<Kotva>(u"před|za"_s, 4, 3);
    EXPECT_EQ(confirmOn<Kotva>(form.surface().text(), 4, 3),
              u"před"_s + anchor + anchor + u"|za"_s);

    Odkaz* odkaz = LoadedWindowIfAny<Odkaz>();
    ASSERT_NE(odkaz, nullptr);
    EXPECT_FALSE(odkaz->isVisible());
    const auto* combo = child<QComboBox>(*odkaz, u"Combo1"_s);
    EXPECT_EQ(itemsOf(combo), (QStringList{u"Kotva1"_s, u"Kotva1"_s}));
    // The link window still offers its own text, not the first anchor.
    EXPECT_EQ(combo->currentText(), u"NováKotva"_s);
}

} // namespace
