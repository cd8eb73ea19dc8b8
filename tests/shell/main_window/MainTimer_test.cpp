#include "shell/main_window/MainTimer.h"

#include "core/text/program_error.h"
#include "platform/eliding_label.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "platform/window_registry.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/shared_procedures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The exact snapping, docking and panel texts are tested in core; these tests
// check that a tick reads the real windows, editor and clipboard and writes back.
namespace {

// A clipboard that can hold an empty text, or no text at all (a picture).
class TestClipboard : public ClipboardService {
public:
    [[nodiscard]] QString text() const override {
        ++reads;
        return m_text;
    }
    void setText(const QString& text) override {
        m_text = text;
        holdsText = true;
        Q_EMIT changed();
    }
    [[nodiscard]] bool hasText() const override {
        if (failure)
            throw *failure;
        return holdsText;
    }
    void clear() override {
        m_text.clear();
        holdsText = false;
        Q_EMIT changed();
    }

    bool holdsText = false;
    mutable int reads = 0;
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
    // Panels 1 to 4 and panel 4's tooltip.
    [[nodiscard]] QStringList panels() const {
        return {mainForm.panel(1)->text(), mainForm.panel(2)->text(), mainForm.panel(3)->text(),
                mainForm.panel(4)->text(), mainForm.panel(4)->toolTip()};
    }

