#include "shell/start/Start.h"

#include "core/shell/start_blurb.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_window/MainForm.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kDesignTitle = u"* * ! Tarvel Qor !* *"_s;

class StartScreen : public ::testing::Test {
protected:
    void SetUp() override { Program() = ProgramState{}; }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    // The start screen as start-up leaves it, over a hidden main window.
    Start& startScreen() {
        mainForm = std::make_unique<MainForm>(commands);
        Start& start = LoadedWindow<Start>();
        start.show();
        start.showMenuFrame();
        return start;
    }

    TestPlatform platform;
    CommandRegistry commands;
    std::unique_ptr<MainForm> mainForm;
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QString selectedBlurb(const QPlainTextEdit* box) {
    return box->textCursor().selectedText().replace(QChar::ParagraphSeparator, u"\r\n"_s);
}

void moveMouseOver(QWidget* widget, QPoint position) {
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

TEST_F(StartScreen, SetActionShowsStepAndPaintsItAtOnce) {
    Start& start = LoadedWindow<Start>();
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    PaintCounter counter;
    start.Action()->installEventFilter(&counter);
    start.setAction(u"Nahrávám konstanty"_s);
    // No event loop ran in between: the label painted itself.
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(start.Action()->text(), u"Nahrávám konstanty"_s);
}

TEST_F(StartScreen, VersionTextFillsAllThreeTitles) {
    Start& start = LoadedWindow<Start>();
    ASSERT_EQ(start.findChildren<QLabel*>(u"Label8"_s).size(), Start::Label8Count);
    const auto titles = [&start] {
        return QStringList{start.Label1()->text(), start.Label8(0)->text(),
                           start.Label8(1)->text()};
    };
    EXPECT_EQ(titles(), QStringList(3, kDesignTitle));
    start.setVersionText(u"1.0.0b CZ"_s);
    EXPECT_EQ(titles(), QStringList(3, u"Vítá vás textový editor Tarvel Qor v1.0.0b CZ"_s));
}

TEST_F(StartScreen, Check1WritesShowStartScreen) {
    Start& start = startScreen();
    QCheckBox* check = start.Check1();
    EXPECT_FALSE(check->isChecked());

    // Start-up ticks it when the start screen is off; it stays off.
    Program().Settings.ShowStartScreen = false;
    start.setCloseAfterStart(true);
    EXPECT_TRUE(check->isChecked());
    EXPECT_FALSE(Program().Settings.ShowStartScreen);

    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_FALSE(check->isChecked());
    EXPECT_TRUE(Program().Settings.ShowStartScreen);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_TRUE(check->isChecked());
    EXPECT_FALSE(Program().Settings.ShowStartScreen);
}

TEST_F(StartScreen, MenuFrameCoversActionAndNamesTheUser) {
    mainForm = std::make_unique<MainForm>();
    Start& start = LoadedWindow<Start>();
    start.show();
    EXPECT_TRUE(start.MenuFrame()->isHidden());
    EXPECT_TRUE(start.Action()->isVisible());

    Program().Settings.UserName = u"Eva"_s;
    start.showMenuFrame();
    EXPECT_TRUE(start.MenuFrame()->isVisible());
    EXPECT_EQ(start.MenuFrame()->geometry(), start.Action()->geometry());
    QWidget* onTop = start.childAt(start.Action()->geometry().center());
    EXPECT_TRUE(onTop == start.MenuFrame() || start.MenuFrame()->isAncestorOf(onTop));
    EXPECT_EQ(start.Label9()->text(), u"Licencováno : Eva"_s);
    EXPECT_TRUE(start.Command1()->isEnabled());
    EXPECT_TRUE(start.Command3()->isEnabled());
}

TEST_F(StartScreen, BeginWorkOrAnyTypedKeyHidesItAndShowsMainWindow) {
    Start& start = startScreen();
    const auto beginsWork = [&](const std::function<void()>& act) {
        start.show();
        mainForm->hide();
        act();
        return !start.isVisible() && mainForm->isVisible();
    };
    EXPECT_TRUE(beginsWork([&] { QTest::mouseClick(start.Command1(), Qt::LeftButton); }));
    EXPECT_TRUE(platform.windows.contains(&start));
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_9})
        EXPECT_TRUE(beginsWork([&] { QTest::keyClick(&start, key); })) << key;
    // A modifier alone types nothing.
    EXPECT_FALSE(beginsWork([&] { QTest::keyClick(&start, Qt::Key_Shift); }));
    EXPECT_TRUE(start.isVisible());
}

