// The internal browser's window over a scripted web view.
#include "shell/browser/frmBrowser.h"

#include "core/shell/browser_rules.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Browser : public ::testing::Test {
protected:
    void SetUp() override { Program() = ProgramState{}; }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    frmBrowser* browser() { return LoadedWindowIfAny<frmBrowser>(); }
    ScriptedWebView& view() { return *platform.webViews.latest; }
    QStringList history() {
        QStringList items;
        for (int i = 0; i < browser()->cboAddress()->count(); ++i)
            items << browser()->cboAddress()->itemText(i);
        return items;
    }
    void click(const QString& key) { browser()->button(key)->trigger(); }

    TestPlatform platform;
};

TEST_F(Browser, EmptyPathOrAddressNeitherMakesNorShowsTheWindow) {
    ShowFileInBrowser(QString());
    ShowUrlInBrowser(QString());
    EXPECT_EQ(browser(), nullptr);
    EXPECT_EQ(platform.webViews.created, 0);
}

TEST_F(Browser, FileIsShownByAnAddressThatNamesItWhole) {
    const QString path = u"/tmp/my pages#2/50% off?.html"_s;
    ShowFileInBrowser(path);
    ASSERT_NE(browser(), nullptr);
    EXPECT_TRUE(browser()->isVisible());
    ASSERT_EQ(view().navigations.size(), 1);
    EXPECT_EQ(view().navigations.front().toLocalFile(), path);
    const QString address = BrowserFileAddress(path);
    EXPECT_EQ(browser()->cboAddress()->currentText(), address);
    EXPECT_EQ(history().last(), address);
    EXPECT_EQ(browser()->windowTitle(), u"HTML Testovací  browser"_s);
    EXPECT_EQ(WindowTag(browser()), u"_AUTOSNAP"_s);
}

TEST_F(Browser, CompletedAddressMovesToTheTopOfTheHistory) {
    ShowUrlInBrowser(u"http://example.org/a"_s);
    const QStringList firstEntries = history().mid(0, 2);
    EXPECT_EQ(history(), firstEntries + QStringList{u"http://example.org/a"_s});

    view().finishLoad(u"http://example.org/a"_s, u"Stránka A"_s);
    EXPECT_EQ(history(), QStringList{u"http://example.org/a"_s} + firstEntries);
    EXPECT_EQ(browser()->cboAddress()->currentText(), u"http://example.org/a"_s);
    EXPECT_EQ(browser()->windowTitle(), u"HTML testovací browser (Stránka A)"_s);

    // Shown again: the top copy is the one moved, the new one stays at the end.
    ShowUrlInBrowser(u"http://example.org/a"_s);
    view().finishLoad(u"http://example.org/a"_s, u"Stránka A"_s);
    EXPECT_EQ(history(), QStringList{u"http://example.org/a"_s} + firstEntries +
                             QStringList{u"http://example.org/a"_s});

    // A load that ends elsewhere leaves the appended address where it is.
    ShowUrlInBrowser(u"http://example.org/b"_s);
    view().finishLoad(u"http://example.org/c"_s, u"C"_s);
    EXPECT_EQ(history().first(), u"http://example.org/c"_s);
    EXPECT_EQ(history().last(), u"http://example.org/b"_s);

    // Rearranging the history started no navigation of its own.
    EXPECT_EQ(view().navigations.size(), 3);
}

TEST_F(Browser, FailedLoadKeepsTheHistory) {
    ShowUrlInBrowser(u"http://example.org/x"_s);
    const QStringList before = history();
    view().finishLoad(u"http://example.org/x"_s, u"x"_s, false);
    EXPECT_EQ(history(), before);
    EXPECT_EQ(browser()->panel(2)->text(), u"Idle"_s);
}

