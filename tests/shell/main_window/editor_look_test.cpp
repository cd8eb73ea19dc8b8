#include "shell/main_window/editor_look.h"

#include "core/text/editor_surface.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
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

// The layout's arithmetic is tested in core; here the real widgets must land there.
TEST_F(EditorLook, EditorFillsTheInnerAreaLeavingTheTabsTheRightStripThatTakesClicks) {
    const auto expectLaidOut = [this](const std::string& what) {
        const bool tabs = form->FileTab()->isVisible();
        const int width = form->width() - (tabs ? TabStripPixels : 0);
        const int height = form->height() - innerTop() - statusBarHeight();
        EXPECT_EQ(editorRect(), QRect(0, innerTop(), width, height)) << what;
        if (tabs) {
            EXPECT_EQ(tabStripRect(), QRect(width, innerTop(), TabStripPixels, height)) << what;
        }
        if (form->statusBar()->isVisible()) {
            EXPECT_EQ(editorRect().bottom() + 1, form->statusBar()->geometry().top()) << what;
        }
    };
    for (const bool tabs : {true, false}) {
        for (const bool status : {true, false}) {
            form->FileTab()->setVisible(tabs);
            form->statusBar()->setVisible(status);
            LayoutMainForm();
            ASSERT_TRUE(!status || form->statusBar()->height() > 0);
            expectLaidOut("tabs " + std::to_string(tabs) + ", status " + std::to_string(status));
        }
    }
    // Resizing the window lays it out again by itself.
    form->FileTab()->setVisible(true);
    form->resize(900, 600);
    QTest::qWait(10);
    ASSERT_EQ(form->size(), QSize(900, 600));
    expectLaidOut("resized");

    QTabBar* strip = form->FileTab();
    ASSERT_EQ(strip->count(), DocumentTabs::TabCount);
    for (int index = 0; index < strip->count(); ++index)
        EXPECT_EQ(form->childAt(strip->mapTo(form.get(), strip->tabRect(index).center())), strip);
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(3).center());
    EXPECT_EQ(form->documents().currentTab(), 4);
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

TEST_F(EditorLook, FontSizeChecksItsItemAndListPositionAndKeepsSelectionAndMark) {
    const struct {
        int size, index;
    } cases[] = {{8, 0}, {10, 1}, {12, 2}, {14, 3}, {17, 4}, {24, 5}, {11, 0}};
    openText(u"Dobrý den,\r\nsvěte"_s);
    for (const auto& c : cases) {
        surface().setSelStart(6);
        surface().setSelLength(4);
        SetEditorFontSize(c.size);
        EXPECT_EQ(surface().selStart(), 6) << c.size;
        EXPECT_EQ(surface().selLength(), 4) << c.size;
        EXPECT_EQ(form->windowTitle(), u"Tarvel Qor (/tmp/a.txt)"_s) << c.size;
        QList<bool> checks(6, false);
        checks[c.index] = true;
        EXPECT_EQ(sizeChecks(), checks) << c.size;
        Visual& settings = LoadedWindow<Visual>();
        EXPECT_EQ(settings.Combo1()->currentIndex(), c.index) << c.size;
        EXPECT_FALSE(settings.isVisible());
        const int applied = EditorFontSizes[static_cast<std::size_t>(c.index)];
        EXPECT_EQ(sizeAt(0), applied) << c.size;
        EXPECT_EQ(sizeAt(surface().textLength() - 1), applied) << c.size;
    }
}

// The settings sample shows the font the editor shows, a stored font the
// machine lacks falling back to the same fixed-pitch one.
TEST_F(EditorLook, SettingsSampleShowsTheEditorsFont) {
    ApplyEditorFont(RgbColor(0, 0, 0), false, false, u"Courier New CE"_s);
    const QFontInfo sample(LoadedWindow<Visual>().Label1()->font());
    const QFontInfo editor(form->surface().document()->defaultFont());
    EXPECT_EQ(sample.family(), editor.family());
    EXPECT_EQ(sample.fixedPitch(), editor.fixedPitch());
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