    TestPlatform platform;
    TestClipboard clipboard;
    CommandRegistry commands;
    MainForm mainForm{commands};
    MainTimer& timer = mainForm.timer();
};

TEST_F(MainTimerTest, Timer1RunsOnTheMainWindow) {
    auto* timer1 = mainForm.findChild<QTimer*>(u"Timer1"_s);
    ASSERT_NE(timer1, nullptr);
    EXPECT_TRUE(timer1->isActive());
    EXPECT_EQ(timer1->interval(), 500);
}

TEST_F(MainTimerTest, SnapsNormalWindowsTaggedExactlyWithinTheDistanceReadAtEveryTick) {
    // 240 twips are 16 pixels; only strictly nearer windows move.
    QWidget& near = loadedWindow(u"_AUTOSNAP"_s, {10, 200, 200, 100});
    QWidget& atDistance = loadedWindow(u"_AUTOSNAP"_s, {16, 200, 200, 100});
    QWidget& untagged = loadedWindow({}, {10, 200, 200, 100});
    QWidget& otherCase = loadedWindow(u"_autosnap"_s, {10, 200, 200, 100});
    QWidget& minimised = loadedWindow(u"_AUTOSNAP"_s, {10, 200, 200, 100});
    minimised.showMinimized();

    timer.tick();
    EXPECT_EQ(outer(near), QRect(0, 200, 200, 100));
    EXPECT_EQ(outer(atDistance).topLeft(), QPoint(16, 200));
    EXPECT_EQ(outer(untagged).topLeft(), QPoint(10, 200));
    EXPECT_EQ(outer(otherCase).topLeft(), QPoint(10, 200));
    EXPECT_EQ(outer(minimised).topLeft(), QPoint(10, 200));

    Program().Settings.SnapDistance = 600;
    timer.tick();
    EXPECT_EQ(outer(atDistance).topLeft(), QPoint(0, 200));
}

TEST_F(MainTimerTest, TheMainWindowSnapsAndStretchesToTheScreen) {
    const QSize screen = screenSize();
    setOuter(mainForm, {5, 100, screen.width() - 12, 300});
    timer.tick();
    EXPECT_EQ(outer(mainForm), QRect(0, 100, screen.width(), 300));
}

// Each window snaps to the edges of the monitor it is on: the second of two
// (1024 x 768 beside the first, 100 px lower) keeps the windows moved there.
TEST_F(MainTimerTest, SnapsToTheMonitorTheWindowIsOn) {
    platform.frames.frameOnTwoMonitors();
    const struct {
        const char* name;
        QRect window;
        QRect expected;
    } cases[] = {
        {"near the second's left and top", {810, 110, 200, 100}, {800, 100, 200, 100}},
        {"near the second's right edge", {1614, 300, 200, 100}, {1624, 300, 200, 100}},
        {"straddling, mostly on the second", {750, 300, 200, 100}, {800, 300, 200, 100}},
        {"on no monitor comes to the first", {3000, 200, 200, 100}, {600, 200, 200, 100}},
    };
    for (const auto& c : cases) {
        setOuter(mainForm, c.window);
        timer.tick();
        EXPECT_EQ(outer(mainForm), c.expected) << c.name;
    }
}

TEST_F(MainTimerTest, ADockedWindowFollowsTheMainWindowsPlaceAndState) {
    const QSize screen = screenSize();
    const QRect corner(screen.width() - 120, screen.height() - 90, 120, 90);
    QWidget& docked = loadedWindow(u"_AUTODOCK"_s, {0, 0, 120, 90});
    // Docked windows of their own minimised or maximised never move.
    QWidget& minimised = loadedWindow(u"_AUTODOCK"_s, {10, 200, 200, 100});
    minimised.showMinimized();
    QWidget& maximised = loadedWindow(u"_AUTODOCK"_s, {10, 200, 200, 100});
    maximised.showMaximized();
    const QRect maximisedRect = outer(maximised);
    const struct {
        const char* name;
        void (QWidget::*show)();
        QString startMode;
        QRect expected;
    } cases[] = {
        {"normal", &QWidget::showNormal, {}, {500, 80, screen.width() - 500, 300}},
        {"maximised", &QWidget::showMaximized, {}, {screen.width() - 120, 0, 120, screen.height()}},
        {"minimised", &QWidget::showMinimized, {}, corner},
        {"stand-alone", &QWidget::showNormal, u"B"_s, corner},
    };
    for (const auto& c : cases) {
        setOuter(docked, {0, 0, 120, 90});
        (mainForm.*c.show)();
        Program().StartMode = c.startMode;
        timer.tick();
        EXPECT_EQ(outer(docked), c.expected) << c.name;
        EXPECT_EQ(outer(minimised).topLeft(), QPoint(10, 200));
        EXPECT_EQ(outer(maximised), maximisedRect);
    }
}

TEST_F(MainTimerTest, StatusPanelsFollowTheEditorAndTheClipboard) {
    RichEditSurface& surface = mainForm.surface();
    QLabel* picture = mainForm.Panel4Picture();
    ASSERT_EQ(mainForm.findChild<QLabel*>(u"Panel4Picture"_s), picture);
    const auto shows = [&](Panel4Picture expected) {
        return picture->pixmap().toImage() == MainTimer::panel4Pixmap(expected).toImage();
    };

    timer.tick();
    EXPECT_EQ(
        panels(),
        (QStringList{
            u"Počet znaků : 0"_s, u"Pozice kurzoru : 0"_s, u"Řádek 1 z 1"_s, {}, u"Výběr"_s}));
    EXPECT_TRUE(shows(Panel4Picture::Empty));

    surface.setText(u"Ahoj\r\nsvěte\r\n"_s);
    surface.setSelStart(6);
    surface.setSelLength(7);
    timer.tick();
    EXPECT_EQ(panels(), (QStringList{u"Znaky Výběru : 7"_s, u"Pozice výběru : 6"_s,
                                     u"Řádky 2-3 z 3"_s, u"světe "_s, u"Výběr"_s}));
    EXPECT_TRUE(shows(Panel4Picture::Selection));

    clipboard.setText(u"ze schránky\r\ndruhý řádek"_s);
    surface.setSelStart(2);
    timer.tick();
    EXPECT_EQ(panels(),
              (QStringList{u"Počet znaků : 13"_s, u"Pozice kurzoru : 2"_s, u"Řádek 1 z 3"_s,
                           u"ze schránky druhý řádek"_s, u"Schránka"_s}));
    EXPECT_TRUE(shows(Panel4Picture::Clipboard));

    // A long operation's message stays while its busy display is on.
    SetBusy(true, nullptr, u"Převádím ..."_s);
    timer.tick();
    EXPECT_EQ(mainForm.panel(4)->text(), u"Převádím ..."_s);
    SetBusy(false, nullptr);
    timer.tick();
    EXPECT_EQ(mainForm.panel(4)->text(), u"ze schránky druhý řádek"_s);
}

TEST_F(MainTimerTest, ALongClipboardTextNeverWidensTheStatusBar) {
    clipboard.setText(u"dlouhý text "_s.repeated(5000));
    timer.tick();
    QCoreApplication::processEvents(); // lets the status bar lay itself out again
    EXPECT_LT(mainForm.statusBar()->minimumSizeHint().width(), mainForm.width());
}

// Tagged text on the clipboard or in the selection, as an HTML editor has
// most of the time, is shown as text on one line: the bar keeps its height.
TEST_F(MainTimerTest, TheStatusBarKeepsItsHeightWithTaggedText) {
    const QString paragraphs = u"<P>a<P>b<P>c<P>d<P>e<P>f<P>g"_s;
    const QString page = u"<html><body><P>Odstavec <b>tučně</b>\r\n<TABLE><TR><TD>buňka\r\n"_s;
    struct Case {
        const char* name;
        QString clipboard;
        QString document;
        int selLength;
        QString shownStart;
    };
    const Case kCases[] = {
        {"paragraphs on the clipboard", paragraphs, {}, 0, paragraphs},
        {"paragraphs selected", u"x"_s, paragraphs, 29, paragraphs},
        {"a page of 1.4 MB on the clipboard",
         page.repeated(1442401 / page.size() + 1),
         {},
         0,
         u"<html><body><P>Odstavec <b>tučně</b> <TABLE>"_s},
    };
    setOuter(mainForm, {0, 0, 1200, 300});
    timer.tick();
    QCoreApplication::processEvents();
    const int height = mainForm.statusBar()->height();
    auto* panel4 = qobject_cast<ElidingLabel*>(mainForm.panel(4));
    ASSERT_NE(panel4, nullptr);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        clipboard.setText(c.clipboard);
        mainForm.surface().setText(c.document);
        mainForm.surface().setSelLength(c.selLength);
        timer.tick();
        // The bar and then the window lay themselves out again.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(mainForm.statusBar()->height(), height);
        EXPECT_TRUE(panel4->shownText().startsWith(c.shownStart))
            << panel4->shownText().toStdString();
    }
}