TEST_F(Browser, PanelsFollowTheLoad) {
    ShowUrlInBrowser(u"http://example.org/"_s);
    EXPECT_EQ(browser()->panel(1)->text(), u"Stav :"_s);
    view().startLoad();
    EXPECT_EQ(browser()->panel(2)->text(), u"Busy"_s);
    EXPECT_TRUE(browser()->isAnimating());
    EXPECT_FALSE(browser()->Picture1()->pixmap().isNull());
    EXPECT_EQ(browser()->BusyFrame(), 2);

    const struct {
        qint64 progress;
        qint64 max;
        QString shown;
    } steps[] = {{1, 4, u"25%"_s}, {0, 0, u""_s}, {120, 100, u"100%"_s}};
    for (const auto& step : steps) {
        view().reportProgress(step.progress, step.max);
        EXPECT_EQ(browser()->panel(4)->text(), step.shown) << step.progress << "/" << step.max;
    }
    view().reportStatus(u"http://example.org/odkaz"_s);
    EXPECT_EQ(browser()->panel(3)->text(), u"http://example.org/odkaz"_s);

    view().finishLoad(u"http://example.org/"_s, u"Hotovo"_s);
    EXPECT_EQ(browser()->panel(2)->text(), u"Idle"_s);
    EXPECT_FALSE(browser()->isAnimating());
    EXPECT_TRUE(browser()->Picture1()->pixmap().isNull());
    EXPECT_FALSE(browser()->panel(5)->text().isEmpty());
    EXPECT_FALSE(browser()->panel(6)->text().isEmpty());
}

TEST_F(Browser, ToolbarButtonsReachTheView) {
    ShowUrlInBrowser(u"http://example.org/"_s);
    view().startLoad();
    for (const QString& key : {u"Back"_s, u"Forward"_s, u"Refresh"_s, u"Stop"_s})
        click(key);
    EXPECT_EQ(view().calls, (QStringList{u"back"_s, u"forward"_s, u"reload"_s, u"stop"_s}));
    EXPECT_FALSE(browser()->isAnimating());
    EXPECT_EQ(browser()->panel(2)->text(), u"Idle"_s);

    const QStringList toolTips = {u"Zpět"_s,           u"Vpřed"_s,
                                  u"Stop!"_s,          u"Obnovení"_s,
                                  u"Otevřít soubor"_s, u"Dokovat u hlavního okna"_s,
                                  u"Zavřít okno"_s};
    QStringList shown;
    for (const QString& key :
         {u"Back"_s, u"Forward"_s, u"Stop"_s, u"Refresh"_s, u"Open"_s, u"Dock"_s, u"Close"_s})
        shown << browser()->button(key)->toolTip();
    EXPECT_EQ(shown, toolTips);
}

TEST_F(Browser, DockTogglesBetweenDockingAndSnapping) {
    ShowUrlInBrowser(u"http://example.org/"_s);
    click(u"Dock"_s);
    EXPECT_EQ(WindowTag(browser()), u"_AUTODOCK"_s);
    click(u"Dock"_s);
    EXPECT_EQ(WindowTag(browser()), u"_AUTOSNAP"_s);
}

TEST_F(Browser, OpenShowsTheChosenFileAndCancelChangesNothing) {
    ShowUrlInBrowser(u"http://example.org/"_s);
    platform.fileDialogs.openAnswers = {QString(), u"/tmp/obr ázek#1.png"_s};
    click(u"Open"_s);
    EXPECT_EQ(view().navigations.size(), 1);
    click(u"Open"_s);
    ASSERT_EQ(view().navigations.size(), 2);
    EXPECT_EQ(view().navigations.last().toLocalFile(), u"/tmp/obr ázek#1.png"_s);
    EXPECT_EQ(history().last(), BrowserFileAddress(u"/tmp/obr ázek#1.png"_s));
    ASSERT_EQ(platform.fileDialogs.openRequests.size(), 2);
    EXPECT_EQ(platform.fileDialogs.openRequests.front().request.filter, BrowserOpenFilter());
    EXPECT_EQ(platform.fileDialogs.openRequests.front().owner, browser());
}

