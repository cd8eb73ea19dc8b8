#include "shell/main_window/Toolbar.h"

#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/menu_test_window.h"

#include <QAction>
#include <QToolButton>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The buttons in toolbar order, with their tooltips and the menu entry whose
// command they start (none for "Recent", which opens a recent file).
const struct ButtonCase {
    QString key;
    QString tooltip;
    std::optional<MenuId> entry;
} ButtonCases[] = {
    {u"New"_s, u"Otevřít"_s, MenuId::mnuclean},
    {u"Newhtml"_s, u"Nový HTML"_s, MenuId::mnucreate},
    {u"Open"_s, u"Otevřít"_s, MenuId::mnuopen},
    {u"Recent"_s, u"Předposlední soubor"_s, {}},
    {u"Save"_s, u"Uložit"_s, MenuId::mnusave},
    {u"Cut"_s, u"Vyjmout"_s, MenuId::mnucut},
    {u"Copy"_s, u"Kopítovat"_s, MenuId::mnucopysel},
    {u"Paste"_s, u"Vložit"_s, MenuId::MnuAdd},
    {u"Find"_s, u"Najít"_s, MenuId::mnufind},
    {u"Image"_s, u"Obrázek"_s, MenuId::mnuobr},
    {u"Bold"_s, u"Tučně"_s, MenuId::MnuBold},
    {u"Italic"_s, u"Kurziva"_s, MenuId::MnuHtmlI},
    {u"Underline"_s, u"Podtrženě"_s, MenuId::mnuHTMLU},
    {u"Center"_s, u"Centrovat"_s, MenuId::MnuCenter},
    {u"Table"_s, u"Tabulka"_s, MenuId::mnutable},
    {u"Link"_s, u"Odkaz"_s, MenuId::mnuodkazjiny},
    {u"Line"_s, u"Čára HR"_s, MenuId::mnuhr},
    {u"Help"_s, u"Nápověda"_s, MenuId::mnuhlp},
    {u"Print"_s, u"Tisk"_s, MenuId::mnuprint},
    {u"Dos"_s, u"Dos obrazovka"_s, MenuId::mnu_Text_Dos},
    {u"Lock"_s, u"Zámek"_s, MenuId::Mnu_Lock},
    {u"Browser"_s, u"Interní browser"_s, MenuId::Mnu_Internal_Browser},
    {u"Colors"_s, u"Zvýraznění formátování dokumentu"_s, MenuId::MnuColorEdit},
};

class ToolbarTest : public ::testing::Test {
protected:
    ToolbarTest() { Program() = ProgramState{}; }
    ~ToolbarTest() override { Program() = ProgramState{}; }

    Toolbar& toolbar() { return *w.toolbar; }
    void recordRecent() {
        toolbar().connectOpenRecent([this](int index) { opened.push_back(index); });
    }
    QToolButton* toolButton(const QString& key) {
        return qobject_cast<QToolButton*>(toolbar().widgetForAction(toolbar().button(key)));
    }

    TestPlatform platform;
    MenuTestWindow w;
    std::vector<int> opened;
    std::vector<MenuId> ran;
};

TEST_F(ToolbarTest, HoldsTheButtonsInOrderWithTheirTooltips) {
    EXPECT_EQ(toolbar().objectName(), u"Toolbar1"_s);
    EXPECT_EQ(w.window.toolBarArea(&toolbar()), Qt::TopToolBarArea);
    const QList<QAction*> actions = toolbar().actions();
    ASSERT_EQ(actions.size(), 23);
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const QAction* button = actions.at(i);
        EXPECT_EQ(button->objectName(), ButtonCases[i].key);
        EXPECT_EQ(button->toolTip(), ButtonCases[i].tooltip) << i;
        EXPECT_FALSE(button->icon().isNull()) << i;
        EXPECT_EQ(toolbar().button(ButtonCases[i].key), button);
    }
    EXPECT_EQ(toolButton(u"Recent"_s)->menu(), toolbar().recentMenu());
    EXPECT_EQ(toolButton(u"Colors"_s)->menu(), toolbar().colorsMenu());
    QStringList colorItems;
    for (const QAction* item : toolbar().colorsMenu()->actions())
        colorItems << item->objectName() + u"="_s + item->text();
    EXPECT_EQ(colorItems,
              (QStringList{u"edi=Editor"_s, u"mak=Zvýrazni"_s, u"ope=Nahraj nastavení"_s}));
}

