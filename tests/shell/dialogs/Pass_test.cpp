#include "shell/dialogs/Pass.h"

#include "platform/surface/RichEditSurface.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"
#include "shell/window_instances.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ProgramLock : public ::testing::Test {
protected:
    ProgramLock() {
        Program() = ProgramState{};
        form.show();
        form.surface().setText(u"soukromý text"_s);
    }
    ~ProgramLock() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    // Locks the program and runs script on the prompt; a script that leaves
    // the prompt up fails the test instead of hanging it.
    void lockWith(const std::function<void(Pass*)>& script) {
        WhenModalShown<Pass>([script](Pass* prompt) { script(prompt); });
        QTimer::singleShot(8000, &form, [] {
            if (auto* left = qobject_cast<Pass*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "the lock stayed";
                Program().Ending = true;
                left->reject();
                Program().Ending = false;
            }
        });
        LockProgram();
    }
    static void type(QWidget* widget, const QString& text) {
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(widget, &press);
        }
    }

    TestPlatform platform;
    MainForm form;
};

TEST_F(ProgramLock, WrongEntriesAndClosingKeepItLockedUntilTheExactPassword) {
    Program().Settings.LockPassword = u"Heslo"_s;
    struct Seen {
        bool surfaceVisible = true;
        QString boxAfter;
        bool focusOnOk = false;
        bool stillUp = false;
    };
    std::vector<Seen> seen;
    lockWith([&](Pass* prompt) {
        EXPECT_EQ(prompt->windowTitle(), u"Heslo !"_s);
        EXPECT_EQ(prompt->Label1()->text(), u"Program je zamknut, zadejte prosím heslo"_s);
        EXPECT_EQ(prompt->Text1()->echoMode(), QLineEdit::Password);
        const auto attempt = [&](const std::function<void()>& act) {
            act();
            seen.push_back({form.surface().isVisible(), prompt->Text1()->text(),
                            prompt->Command1()->hasFocus(), prompt->isVisible()});
        };
        // Letter case counts; Enter in the box tries like the button.
        attempt([&] {
            type(prompt->Text1(), u"heslo"_s);
            QTest::keyClick(prompt->Text1(), Qt::Key_Return);
        });
        attempt([&] {
            prompt->Text1()->setText(u"Heslo "_s);
            prompt->Command1()->click();
        });
        // Neither the close box nor Esc takes the lock away.
        attempt([&] { prompt->close(); });
        attempt([&] { QTest::keyClick(prompt->Text1(), Qt::Key_Escape); });
        prompt->Text1()->setFocus();
        type(prompt->Text1(), u"Heslo"_s);
        QTest::keyClick(prompt->Text1(), Qt::Key_Enter);
    });

    ASSERT_EQ(seen.size(), 4u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(seen[i].surfaceVisible);
        EXPECT_TRUE(seen[i].stillUp);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(seen[i].boxAfter, QString()) << i;
        EXPECT_TRUE(seen[i].focusOnOk) << i;
    }
    ASSERT_EQ(platform.messageBox.shown.size(), 2);
    for (const auto& shown : platform.messageBox.shown) {
        EXPECT_EQ(shown.request.text, u"Špatné helso!"_s);
        EXPECT_EQ(shown.request.title, u"Zámek"_s);
        EXPECT_EQ(shown.request.icon, MessageBoxIcon::Information);
        EXPECT_EQ(shown.request.buttons, MessageBoxButtons::Ok);
    }
    EXPECT_TRUE(form.surface().isVisible());
    EXPECT_EQ(form.surface().text(), u"soukromý text"_s);
    // Unlocking unloaded the prompt.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(LoadedWindowIfAny<Pass>(), nullptr);
}

TEST_F(ProgramLock, EachLockStartsEmptyAndAnEmptyPasswordOpensWithAnEmptyEntry) {
    Program().Settings.LockPassword = u"x"_s;
    const auto unlockWithX = [](Pass* prompt) {
        prompt->Text1()->setText(u"x"_s);
        prompt->Command1()->click();
    };
    lockWith(unlockWithX);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QString startText = u"?"_s;
    lockWith([&](Pass* prompt) {
        startText = prompt->Text1()->text();
        unlockWithX(prompt);
    });
    EXPECT_EQ(startText, QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Program().Settings.LockPassword.clear();
    lockWith([](Pass* prompt) { prompt->Command1()->click(); });
    EXPECT_TRUE(form.surface().isVisible());
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

} // namespace
