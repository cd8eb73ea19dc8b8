#include "shell/main_window/UpravToolbar.h"

#include "shell/main_form_test.h"
#include "shell/main_window/Toolbar.h"
#include "shell/window_instances.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

class UpravToolbarTest : public MainFormTest {
protected:
    UpravToolbarTest() {
        run(MenuId::mnucust);
        dialog = LoadedWindowIfAny<UpravToolbar>();
    }
    ~UpravToolbarTest() override {
        while (QWidget* popUp = QApplication::activePopupWidget())
            popUp->close();
    }

    Toolbar& toolbar() { return *form.Toolbar1(); }
    [[nodiscard]] QStringList toolbarKeys() {
        QStringList keys;
        for (const ToolbarPlace& place : toolbar().arrangement())
            keys.append(place.key);
        return keys;
    }
    [[nodiscard]] QStringList listedTexts() const {
        QStringList texts;
        for (int row = 0; row < dialog->List1()->count(); ++row)
            texts.append(dialog->List1()->item(row)->text());
        return texts;
    }
    QListWidgetItem* listed(const QString& tooltip) {
        return dialog->List1()->findItems(tooltip, Qt::MatchExactly).value(0);
    }
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    UpravToolbar* dialog = nullptr;
};

TEST_F(UpravToolbarTest, ListsEveryButtonInToolbarOrderTickedWhileItShows) {
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), u"Uprav toolbar"_s);
    ASSERT_EQ(dialog->List1()->count(), Toolbar::ButtonCount);
    EXPECT_EQ(listedTexts().first(3), (QStringList{u"Otevřít"_s, u"Nový HTML"_s, u"Otevřít"_s}));
    EXPECT_EQ(listedTexts().last(), u"Zvýraznění formátování dokumentu"_s);
    for (int row = 0; row < dialog->List1()->count(); ++row)
        EXPECT_EQ(dialog->List1()->item(row)->checkState(), Qt::Checked) << row;
}

TEST_F(UpravToolbarTest, AnUntickedButtonLeavesTheToolbarAndComesBackWhenTicked) {
    QAction* print = toolbar().button(u"Print"_s);
    listed(u"Tisk"_s)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(print->isVisible());
    EXPECT_TRUE(toolbar().widgetForAction(print)->isHidden());
    EXPECT_EQ(toolbarKeys(), [] {
        QStringList keys;
        for (const ToolbarPlace& place : Toolbar::DefaultArrangement())
            keys.append(place.key);
        return keys;
    }());
    listed(u"Tisk"_s)->setCheckState(Qt::Checked);
    EXPECT_TRUE(print->isVisible());
}

TEST_F(UpravToolbarTest, MovedButtonsKeepTheirDropDownAndThePopUpMenu) {
    dialog->List1()->setCurrentRow(3);
    click(dialog->CmndUp());
    click(dialog->CmndUp());
    EXPECT_EQ(toolbarKeys().first(4),
              (QStringList{u"New"_s, u"Recent"_s, u"Newhtml"_s, u"Open"_s}));
    EXPECT_EQ(dialog->List1()->currentRow(), 1);
    QApplication::processEvents();

    auto* recent =
        qobject_cast<QToolButton*>(toolbar().widgetForAction(toolbar().button(u"Recent"_s)));
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->menu(), toolbar().recentMenu());
    EXPECT_EQ(recent->popupMode(), QToolButton::MenuButtonPopup);
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, Qt::NoModifier,
                      recent->mapTo(&form, QPoint(4, 4)));
    EXPECT_EQ(QApplication::activePopupWidget(), form.menu().popUpMenu());
}

TEST_F(UpravToolbarTest, MovesStopAtTheEndsAndResetBringsBackTheFirstToolbar) {
    dialog->List1()->setCurrentRow(0);
    EXPECT_FALSE(dialog->CmndUp()->isEnabled());
    click(dialog->CmndDown());
    listed(u"Dos obrazovka"_s)->setCheckState(Qt::Unchecked);
    dialog->List1()->setCurrentRow(Toolbar::ButtonCount - 1);
    EXPECT_FALSE(dialog->CmndDown()->isEnabled());
    EXPECT_NE(toolbar().arrangement(), Toolbar::DefaultArrangement());

    click(dialog->CmndReset());
    EXPECT_EQ(toolbar().arrangement(), Toolbar::DefaultArrangement());
    EXPECT_EQ(listed(u"Dos obrazovka"_s)->checkState(), Qt::Checked);
    EXPECT_EQ(dialog->List1()->item(0)->data(Qt::UserRole).toString(), u"New"_s);
}

TEST_F(UpravToolbarTest, ClosedAndOpenedAgainItShowsTheToolbarAsItIsNow) {
    toolbar().arrange({{u"Help"_s, false}});
    click(dialog->CmndClose());
    EXPECT_FALSE(dialog->isVisible());
    run(MenuId::mnucust);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->List1()->item(0)->text(), u"Nápověda"_s);
    EXPECT_EQ(dialog->List1()->item(0)->checkState(), Qt::Unchecked);
}

} // namespace
