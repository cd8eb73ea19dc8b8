#include "html/html_window_test.h"
#include "html/simple/Odkaz.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

using OdkazWindow = HtmlWindowTest;

TEST_F(OdkazWindow, WrapsTheSelectionAndRemembersEveryLinkedName) {
    // Nothing selected: the empty link goes at the caret.
    const QString link = u"<A HREF=\"#NováKotva\"></A>"_s;
    EXPECT_EQ(confirmOn<Odkaz>(u"ab"_s, 1, 0), u"a"_s + link + u"b"_s);

    auto* combo = child<QComboBox>(LoadedWindow<Odkaz>(), u"Combo1"_s);
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), u"kap2"_s);
    EXPECT_EQ(confirmOn<Odkaz>(u"viz slovo."_s, 4, 5), u"viz <A HREF=\"#kap2\">slovo</A>."_s);
    EXPECT_EQ(itemsOf(combo), (QStringList{u"NováKotva"_s, u"kap2"_s}));
}

} // namespace
