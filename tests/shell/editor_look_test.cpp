#include "shell/editor_look.h"

#include "core/editor_surface.h"
#include "platform/RichEditSurface.h"
#include "platform/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "platform/twips.h"
#include "shell/DocumentTabs.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/Visual.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QComboBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int TabStripPixels = 24; // the 360-twip strip

class EditorLook : public ::testing::Test {
protected:
    EditorLook() {
        Program() = ProgramState{};
        FontMenuItems items;
        for (std::size_t i = 0; i < items.sizes.size(); ++i)
            items.sizes[i] = checkable(sizeItems[i]);
        items.bold = checkable(bold);
        items.italic = checkable(italic);
        SetFontMenuItems(items);
        form->resize(640, 480);
        form->move(100, 80);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    ~EditorLook() override { SetFontMenuItems({}); }

    static QAction* checkable(QAction& item) {
        item.setCheckable(true);
        return &item;
    }
    // Size of the character at position of the main surface; moves the selection.
    double sizeAt(int position) {
        surface().setSelStart(position);
        surface().setSelLength(1);
        return surface().selFontSize();
    }
    [[nodiscard]] QList<bool> sizeChecks() const {
        QList<bool> checks;
        for (const QAction& item : sizeItems)
            checks << item.isChecked();
        return checks;
    }
    EditorSurface& surface() { return form->surface(); }
    // Writes text as a freshly opened, unmodified document.
    void openText(const QString& text) {
        surface().setText(text);
        form->documents().setCaption(u"/tmp/a.txt"_s, false);
    }
    // The editor's and the tab strip's rectangles in the window's pixels.
    QRect editorRect() const { return rectInForm(form->Text1()); }
    QRect tabStripRect() const { return rectInForm(form->FileTab()); }
    QRect rectInForm(const QWidget* widget) const {
        return {widget->mapTo(form.get(), QPoint(0, 0)), widget->size()};
    }
    // Top of the inner area left to the editor: below the menu and the toolbar.
    int innerTop() const { return form->centralWidget()->geometry().top(); }
    int statusBarHeight() const {
        return form->statusBar()->isHidden() ? 0 : form->statusBar()->height();
    }

    TestPlatform platform;
    std::array<QAction, 6> sizeItems;
    QAction bold;
    QAction italic;
    std::unique_ptr<MainForm> form = std::make_unique<MainForm>();
};

TEST_F(EditorLook, EditorLeavesTheTabsTheRightStripOrTheWholeWidth) {
    for (const bool tabsShown : {true, false}) {
        form->FileTab()->setVisible(tabsShown);
        LayoutMainForm();
        const int editorWidth = form->width() - (tabsShown ? TabStripPixels : 0);
        const int height = form->height() - innerTop() - statusBarHeight();
        EXPECT_EQ(editorRect(), QRect(0, innerTop(), editorWidth, height)) << tabsShown;
        EXPECT_EQ(PixelsToTwips(form->Text1()->width()),
                  PixelsToTwips(form->width()) - (tabsShown ? 360 : 0));
    }
}

TEST_F(EditorLook, TabsShowAndAnswerClicksInTheRightStrip) {
    form->statusBar()->setVisible(true);
    form->FileTab()->setVisible(true);
    LayoutMainForm();
    const QRect editor = editorRect();
    EXPECT_EQ(tabStripRect(),
              QRect(editor.right() + 1, editor.top(), TabStripPixels, editor.height()));
    QTabBar* tabs = form->FileTab();
    ASSERT_EQ(tabs->count(), DocumentTabs::TabCount);
    for (int index = 0; index < tabs->count(); ++index) {
        const QPoint centre = tabs->mapTo(form.get(), tabs->tabRect(index).center());
        EXPECT_GT(centre.x(), editor.right()) << index;
        EXPECT_LT(centre.y(), editor.bottom()) << index;
        EXPECT_EQ(form->childAt(centre), tabs) << index;
    }
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    EXPECT_EQ(form->documents().currentTab(), 4);
}

TEST_F(EditorLook, HiddenBarsLetTheEditorFillTheInnerHeight) {
    form->statusBar()->setVisible(false);
    form->FileTab()->setVisible(false);
    LayoutMainForm();
    EXPECT_EQ(editorRect(), QRect(0, innerTop(), form->width(), form->height() - innerTop()));

    form->statusBar()->setVisible(true);
    LayoutMainForm();
    ASSERT_GT(form->statusBar()->height(), 0);
    EXPECT_EQ(editorRect().height(), form->height() - innerTop() - form->statusBar()->height());
    EXPECT_EQ(editorRect().bottom() + 1, form->statusBar()->geometry().top());
}

TEST_F(EditorLook, ResizingTheWindowRefitsTheEditor) {
    form->FileTab()->setVisible(true);
    form->resize(900, 600);
    QTest::qWait(10);
    ASSERT_EQ(form->size(), QSize(900, 600));
    EXPECT_EQ(editorRect(),
              QRect(0, innerTop(), 900 - TabStripPixels, 600 - innerTop() - statusBarHeight()));
    EXPECT_EQ(tabStripRect().right(), 899);
}

TEST_F(EditorLook, MinimisedWindowMovesNothing) {
    form->FileTab()->setVisible(true);
    LayoutMainForm();
    const QRect editor = editorRect();
    const QRect tabs = tabStripRect();
    form->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(form->isMinimized());
    form->FileTab()->setVisible(false);
    form->statusBar()->setVisible(false);
    LayoutMainForm();
    EXPECT_EQ(editorRect(), editor);
    EXPECT_EQ(tabStripRect(), tabs);
}

TEST_F(EditorLook, SizeOutsideTheListAppliesEightToTheWholeText) {
    surface().setText(u"První řádek\r\nDruhý řádek"_s);
    SetEditorFontSize(14);
    SetEditorFontSize(11);
    EXPECT_EQ(sizeChecks(), QList<bool>({true, false, false, false, false, false}));
    EXPECT_EQ(LoadedWindow<Visual>().Combo1()->currentIndex(), 0);
    EXPECT_EQ(sizeAt(0), 8);
    EXPECT_EQ(sizeAt(12), 8);
    EXPECT_EQ(sizeAt(surface().textLength() - 1), 8);
}

TEST_F(EditorLook, SizeSeventeenChecksItsItemAndSelectsItInTheSettingsList) {
    openText(u"Dobrý den, světe"_s);
    surface().setSelStart(6);
    surface().setSelLength(4);
    SetEditorFontSize(17);

    EXPECT_EQ(surface().selStart(), 6);
    EXPECT_EQ(surface().selLength(), 4);
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor (/tmp/a.txt)"_s);
    EXPECT_EQ(sizeChecks(), QList<bool>({false, false, false, false, true, false}));
    Visual& settings = LoadedWindow<Visual>();
    EXPECT_EQ(settings.Combo1()->currentIndex(), 4);
    EXPECT_EQ(settings.Combo1()->currentText(), u"17"_s);
    EXPECT_FALSE(settings.isVisible());
    EXPECT_EQ(sizeAt(0), 17);
    EXPECT_EQ(sizeAt(15), 17);
}

TEST_F(EditorLook, EveryListedSizeHasItsItemAndListPosition) {
    surface().setText(u"text"_s);
    for (std::size_t i = 0; i < EditorFontSizes.size(); ++i) {
        SetEditorFontSize(EditorFontSizes[i]);
        QList<bool> expected(6, false);
        expected[static_cast<int>(i)] = true;
        EXPECT_EQ(sizeChecks(), expected) << EditorFontSizes[i];
        EXPECT_EQ(LoadedWindow<Visual>().Combo1()->currentIndex(), static_cast<int>(i));
        EXPECT_EQ(sizeAt(2), EditorFontSizes[i]);
    }
}

TEST_F(EditorLook, EmptyTextTakesTheSizeForWhatIsTypedNext) {
    surface().setText(QString());
    SetEditorFontSize(24);
    EXPECT_EQ(surface().selFontSize(), 24);
    EXPECT_EQ(LoadedWindow<Visual>().Combo1()->currentIndex(), 5);
}

TEST_F(EditorLook, DosLookRestoresAMaximisedWindowToGreyOnBlack) {
    openText(u"C:\\>dir"_s);
    bold.setChecked(true);
    italic.setChecked(true);
    const QPoint position = form->pos();
    form->showMaximized();
    QTest::qWait(10);
    ASSERT_TRUE(form->isMaximized());
    ApplyDosLook();
    QTest::qWait(10);

    EXPECT_FALSE(form->isMaximized());
    EXPECT_EQ(form->size(), QSize(TwipsToPixels(9210), TwipsToPixels(6675)));
    EXPECT_EQ(form->pos(), position);
    EXPECT_EQ(surface().backColor(), RgbColor(0, 0, 0));
    EXPECT_FALSE(bold.isChecked());
    EXPECT_FALSE(italic.isChecked());
    EXPECT_EQ(sizeChecks(), QList<bool>({true, false, false, false, false, false}));
    Visual& settings = LoadedWindow<Visual>();
    EXPECT_EQ(settings.previewTextColor(), RgbColor(194, 194, 194));
    EXPECT_EQ(settings.previewBackColor(), RgbColor(0, 0, 0));
    EXPECT_EQ(settings.Combo1()->currentIndex(), 0);
    EXPECT_FALSE(settings.isVisible());
    surface().setSelStart(3);
    surface().setSelLength(2);
    EXPECT_EQ(surface().selColor(), RgbColor(194, 194, 194));
    EXPECT_EQ(surface().selFontSize(), 8);
    EXPECT_FALSE(surface().selBold());
    EXPECT_FALSE(surface().selItalic());
    EXPECT_EQ(surface().selFontName(), u"Courier New CE"_s);
    EXPECT_EQ(form->windowTitle(), u"Tarvel Qor (/tmp/a.txt)"_s);
}

TEST_F(EditorLook, AlwaysOnTopSetsAndClearsTheFlagWhereTheWindowIs) {
    const QRect geometry = form->geometry();
    for (const bool on : {true, true, false, false}) {
        SetAlwaysOnTop(*form, on);
        QTest::qWait(10);
        EXPECT_EQ(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_TRUE(form->isVisible()) << on;
        EXPECT_EQ(form->geometry(), geometry) << on;
    }
}

TEST_F(EditorLook, AlwaysOnTopLeavesAHiddenWindowHidden) {
    form->hide();
    SetAlwaysOnTop(*form, true);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(EditorLook, DestroyedMenuItemsAreSkipped) {
    auto item = std::make_unique<QAction>();
    FontMenuItems items;
    items.sizes[0] = item.get();
    SetFontMenuItems(items);
    item.reset();
    EXPECT_EQ(InstalledFontMenuItems().sizes[0], nullptr);
    surface().setText(u"a"_s);
    SetEditorFontSize(8);
    EXPECT_EQ(sizeAt(0), 8);
}

} // namespace
