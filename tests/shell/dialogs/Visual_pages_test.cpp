// The settings dialog's text, view and window pages working on the main
// window.
#include "shell/dialogs/Visual.h"

#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/colour_picking.h"
#include "shell/command_registry.h"
#include "shell/dialogs/PlacementPicker.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/main_window/UpravToolbar.h"
#include "shell/shell_commands.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class VisualPages : public ::testing::Test {
protected:
    VisualPages() {
        Program() = ProgramState{};
        form.show();
        form.surface().setText(u"Dobrý den"_s);
    }
    ~VisualPages() override {
        InstallColourPicker({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    static CommandRegistry& registered(CommandRegistry& registry) {
        RegisterShellCommands(registry);
        return registry;
    }
    // The look of the whole editor text: selects it all, as a reader would.
    void selectAll() {
        form.surface().setSelStart(0);
        form.surface().setSelLength(form.surface().textLength());
    }
    Visual& dialog() {
        Visual& visual = LoadedWindow<Visual>();
        visual.show();
        return visual;
    }
    static void moveOver(QWidget* widget, QPointF units) {
        const QPoint at(static_cast<int>(units.x() * widget->width() / 3),
                        static_cast<int>(units.y() * widget->height() / 3));
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    static void releaseAt(QWidget* widget, QPoint at) {
        QMouseEvent up(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &up);
    }

    QTemporaryDir folder;
    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{registered(commands)};
};

TEST_F(VisualPages, SizeBoxSettlesWhatIsTypedOrPasted) {
    Visual& visual = dialog();
    QLineEdit* box = visual.Combo1()->lineEdit();
    // An emptied box shows "1" at once, so the typing replaces what it shows.
    box->selectAll();
    QTest::keyClicks(box, u"123"_s);
    EXPECT_EQ(visual.Combo1()->currentText(), u"12"_s);
    EXPECT_EQ(visual.preview().size, 12);

    const std::pair<QString, QString> pasted[] = {{u"abc"_s, u"1"_s},
                                                  {u"8.5"_s, u"8"_s},
                                                  {u""_s, u"1"_s},
                                                  {u"-3"_s, u"1"_s},
                                                  {u"17"_s, u"17"_s}};
    for (const auto& [text, settled] : pasted) {
        visual.Combo1()->setEditText(text);
        EXPECT_EQ(visual.Combo1()->currentText(), settled) << text.toStdString();
        EXPECT_EQ(visual.preview().size, settled.toDouble()) << text.toStdString();
        EXPECT_EQ(visual.Label1()->font().pointSizeF(), settled.toDouble());
    }
}

TEST_F(VisualPages, LoadingTakesTheEditorsLookAndKnownFontOnly) {
    const struct {
        QString font;
        QRadioButton* (Visual::*option)() const;
    } cases[] = {
        {u"Terminal"_s, &Visual::Option3},
        {u"MS Sans Serif"_s, &Visual::Option1},
        {u"Courier New CE"_s, &Visual::Option2},
        // Another font leaves the options and the preview font as designed.
        {u"DejaVu Sans"_s, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.font.toStdString());
        selectAll();
        form.surface().setSelFontName(c.font);
        form.surface().setSelFontSize(14);
        form.surface().setSelBold(true);
        form.surface().setSelItalic(c.option == nullptr);
        form.surface().setSelColor(RgbColor(10, 20, 30));
        form.surface().setBackColor(RgbColor(200, 210, 220));
        Visual& visual = *new Visual(&form);
        EXPECT_TRUE(visual.Check2()->isChecked());
        EXPECT_EQ(visual.Check3()->isChecked(), c.option == nullptr);
        EXPECT_EQ(visual.Combo1()->currentText(), u"14"_s);
        const PreviewLook& look = visual.preview();
        EXPECT_EQ(look.textColor, RgbColor(10, 20, 30));
        EXPECT_EQ(look.backColor, RgbColor(200, 210, 220));
        EXPECT_EQ(look.size, 14);
        if (c.option) {
            EXPECT_TRUE((visual.*c.option)()->isChecked());
            EXPECT_EQ(look.fontName, c.font);
        } else {
            for (QRadioButton* option : {visual.Option1(), visual.Option2(), visual.Option3()})
                EXPECT_FALSE(option->isChecked());
            EXPECT_EQ(look.fontName, u"Courier New CE"_s);
        }
        delete &visual;
    }
}

TEST_F(VisualPages, ResetGivesCourierEightBlackOnWhitePlain) {
    InstallColourPicker([](ColorValue) { return RgbColor(1, 2, 3); });
    Visual& visual = dialog();
    visual.Check2()->click();
    visual.Check3()->click();
    visual.Option3()->click();
    visual.Combo1()->setEditText(u"24"_s);
    visual.Command8()->click();
    visual.Command9()->click();
    ASSERT_EQ(visual.preview().textColor, RgbColor(1, 2, 3));

    visual.Command3()->click();
    EXPECT_TRUE(visual.Option2()->isChecked());
    EXPECT_FALSE(visual.Option1()->isChecked() || visual.Option3()->isChecked());
    EXPECT_FALSE(visual.Check2()->isChecked() || visual.Check3()->isChecked());
    EXPECT_EQ(visual.Combo1()->currentText(), u"8"_s);
    EXPECT_EQ(visual.preview(), PreviewLook{});
    EXPECT_EQ(visual.Label1()->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(visual.Label1()->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(VisualPages, ApplyCarriesThePreviewToTheWholeTextAndTheMenu) {
    InstallColourPicker([](ColorValue from) {
        return from == RgbColor(0, 0, 0) ? RgbColor(0, 128, 0) : RgbColor(255, 255, 192);
    });
    Visual& visual = dialog();
    visual.Command3()->click();
    visual.Option1()->click();
    visual.Check2()->click();
    visual.Combo1()->setEditText(u"17"_s);
    visual.Command8()->click();
    visual.Command9()->click();
    // Nothing reaches the editor before "Aplikuj".
    selectAll();
    EXPECT_FALSE(form.surface().selBold());

    visual.Command1()->click();
    selectAll();
    EXPECT_EQ(form.surface().selFontName(), u"MS Sans Serif"_s);
    EXPECT_EQ(form.surface().selFontSize(), 17);
    EXPECT_TRUE(form.surface().selBold());
    EXPECT_FALSE(form.surface().selItalic());
    EXPECT_EQ(form.surface().selColor(), RgbColor(0, 128, 0));
    EXPECT_EQ(form.surface().backColor(), RgbColor(255, 255, 192));
    EXPECT_TRUE(form.menu().action(MenuId::mnuEditBold)->isChecked());
    EXPECT_FALSE(form.menu().action(MenuId::mnuitalic)->isChecked());
    EXPECT_TRUE(form.menu().action(MenuId::mnu17)->isChecked());
    EXPECT_EQ(Program().Applied.AppliedFontName, u"MS Sans Serif"_s);
    EXPECT_EQ(Program().Applied.AppliedTextColor, RgbColor(0, 128, 0));
}

TEST_F(VisualPages, FontDialogGivesFamilyAndSizeOnlyAndCancelKeepsThePreview) {
    Visual& visual = dialog();
    visual.Command3()->click();
    visual.Check2()->click();
    visual.Combo1()->setEditText(u"12"_s);
    platform.fontDialog.queue(FontChoice{u"DejaVu Serif"_s, 10.5});
    platform.fontDialog.queue(std::nullopt);

    visual.Command10()->click();
    ASSERT_EQ(platform.fontDialog.asked.size(), 1);
    EXPECT_EQ(platform.fontDialog.asked[0].initial, (FontChoice{u"Courier New CE"_s, 12}));
    EXPECT_EQ(platform.fontDialog.asked[0].owner, &visual);
    EXPECT_EQ(visual.preview().fontName, u"DejaVu Serif"_s);
    EXPECT_EQ(visual.preview().size, 10.5);
    EXPECT_TRUE(visual.preview().bold);

    visual.Command10()->click();
    EXPECT_EQ(platform.fontDialog.asked[1].initial, (FontChoice{u"DejaVu Serif"_s, 10}));
    EXPECT_EQ(visual.preview().fontName, u"DejaVu Serif"_s);
    EXPECT_EQ(visual.preview().size, 10.5);

    // A size of ten and a half points is applied as ten.
    visual.Command1()->click();
    selectAll();
    EXPECT_EQ(form.surface().selFontSize(), 10);
}

TEST_F(VisualPages, BarButtonsToggleTheBarsWithTheirMenuEntries) {
    Visual& visual = dialog();
    const struct {
        QPushButton* button;
        MenuId entry;
        QWidget* bar;
    } cases[] = {
        {visual.Command12(), MenuId::MnuTS, form.Toolbar1()},
        {visual.Command13(), MenuId::MnuSBS, form.statusBar()},
        {visual.Command14(), MenuId::mnuFTS, form.FileTab()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(MainMenuEntry(c.entry).name);
        ASSERT_TRUE(form.menu().action(c.entry)->isChecked());
        c.button->click();
        EXPECT_FALSE(form.menu().action(c.entry)->isChecked());
        EXPECT_TRUE(c.bar->isHidden());
        c.button->click();
        EXPECT_TRUE(form.menu().action(c.entry)->isChecked());
        EXPECT_FALSE(c.bar->isHidden());
    }
}

// The toolbar's customising window and the folder chooser are the menu's own.
TEST_F(VisualPages, CustomiseAndFolderButtonsDoWhatTheirMenuEntriesDo) {
    Visual& visual = dialog();
    visual.findChild<QPushButton*>(u"Command15"_s)->click();
    const auto* customise = LoadedWindowIfAny<UpravToolbar>();
    ASSERT_NE(customise, nullptr);
    EXPECT_TRUE(customise->isVisible());
    EXPECT_EQ(customise->List1()->count(), form.Toolbar1()->actions().size());

    platform.fileDialogs.folderAnswers << folder.path();
    visual.findChild<QPushButton*>(u"getDir"_s)->click();
    ASSERT_EQ(platform.fileDialogs.folderRequests.size(), 1);
    EXPECT_EQ(platform.fileDialogs.folderRequests.front().owner, &visual);
}

TEST_F(VisualPages, PickerNamesTheCellUnderTheMouseAndPlacesTheMainWindow) {
    Visual& visual = dialog();
    visual.selectTab(Visual::Tab::Window);
    PlacementPicker* picker = visual.PicPos();
    moveOver(picker, {2.5, 0.5});
    EXPECT_EQ(visual.LabPos()->text(), u"Vpravo nahoře"_s);
    EXPECT_EQ(picker->outline(), QRectF(QPointF(1.5, 0), QPointF(2.975, 1.5)));

    const QSize screen = form.screen()->geometry().size();
    const auto pixels = [](int total, double part) {
        return TwipsToPixels(static_cast<int>(std::nearbyint(PixelsToTwips(total) * part)));
    };
    // The centre maximises; any other cell restores the window, then places it.
    releaseAt(picker, picker->rect().center());
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    releaseAt(picker, {picker->width() - 2, picker->height() - 2});
    EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form.size(), QSize(pixels(screen.width(), 0.5), pixels(screen.height(), 0.5)));
    EXPECT_EQ(form.pos(), QPoint(pixels(screen.width(), 0.5), pixels(screen.height(), 0.5)));

    // Outside every cell: restored, not placed, the name stays.
    form.resize(300, 200);
    form.setWindowState(Qt::WindowMaximized);
    moveOver(picker, {3.5, 1.0});
    EXPECT_EQ(visual.LabPos()->text(), u"Vpravo nahoře"_s);
    EXPECT_TRUE(picker->outline().isEmpty());
    releaseAt(picker, {picker->width() + 20, 5});
    EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form.size(), QSize(300, 200));
}

TEST_F(VisualPages, SnapDistanceOutsideTheBarIsClampedWhenLoaded) {
    const std::pair<qint32, int> cases[] = {{5000, 1450}, {-20, 10}, {0, 10}, {700, 700}};
    for (const auto& [stored, shown] : cases) {
        Program().Settings.SnapDistance = stored;
        Visual visual(&form);
        EXPECT_EQ(visual.VScroll7()->value(), shown) << stored;
        EXPECT_EQ(visual.Label12()->text(), QString::number(shown)) << stored;
        EXPECT_EQ(Program().Settings.SnapDistance, stored) << "only OK stores it";
    }
}

} // namespace