// A large clipboard text is read once when it arrives, never by the ticks
// that show it.
TEST_F(MainTimerTest, TheClipboardPreviewFollowsAChangeWithoutATickReadingIt) {
    timer.tick();
    clipboard.setText(u"velká schránka "_s.repeated(100000));
    EXPECT_EQ(clipboard.reads, 1);
    for (int tick = 0; tick < 5; ++tick)
        timer.tick();
    EXPECT_EQ(clipboard.reads, 1);
    EXPECT_TRUE(mainForm.panel(4)->text().startsWith(u"velká schránka velká"_s));

    clipboard.setText(u"jiný text"_s);
    timer.tick();
    EXPECT_EQ(mainForm.panel(4)->text(), u"jiný text"_s);
    EXPECT_EQ(clipboard.reads, 2);
}

// Entries the timer switches, each registered with work that does nothing.
struct MenuItems {
    explicit MenuItems(CommandRegistry& commands, const MainMenu& menu) : m_menu(menu) {
        for (const MenuId id : {reload, paste, clearClipboard, copyAll, cut})
            commands.add(id, [] {});
    }
    static constexpr MenuId reload = MenuId::Mnu_Reload_File;
    static constexpr MenuId paste = MenuId::MnuAdd;
    static constexpr MenuId clearClipboard = MenuId::mnuclearclip;
    static constexpr MenuId copyAll = MenuId::mnucopy;
    static constexpr MenuId search = MenuId::mnuseek;
    static constexpr MenuId cut = MenuId::mnucut;

