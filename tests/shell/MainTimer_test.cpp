#include "shell/MainTimer.h"

#include "core/program_error.h"
#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "platform/window_registry.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A clipboard that can hold an empty text, or no text at all (a picture).
class TestClipboard : public ClipboardService {
public:
    [[nodiscard]] QString text() const override { return m_text; }
    void setText(const QString& text) override {
        m_text = text;
        holdsText = true;
    }
    [[nodiscard]] bool hasText() const override {
        if (failure)
            throw *failure;
        return holdsText;
    }

    bool holdsText = false;
    std::optional<ProgramError> failure;

private:
    QString m_text;
};

// Window geometry as the user sees it, frame included, in pixels (the
// offscreen platform gives top-level windows a frame too).
QRect outer(const QWidget& window) {
    return window.frameGeometry();
}

void setOuter(QWidget& window, const QRect& rect) {
    const QSize frame = window.frameGeometry().size() - window.size();
    window.move(rect.topLeft());
    window.resize(rect.size() - frame);
}

QSize screenSize() {
    return QGuiApplication::primaryScreen()->geometry().size();
}

class MainTimerTest : public ::testing::Test {
protected:
    MainTimerTest() {
        Program() = ProgramState{};
        Program().Settings.SnapDistance = 240;
        Platform().clipboard = &clipboard;
        mainForm.show();
        setOuter(mainForm, {100, 80, 400, 300});
    }

    // A loaded window of the program with the given tag.
    QWidget& loadedWindow(const QString& tag, const QRect& geometry) {
        auto* window = new QWidget(&mainForm, Qt::Window);
        SetWindowTag(window, tag);
        window->show();
        setOuter(*window, geometry);
        platform.windows.add(window);
        return *window;
    }

    TestPlatform platform;
    TestClipboard clipboard;
    MainForm mainForm;
    MainTimer& timer = *new MainTimer(mainForm);
};

TEST_F(MainTimerTest, RunsTimer1EveryHalfSecondAndTagsTheMainWindow) {
    auto* timer1 = mainForm.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer1, nullptr);
    EXPECT_TRUE(timer1->isActive());
    EXPECT_EQ(timer1->interval(), 500);
    EXPECT_EQ(WindowTag(&mainForm), QStringLiteral("_AUTOSNAP"));
}

TEST_F(MainTimerTest, SnapsTaggedWindowsWithinTheSnapDistance) {
    // 240 twips are 16 pixels; only strictly nearer windows move.
    QWidget& near = loadedWindow(QStringLiteral("_AUTOSNAP"), {10, 200, 200, 100});
    QWidget& atDistance = loadedWindow(QStringLiteral("_AUTOSNAP"), {16, 200, 200, 100});
    QWidget& untagged = loadedWindow({}, {10, 200, 200, 100});
    QWidget& otherCase = loadedWindow(QStringLiteral("_autosnap"), {10, 200, 200, 100});
    const int right = screenSize().width() - 200;
    QWidget& nearRight = loadedWindow(QStringLiteral("_AUTOSNAP"), {right - 12, 200, 200, 100});

    timer.tick();

    EXPECT_EQ(outer(near).topLeft(), QPoint(0, 200));
    EXPECT_EQ(outer(atDistance).topLeft(), QPoint(16, 200));
    EXPECT_EQ(outer(untagged).topLeft(), QPoint(10, 200));
    EXPECT_EQ(outer(otherCase).topLeft(), QPoint(10, 200));
    EXPECT_EQ(outer(nearRight).topLeft(), QPoint(right, 200));
    EXPECT_EQ(outer(near).size(), QSize(200, 100));
}

TEST_F(MainTimerTest, TheSnapDistanceIsReadAtEveryTick) {
    QWidget& window = loadedWindow(QStringLiteral("_AUTOSNAP"), {30, 200, 200, 100});
    timer.tick();
    EXPECT_EQ(outer(window).x(), 30);
    Program().Settings.SnapDistance = 600;
    timer.tick();
    EXPECT_EQ(outer(window).x(), 0);
}

TEST_F(MainTimerTest, TheMainWindowSnapsAndStretchesToTheScreen) {
    const QSize screen = screenSize();
    setOuter(mainForm, {5, 100, screen.width() - 12, 300});
    timer.tick();
    EXPECT_EQ(outer(mainForm), QRect(0, 100, screen.width(), 300));
}

TEST_F(MainTimerTest, NeverMovesMaximisedOrMinimisedWindows) {
    QWidget& minimisedSnap = loadedWindow(QStringLiteral("_AUTOSNAP"), {10, 200, 200, 100});
    minimisedSnap.showMinimized();
    QWidget& minimisedDock = loadedWindow(QStringLiteral("_AUTODOCK"), {10, 200, 200, 100});
    minimisedDock.showMinimized();
    QWidget& maximisedDock = loadedWindow(QStringLiteral("_AUTODOCK"), {10, 200, 200, 100});
    maximisedDock.showMaximized();
    const QRect maximised = outer(maximisedDock);

    timer.tick();

    EXPECT_EQ(outer(minimisedSnap).topLeft(), QPoint(10, 200));
    EXPECT_EQ(outer(minimisedDock).topLeft(), QPoint(10, 200));
    EXPECT_EQ(outer(maximisedDock), maximised);
}