// A picture a user can see: enough drawn pixels at toolbar size. A symbol the
// fonts lack comes out as the same empty box on every button, so the pictures
// must also differ from one another.
TEST_F(ToolbarTest, EveryButtonShowsAPictureOfItsOwn) {
    constexpr int Size = 16;
    constexpr int LeastInkPixels = 12;
    std::vector<QImage> seen;
    for (const ButtonCase& c : ButtonCases) {
        const QImage image = toolbar().button(c.key)->icon().pixmap(Size).toImage().convertToFormat(
            QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull()) << c.key.toStdString();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += qAlpha(image.pixel(x, y)) > 64 ? 1 : 0;
        EXPECT_GE(ink, LeastInkPixels) << c.key.toStdString();
        for (std::size_t i = 0; i < seen.size(); ++i)
            EXPECT_TRUE(seen[i] != image)
                << c.key.toStdString() << " looks like " << ButtonCases[i].key.toStdString();
        seen.push_back(image);
    }
}

TEST_F(ToolbarTest, MenuButtonsWaitForTheirEntryAndThenRunItsCommand) {
    for (const ButtonCase& c : ButtonCases)
        EXPECT_FALSE(toolbar().button(c.key)->isEnabled()) << c.key.toStdString();

    w.recordAllCommands(ran);
    for (const ButtonCase& c : ButtonCases) {
        if (!c.entry)
            continue;
        ran.clear();
        // The timer may have the menu entry off; the button still works.
        w.menu->action(*c.entry)->setEnabled(false);
        ASSERT_TRUE(toolbar().button(c.key)->isEnabled()) << c.key.toStdString();
        QTest::mouseClick(toolButton(c.key), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        EXPECT_EQ(ran, std::vector<MenuId>{*c.entry}) << c.key.toStdString();
    }
}

TEST_F(ToolbarTest, ColorItemsRunTheirCommandsAndKeepTheDropDownReachable) {
    w.commands.add(MenuId::MnuColorMakeIt, [this] { ran.push_back(MenuId::MnuColorMakeIt); });
    EXPECT_TRUE(toolbar().button(u"Colors"_s)->isEnabled());
    const QList<QAction*> items = toolbar().colorsMenu()->actions();
    EXPECT_FALSE(items.at(0)->isEnabled());
    EXPECT_TRUE(items.at(1)->isEnabled());
    toolbar().ButtonClick(u"Colors"_s);
    EXPECT_TRUE(ran.empty());

    w.recordAllCommands(ran);
    ran.clear();
    for (QAction* item : items)
        item->trigger();
    EXPECT_EQ(ran, (std::vector<MenuId>{MenuId::MnuColorEdit, MenuId::MnuColorMakeIt,
                                        MenuId::MnuColorOpenSet}));
}

TEST_F(ToolbarTest, RecentFaceOpensTheSecondEntryAndEachItemItsOwn) {
    recordRecent();
    ASSERT_TRUE(toolbar().button(u"Recent"_s)->isEnabled());
    // The face, left of the drop-down arrow.
    QTest::mouseClick(toolButton(u"Recent"_s), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    toolbar().ButtonClick(u"Recent"_s);
    toolbar().recentItem(7)->trigger();
    EXPECT_EQ(opened, (std::vector<int>{2, 2, 7}));

    opened.clear();
    for (int index = 1; index <= Toolbar::RecentCount; ++index)
        toolbar().ButtonMenuClick(*toolbar().recentItem(index));
    EXPECT_EQ(opened, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(ToolbarTest, UnknownKeyDoesNothing) {
    recordRecent();
    w.recordAllCommands(ran);
    w.surface->setText(u"text"_s);
    w.surface->setSelLength(4);
    platform.clipboard.setText(u"schránka"_s);
    for (const QString& key : {u"recent"_s, u"CUT"_s, u"Bold "_s, u""_s, u"M1"_s, u"edi"_s})
        toolbar().ButtonClick(key);
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(platform.clipboard.text(), u"schránka"_s);
    EXPECT_EQ(w.surface->text(), u"text"_s);
}

TEST_F(ToolbarTest, FillRecentMenuNumbersItemsAndShowsAmpersandLiterally) {
    std::array<QString, Toolbar::RecentCount> files;
    files[0] = u"/home/eva/R&D/plán.txt"_s;
    files[9] = u"/tmp/&&.htm"_s;
    toolbar().FillRecentMenu(files);
    QStringList texts;
    for (int index = 1; index <= Toolbar::RecentCount; ++index)
        texts << toolbar().recentItem(index)->text();
    EXPECT_EQ(texts,
              (QStringList{u"&0 /home/eva/R&&D/plán.txt"_s, u"&1 "_s, u"&2 "_s, u"&3 "_s, u"&4 "_s,
                           u"&5 "_s, u"&6 "_s, u"&7 "_s, u"&8 "_s, u"&9 /tmp/&&&&.htm"_s}));
}

} // namespace
