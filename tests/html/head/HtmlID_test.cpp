#include "html/head/HtmlID.h"

#include "core/html/html_head_lines.h"
#include "html/html_window_test.h"

using namespace Qt::StringLiterals;

namespace {

using HtmlIDWindow = HtmlWindowTest;

TEST_F(HtmlIDWindow, ChosenLinesStackBeforeTheWholeDocument) {
    const QStringList lines = DocumentTypeLines();
    run(MenuId::mnuid);
    HtmlID& window = LoadedWindow<HtmlID>();
    ASSERT_TRUE(window.isVisible());
    auto* combo = child<QComboBox>(window, u"Combo1"_s);
    EXPECT_EQ(itemsOf(combo), lines);
    EXPECT_FALSE(combo->isEditable());

    select(u"<HTML>"_s, 2, 3);
    click(window, u"Command2"_s);
    EXPECT_EQ(form.surface().text(), u"<HTML>"_s);

    select(QString(), 0, 0);
    click(openDialog<HtmlID>(), u"Command1"_s);
    EXPECT_EQ(form.surface().text(), lines.at(0) + u"\r\n"_s);
    EXPECT_FALSE(window.isVisible());

    openDialog<HtmlID>();
    combo->setCurrentIndex(3);
    click(window, u"Command1"_s);
    EXPECT_EQ(form.surface().text(), lines.at(3) + u"\r\n"_s + lines.at(0) + u"\r\n"_s);
}

} // namespace