    [[nodiscard]] QAction* item(MenuId id) const { return m_menu.action(id); }
    // Enabled items as letters: reload, paste, clear, copy all, search, cut.
    [[nodiscard]] QString enabled() const {
        QString letters;
        for (const MenuId id : {reload, paste, clearClipboard, copyAll, search, cut})
            letters += item(id)->isEnabled() ? u'1' : u'0';
        return letters;
    }

private:
    const MainMenu& m_menu;
};

TEST_F(MainTimerTest, MenuItemsFollowPathClipboardTextAndSelection) {
    const MenuItems items(commands, mainForm.menu());
    RichEditSurface& surface = mainForm.surface();
    items.item(MenuItems::paste)->setEnabled(true);
    items.item(MenuItems::clearClipboard)->setEnabled(false);

    // A clipboard without any text (a picture, say) leaves its items alone.
    timer.tick();
    EXPECT_EQ(items.enabled(), u"010000"_s);

    Program().CurrentFilePath = u"/home/uzivatel/dopis.txt"_s;
    surface.setText(u"Dobrý den"_s);
    clipboard.setText(u"něco"_s);
    timer.tick();
    EXPECT_EQ(items.enabled(), u"111110"_s);

    surface.setSelLength(5);
    Program().CurrentFilePath.clear();
    clipboard.setText({});
    timer.tick();
    EXPECT_EQ(items.enabled(), u"000111"_s);
    EXPECT_EQ(mainForm.panel(1)->text(), u"Znaky Výběru : 5"_s);
}

// Entries without work stay disabled whatever the tick finds; the others of
// the same rule follow it, including one registered with a rule of its own.
TEST_F(MainTimerTest, EntriesWithoutWorkStayDisabledThroughEveryTick) {
    commands.add(MenuId::mnucopysel, [] {});
    commands.add(
        MenuId::MnuBold, [] {}, EnableRule::NeedsSelection);
    mainForm.surface().setText(u"Dobrý den"_s);
    mainForm.surface().setSelLength(5);
    clipboard.setText(u"něco"_s);
    Program().CurrentFilePath = u"/home/uzivatel/dopis.txt"_s;
    timer.tick();
    const MainMenu& menu = mainForm.menu();
    for (const MenuEntry& entry : MainMenuEntries()) {
        if (entry.kind == MenuEntryKind::Command) {
            EXPECT_EQ(menu.action(entry.id)->isEnabled(),
                      entry.id == MenuId::mnucopysel || entry.id == MenuId::MnuBold)
                << entry.name;
        }
    }
    EXPECT_TRUE(menu.action(MenuId::mnuseek)->isEnabled());
    mainForm.surface().setText({});
    timer.tick();
    EXPECT_FALSE(menu.action(MenuId::mnucopysel)->isEnabled());
    EXPECT_FALSE(menu.action(MenuId::MnuBold)->isEnabled());
    EXPECT_FALSE(menu.action(MenuId::mnuseek)->isEnabled());
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
    const MenuItems items(commands, mainForm.menu());
    items.item(MenuItems::copyAll)->setEnabled(true);
    mainForm.panel(1)->setText(u"před chybou"_s);
    const ProgramError error(5, u"Schránka nedostupná"_s, u"Tarvel"_s);
    clipboard.failure = error;
    Q_EMIT clipboard.changed();

    timer.tick();
    ASSERT_EQ(messageBox.shown.size(), 1);
    EXPECT_EQ(messageBox.shown.front(), ErrorReportText(error, {}));
    // The steps after the failing one did not run.
    EXPECT_TRUE(items.item(MenuItems::copyAll)->isEnabled());
    EXPECT_EQ(mainForm.panel(1)->text(), u"před chybou"_s);

    clipboard.failure.reset();
    timer.tick();
    EXPECT_EQ(messageBox.shown.size(), 1);
    EXPECT_EQ(mainForm.panel(1)->text(), u"Počet znaků : 0"_s);
}

} // namespace
