#include "shell/dialogs/O.h"

#include "core/settings/app_version.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/scripted_web_view.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_window/MainForm.h"
#include "shell/window_instances.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class AboutBox : public ::testing::Test {
protected:
    AboutBox() { Program() = ProgramState{}; }
    ~AboutBox() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    static void activate(QWidget* window) {
        QApplication::setActiveWindow(window);
        QCoreApplication::processEvents();
    }

    TestPlatform platform;
    MainForm form;
};

TEST_F(AboutBox, FreewareButtonShowsTheNoticeWithTheLicensee) {
    const struct {
        QString name, email, licensee;
    } cases[] = {
        {u"Jana"_s, u"jana@pc.cz"_s, u"\"Jana\" <jana@pc.cz>"_s},
        {{}, u"root@stroj.cz"_s, u"\"\" <root@stroj.cz>"_s},
    };
    O& about = LoadedWindow<O>();
    for (const auto& c : cases) {
        Program().Settings.UserName = c.name;
        Program().Settings.UserEmail = c.email;
        about.Command2()->click();
        ASSERT_FALSE(platform.messageBox.shown.isEmpty());
        const MessageBoxRequest& notice = platform.messageBox.shown.last().request;
        EXPECT_EQ(notice.title, u"Freeware"_s);
        EXPECT_EQ(notice.buttons, MessageBoxButtons::Ok);
        EXPECT_EQ(notice.icon, MessageBoxIcon::None);
        EXPECT_EQ(notice.text.split(u"\r\n\r\n"_s).value(1), c.licensee);
    }
}

TEST_F(AboutBox, TrueAboutShowsTheProgramsNameAndVersion) {
    LoadedWindow<O>().Command1()->click();
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    const MessageBoxRequest& about = platform.messageBox.shown.front().request;
    EXPECT_EQ(about.title, u"O aplikaci Halvereths Tarvel Qor v"_s + AppVersionText());
    EXPECT_TRUE(about.text.startsWith(u"Halvereths Tarvel Qor v"_s + AppVersionText()));
}

TEST_F(AboutBox, AnimationRunsOnlyWhileActiveAndResumesWhereItStopped) {
    O& about = LoadedWindow<O>();
    EXPECT_GE(about.Timer1()->interval(), 15);
    EXPECT_FALSE(about.Timer1()->isActive());
    about.show();
    activate(&about);
    ASSERT_TRUE(about.isActiveWindow());
    EXPECT_TRUE(about.Timer1()->isActive());

    const QImage before = about.logo();
    for (int i = 0; i < 3; ++i)
        about.animate();
    EXPECT_EQ(about.sweep().column(), 2);
    // Column 0 and row 0 were inverted once, so they differ from the start.
    const QRgb was = before.pixel(0, 50);
    EXPECT_EQ(about.logo().pixel(0, 50),
              qRgb(255 - qRed(was), 255 - qGreen(was), 255 - qBlue(was)));
    EXPECT_EQ(about.windowTitle().toLower(), u"halvereths tarvel qor"_s);

    activate(&form);
    EXPECT_FALSE(about.Timer1()->isActive());
    activate(&about);
    EXPECT_TRUE(about.Timer1()->isActive());
    EXPECT_EQ(about.sweep().column(), 2);
    EXPECT_EQ(about.sweep().row(), 2);

    about.flatbtnn1()->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(platform.windows.contains(&about));
}

TEST_F(AboutBox, AddressesRedWhilePressedBlueAfterAndShownInTheBrowser) {
    O& about = LoadedWindow<O>();
    about.show();
    for (QLabel* address : {about.Label5(), about.Label6()}) {
        EXPECT_TRUE(address->text().startsWith(u"http://"_s));
        QTest::mousePress(address, Qt::LeftButton);
        EXPECT_EQ(address->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QTest::mouseRelease(address, Qt::LeftButton);
        EXPECT_EQ(address->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        ASSERT_NE(platform.webViews.latest, nullptr);
        EXPECT_EQ(platform.webViews.latest->navigations.back(), QUrl(address->text()));
    }
}

TEST_F(AboutBox, UserLabelOpensTheUserPageWhoseConfirmationRenamesIt) {
    Program().Settings.UserName = u"Eva"_s;
    O& about = LoadedWindow<O>();
    about.show();
    EXPECT_EQ(about.Label4()->text(), u"Licencováno : Eva"_s);
    int shownTab = -1;
    WhenModalShown<Visual>([&](Visual* settings) {
        shownTab = settings->TabStrip1()->currentIndex();
        settings->setUserFields(u"Petr"_s, u"petr@pc.cz"_s);
        settings->Command16()->click();
    });
    QTimer::singleShot(8000, &about, [] {
        if (QWidget* left = QApplication::activeModalWidget())
            left->close();
    });
    QTest::mouseClick(about.Label4(), Qt::LeftButton);
    EXPECT_EQ(shownTab, 2);
    EXPECT_EQ(about.Label4()->text(), u"Licencováno : Petr"_s);
}

} // namespace