TEST_F(MainTimerTest, ADockedWindowFollowsTheMainWindow) {
    const QSize screen = screenSize();
    QWidget& docked = loadedWindow(QStringLiteral("_AUTODOCK"), {0, 0, 120, 90});

    timer.tick();
    EXPECT_EQ(outer(docked), QRect(500, 80, screen.width() - 500, 300));

    setOuter(mainForm, {140, 60, 300, 250});
    timer.tick();
    EXPECT_EQ(outer(docked), QRect(440, 60, screen.width() - 440, 250));

    // No room left beside it: the window keeps its width at the screen's edge.
    setOuter(mainForm, {screen.width() - 300, 60, 300, 250});
    timer.tick();
    EXPECT_EQ(outer(docked), QRect(screen.width() - 360, 60, 360, 250));
}

TEST_F(MainTimerTest, ADockedWindowBesideAMaximisedMainWindowTakesTheRightEdge) {
    const QSize screen = screenSize();
    QWidget& docked = loadedWindow(QStringLiteral("_AUTODOCK"), {0, 0, 120, 90});
    mainForm.showMaximized();
    timer.tick();
    EXPECT_EQ(outer(docked), QRect(screen.width() - 120, 0, 120, screen.height()));
}

TEST_F(MainTimerTest, ADockedWindowParksInTheCornerWhenTheMainWindowCannotTakeIt) {
    const QSize screen = screenSize();
    const QPoint corner(screen.width() - 120, screen.height() - 90);
    QWidget& docked = loadedWindow(QStringLiteral("_AUTODOCK"), {0, 0, 120, 90});

    mainForm.showMinimized();
    timer.tick();
    EXPECT_EQ(outer(docked), QRect(corner, QSize(120, 90)));

    docked.move(0, 0);
    mainForm.showNormal();
    Program().StartMode = QStringLiteral("B");
    timer.tick();
    EXPECT_EQ(outer(docked), QRect(corner, QSize(120, 90)));
}

TEST_F(MainTimerTest, StatusPanelsFollowTheEditorAndTheClipboard) {
    RichEditSurface& surface = mainForm.surface();
    QLabel* picture = mainForm.Panel4Picture();
    ASSERT_EQ(mainForm.findChild<QLabel*>(QStringLiteral("Panel4Picture")), picture);
    const auto shows = [&](Panel4Picture expected) {
        return picture->pixmap().toImage() == MainTimer::panel4Pixmap(expected).toImage();
    };

    timer.tick();
    EXPECT_EQ(mainForm.panel(1)->text(), QStringLiteral("Počet znaků : 0"));
    EXPECT_EQ(mainForm.panel(2)->text(), QStringLiteral("Pozice kurzoru : 0"));
    EXPECT_EQ(mainForm.panel(3)->text(), QStringLiteral("Řádek 1 z 1"));
    EXPECT_EQ(mainForm.panel(4)->text(), QString());
    EXPECT_TRUE(shows(Panel4Picture::Empty));

    surface.setText(QStringLiteral("Ahoj\r\nsvěte\r\n"));
    surface.setSelStart(6);
    surface.setSelLength(7);
    timer.tick();
    EXPECT_EQ(mainForm.panel(1)->text(), QStringLiteral("Znaky Výběru : 7"));
    EXPECT_EQ(mainForm.panel(2)->text(), QStringLiteral("Pozice výběru : 6"));
    EXPECT_EQ(mainForm.panel(3)->text(), QStringLiteral("Řádky 2-3 z 3"));
    EXPECT_EQ(mainForm.panel(4)->text(), QStringLiteral("světe "));
    EXPECT_EQ(mainForm.panel(4)->toolTip(), QStringLiteral("Výběr"));
    EXPECT_TRUE(shows(Panel4Picture::Selection));

    clipboard.setText(QStringLiteral("ze schránky\r\ndruhý řádek"));
    surface.setSelStart(2);
    timer.tick();
    EXPECT_EQ(mainForm.panel(1)->text(), QStringLiteral("Počet znaků : 13"));
    EXPECT_EQ(mainForm.panel(2)->text(), QStringLiteral("Pozice kurzoru : 2"));
    EXPECT_EQ(mainForm.panel(3)->text(), QStringLiteral("Řádek 1 z 3"));
    EXPECT_EQ(mainForm.panel(4)->text(), QStringLiteral("ze schránky druhý řádek"));
    EXPECT_EQ(mainForm.panel(4)->toolTip(), QStringLiteral("Schránka"));
    EXPECT_TRUE(shows(Panel4Picture::Clipboard));
}