TEST_F(Browser, TypedOrChosenAddressIsLoaded) {
    ShowUrlInBrowser(u"http://example.org/"_s);
    QLineEdit* edit = browser()->cboAddress()->lineEdit();
    edit->setText(u"http://example.org/typed"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(view().navigations.last(), QUrl(u"http://example.org/typed"_s));

    const qsizetype typedLoads = view().navigations.size();
    browser()->cboAddress()->setCurrentIndex(0);
    Q_EMIT browser()->cboAddress()->activated(0);
    EXPECT_EQ(view().navigations.size(), typedLoads + 1);
    EXPECT_EQ(view().navigations.last(), QUrl::fromUserInput(history().first()));

    // An address typed again loads once, though the history holds it.
    edit->setText(history().last());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(view().navigations.size(), typedLoads + 2);

    // Keys typed by the user reach the box, which hands them to its line.
    edit->setText(u"http://example.org/box"_s);
    QTest::keyClick(browser()->cboAddress(), Qt::Key_Enter);
    EXPECT_EQ(view().navigations.size(), typedLoads + 3);
    EXPECT_EQ(view().navigations.last(), QUrl(u"http://example.org/box"_s));

    edit->setText(u"ht tp://x"_s);
    const qsizetype before = view().navigations.size();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(view().navigations.size(), before);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_TRUE(platform.messageBox.shown.front().request.text.endsWith(u"Navigace"_s));
}

TEST_F(Browser, CloseButtonHidesAndKeepsTheHistoryFrameCloseUnloads) {
    ShowUrlInBrowser(u"http://example.org/kept"_s);
    click(u"Close"_s);
    ASSERT_NE(browser(), nullptr);
    EXPECT_FALSE(browser()->isVisible());
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
    ShowUrlInBrowser(u"http://example.org/next"_s);
    EXPECT_TRUE(history().contains(u"http://example.org/kept"_s));

    browser()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(browser(), nullptr);
}

// Run alone, both ways of closing ask whether to end the program.
TEST_F(Browser, AloneClosingAsksAndNoKeepsItRunning) {
    int ended = 0;
    Program().StartMode = u"B"_s;
    Program().EndProgram = [&ended] { ++ended; };
    ShowBrowserAlone();
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->button(u"Close"_s)->toolTip(), u"Ukončit program"_s);

    const std::function<void()> ways[] = {[this] { click(u"Close"_s); },
                                          [this] { browser()->close(); }};
    for (const auto& close : ways) {
        platform.messageBox.queue(MessageBoxAnswer::No);
        close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_NE(browser(), nullptr);
        EXPECT_TRUE(browser()->isVisible());
        EXPECT_EQ(ended, 0);
    }
    ASSERT_EQ(platform.messageBox.shown.size(), 2);
    const MessageBoxRequest& question = platform.messageBox.shown.front().request;
    EXPECT_EQ(question.text, u"OPRAVDU UKONČIT Browser (Tarvel Qor) ?"_s);
    EXPECT_EQ(question.title, u"Konec"_s);
    EXPECT_EQ(question.buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(question.icon, MessageBoxIcon::Stop);
    EXPECT_EQ(question.defaultButton, 2);

    for (const auto& close : ways) {
        platform.messageBox.queue(MessageBoxAnswer::Yes);
        close();
    }
    EXPECT_EQ(ended, 2);
    EXPECT_TRUE(Program().Ending);
}

// Alone or owned, at any width, the busy picture ends the address row and
// the address box takes the rest of it; date and time show in Czech form.
TEST_F(Browser, AddressRowEndsInTheBusyPicture) {
    for (const bool alone : {false, true}) {
        alone ? ShowBrowserAlone() : ShowUrlInBrowser(u"http://example.org/"_s);
        for (const int width : {420, 900}) {
            browser()->resize(width, 400);
            QCoreApplication::processEvents();
            const auto rightEdge = [this](const QWidget* control) {
                return control->mapTo(browser(), QPoint(control->width(), 0)).x();
            };
            const QWidget* picture = browser()->Picture1();
            EXPECT_EQ(rightEdge(picture), width) << alone << " " << width;
            EXPECT_EQ(rightEdge(browser()->cboAddress()), width - picture->width()) << width;
        }
        const QString when = browser()->panel(5)->text() + u' ' + browser()->panel(6)->text();
        EXPECT_TRUE(QRegularExpression(u"^\\d{1,2}\\.\\d{1,2}\\.\\d{4} \\d{1,2}:\\d\\d:\\d\\d$"_s)
                        .match(when)
                        .hasMatch())
            << when.toStdString();
        platform.unloadWindows();
    }
}

} // namespace