TEST_F(StartScreen, ClosingUnloadsItAndShowsMainWindow) {
    Start& start = startScreen();
    start.setVersionText(u"1.0.0b CZ"_s);
    start.close();
    EXPECT_TRUE(mainForm->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(platform.windows.windows().isEmpty());

    Start& again = LoadedWindow<Start>();
    EXPECT_EQ(again.Label1()->text(), kDesignTitle);
    EXPECT_TRUE(again.MenuFrame()->isHidden());
}

TEST_F(StartScreen, PictureHeightSelectsBlurbItem) {
    Start& start = startScreen();
    const QString blurb = StartBlurbText();
    struct Case {
        int y; // pixels from the picture's top
        int band;
    };
    // 15 twips a pixel: 32 is 480 twips, 33 is 495, 231 is 3465; the bands'
    // edges are tested in core.
    const Case kCases[] = {{32, 0}, {33, 1}, {75, 2}, {120, 3}, {170, 4}, {200, 5}, {231, 5}};
    for (const Case& c : kCases) {
        moveMouseOver(start.AdImage(), {10, c.y});
        const BlurbRange item = BlurbBands().at(c.band).item;
        EXPECT_EQ(selectedBlurb(start.AdText()), blurb.mid(item.start, item.length)) << c.y;
    }
    // Below the last band the selection stays.
    moveMouseOver(start.AdImage(), {10, 3570 / 15});
    EXPECT_TRUE(selectedBlurb(start.AdText()).startsWith(u"morseovka"_s));
}

TEST_F(StartScreen, FreewareButtonShowsTheNoticeWithTheUsersAddress) {
    Program().Settings.UserName = {};
    Program().Settings.UserEmail = u"root@stroj.cz"_s;
    Start& start = startScreen();
    QTest::mouseClick(start.Command3(), Qt::LeftButton);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_EQ(platform.messageBox.shown[0].request.title, u"Freeware"_s);
    EXPECT_TRUE(
        platform.messageBox.shown[0].request.text.contains(u"\r\n\"\" <root@stroj.cz>\r\n"_s));
    EXPECT_TRUE(start.isVisible());
}

// The open-file window is the work of the main menu's "Otevři": the button
// waits for it, then brings up the main window and that work.
TEST_F(StartScreen, OpenFileButtonRunsTheOpenEntryOverTheMainWindow) {
    Start& start = startScreen();
    EXPECT_FALSE(start.Command2()->isEnabled());
    bool mainShownFirst = false;
    commands.add(MenuId::mnuopen, [&] { mainShownFirst = mainForm->isVisible(); });
    ASSERT_TRUE(start.Command2()->isEnabled());
    QTest::mouseClick(start.Command2(), Qt::LeftButton);
    EXPECT_TRUE(mainShownFirst);
    EXPECT_FALSE(start.isVisible());
}

TEST_F(StartScreen, Label9OpensSettingsOnUserPageModally) {
    Start& start = startScreen();
    bool modal = false;
    int shownTab = -1;
    bool tabsEnabled = false;
    WhenModalShown<Visual>([&](Visual* shown) {
        modal = shown->isModal();
        shownTab = shown->TabStrip1()->currentIndex();
        tabsEnabled = shown->TabStrip1()->isEnabled();
        shown->reject();
    });
    QTimer::singleShot(8000, &start, [] {
        if (QWidget* left = QApplication::activeModalWidget())
            left->close();
    });
    QTest::mouseClick(start.Label9(), Qt::LeftButton);
    EXPECT_TRUE(modal);
    EXPECT_EQ(shownTab, 2);
    EXPECT_TRUE(tabsEnabled);
    EXPECT_FALSE(LoadedWindow<Visual>().isVisible());
}

// A window manager that frames windows with a title bar, and a panel at the
// bottom: the start screen opens whole on the screen, title bar and all, and
// shows its blurb to the last line.
TEST_F(StartScreen, OpensWholeOnTheScreenShowingTheWholeBlurb) {
    platform.frames.frameOnAPanelledScreen();
    Start& start = startScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(platform.frames.frameOf(start)));

    QPlainTextEdit* blurb = start.AdText();
    QTextCursor end(blurb->document());
    end.movePosition(QTextCursor::End);
    end.movePosition(QTextCursor::PreviousBlock);
    EXPECT_EQ(end.block().text(), u"dalšího!"_s);
    EXPECT_EQ(blurb->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(blurb->cursorRect(end).bottom(), blurb->viewport()->height());
}

} // namespace