TEST_F(MainTimerTest, ALongClipboardTextNeverWidensTheStatusBar) {
    clipboard.setText(QStringLiteral("dlouhý text ").repeated(5000));
    timer.tick();
    QCoreApplication::processEvents(); // lets the status bar lay itself out again
    EXPECT_LT(mainForm.statusBar()->minimumSizeHint().width(), mainForm.width());
}

struct MenuItems {
    QObject owner;
    QAction* reload = new QAction(&owner);
    QAction* paste = new QAction(&owner);
    QAction* clearClipboard = new QAction(&owner);
    QAction* copyAll = new QAction(&owner);
    QMenu* search = new QMenu;
    QAction* cut = new QAction(&owner);

    MenuItems() { search->setParent(nullptr); }
    ~MenuItems() { delete search; }
    [[nodiscard]] TimerMenuItems lists() const {
        return {{reload}, {paste, clearClipboard}, {copyAll, search->menuAction()}, {cut}};
    }
};

TEST_F(MainTimerTest, MenuItemsFollowPathTextAndSelection) {
    MenuItems items;
    timer.setMenuItems(items.lists());
    RichEditSurface& surface = mainForm.surface();

    timer.tick();
    EXPECT_FALSE(items.reload->isEnabled());
    EXPECT_FALSE(items.copyAll->isEnabled());
    EXPECT_FALSE(items.search->menuAction()->isEnabled());
    EXPECT_FALSE(items.cut->isEnabled());

    Program().CurrentFilePath = QStringLiteral("/home/uzivatel/dopis.txt");
    surface.setText(QStringLiteral("Dobrý den"));
    timer.tick();
    EXPECT_TRUE(items.reload->isEnabled());
    EXPECT_TRUE(items.copyAll->isEnabled());
    EXPECT_TRUE(items.search->menuAction()->isEnabled());
    EXPECT_FALSE(items.cut->isEnabled());

    surface.setSelLength(5);
    timer.tick();
    EXPECT_TRUE(items.cut->isEnabled());

    Program().CurrentFilePath.clear();
    timer.tick();
    EXPECT_FALSE(items.reload->isEnabled());
}

TEST_F(MainTimerTest, ClipboardItemsFollowOnlyAClipboardThatHoldsText) {
    MenuItems items;
    timer.setMenuItems(items.lists());
    items.paste->setEnabled(true);
    items.clearClipboard->setEnabled(false);

    timer.tick(); // a picture, say: no text format at all
    EXPECT_TRUE(items.paste->isEnabled());
    EXPECT_FALSE(items.clearClipboard->isEnabled());

    clipboard.setText(QStringLiteral("něco"));
    timer.tick();
    EXPECT_TRUE(items.paste->isEnabled());
    EXPECT_TRUE(items.clearClipboard->isEnabled());

    clipboard.setText({});
    timer.tick();
    EXPECT_FALSE(items.paste->isEnabled());
    EXPECT_FALSE(items.clearClipboard->isEnabled());
}

TEST_F(MainTimerTest, MenuItemsDestroyedMeanwhileAreSkipped) {
    auto items = std::make_unique<MenuItems>();
    timer.setMenuItems(items->lists());
    items.reset();
    timer.tick();
    EXPECT_EQ(mainForm.panel(3)->text(), QStringLiteral("Řádek 1 z 1"));
}

// Ticks again from inside the error box, as the running timer would.
class TickingMessageBox : public MessageBoxService {
public:
    MessageBoxAnswer show(const MessageBoxRequest& request, QWidget*) override {
        shown.append(request.text);
        if (timer && shown.size() == 1)
            timer->tick();
        return MessageBoxAnswer::Ok;
    }

    MainTimer* timer = nullptr;
    QStringList shown;
};

TEST_F(MainTimerTest, AnErrorEndsTheTickAndIsReportedOnce) {
    TickingMessageBox messageBox;
    messageBox.timer = &timer;
    Platform().messageBox = &messageBox;
    MenuItems items;
    timer.setMenuItems(items.lists());
    items.copyAll->setEnabled(true);
    mainForm.panel(1)->setText(QStringLiteral("před chybou"));
    const ProgramError error(5, QStringLiteral("Schránka nedostupná"), QStringLiteral("Tarvel"));
    clipboard.failure = error;

    timer.tick();
    ASSERT_EQ(messageBox.shown.size(), 1);
    EXPECT_EQ(messageBox.shown.front(), ErrorReportText(error, {}));
    // The steps after the failing one did not run.
    EXPECT_TRUE(items.copyAll->isEnabled());
    EXPECT_EQ(mainForm.panel(1)->text(), QStringLiteral("před chybou"));

    clipboard.failure.reset();
    timer.tick();
    EXPECT_EQ(messageBox.shown.size(), 1);
    EXPECT_EQ(mainForm.panel(1)->text(), QStringLiteral("Počet znaků : 0"));
}

} // namespace
