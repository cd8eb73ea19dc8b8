#include "shell/dialogs/Visual.h"

#include "core/files/file_io.h"
#include "core/settings/settings_file.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/start/Start.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class VisualDialog : public ::testing::Test {
protected:
    void SetUp() override { Program() = ProgramState{}; }
    void TearDown() override {
        flushUnloads();
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    // Lets a window that unloaded itself go, as the event loop would.
    static void flushUnloads() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // Types text key by key; QTest::keyClicks knows only ASCII.
    static void type(QWidget* widget, const QString& text) {
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(widget, &press);
        }
    }

    TestPlatform platform;
};

TEST_F(VisualDialog, FirstRunWizardLocksTheTabStripAndStoresTheTypedUser) {
    Start& start = LoadedWindow<Start>();
    Visual& dialog = LoadedWindow<Visual>();
    dialog.setUserFields(u"root"_s, u"root@stroj.cz"_s);
    bool locked = false;
    int shownTab = -1;
    WhenModalShown<Visual>([&](Visual* shown) {
        locked = !shown->TabStrip1()->isEnabled();
        shownTab = shown->TabStrip1()->currentIndex();
        shown->Text1()->clear();
        type(shown->Text1(), u"Jana Nováková"_s);
        click(shown->Command16());
    });
    // A script that fails to close the modal dialog must not hang the run.
    QTimer::singleShot(8000, &dialog, [&dialog] {
        ADD_FAILURE() << "modal dialog left open";
        dialog.reject();
    });
    dialog.runFirstRunWizard();

    EXPECT_TRUE(locked);
    EXPECT_EQ(shownTab, 2);
    EXPECT_TRUE(dialog.TabStrip1()->isEnabled());
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
    EXPECT_EQ(Program().Settings.UserName, u"Jana Nováková"_s);
    EXPECT_EQ(Program().Settings.UserEmail, u"root@stroj.cz"_s);
    EXPECT_EQ(start.Label9()->text(), u"Licencováno : Jana Nováková"_s);
    // Confirming unloads the dialog.
    flushUnloads();
    EXPECT_FALSE(platform.windows.contains(&dialog));
}

TEST_F(VisualDialog, RefusedUserPageKeepsDialogOpenAndStoresNothing) {
    const struct {
        QString name, email;
        bool passwordOn;
        QString password, confirmation, message;
    } cases[] = {
        {{}, u"a@b.cz"_s, false, {}, {}, u"Vyplňte prosím své jméno."_s},
        {u"Eva"_s, {}, false, {}, {}, u"Vyplňte prosím E-m@il."_s},
        {u"Eva"_s, u"a@b.cz"_s, true, u"Heslo"_s, u"heslo"_s,
         u"Zkontrolujete zprávnot zadaného hesla."_s},
    };
    Program().Settings.UserName = u"před"_s;
    Visual& dialog = LoadedWindow<Visual>();
    dialog.show();
    for (const auto& c : cases) {
        dialog.setUserFields(c.name, c.email);
        dialog.Check1()->setChecked(c.passwordOn);
        dialog.Text3()->setText(c.password);
        dialog.Text4()->setText(c.confirmation);
        click(dialog.Command16());
        ASSERT_FALSE(platform.messageBox.shown.isEmpty());
        EXPECT_EQ(platform.messageBox.shown.last().request.text, c.message);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Program().Settings.UserName, u"před"_s);
    }
    ASSERT_EQ(platform.messageBox.shown.size(), 3);
    const auto& shown = platform.messageBox.shown.last();
    EXPECT_EQ(shown.request.title, u"Config"_s);
    EXPECT_EQ(shown.request.icon, MessageBoxIcon::Information);
    EXPECT_EQ(shown.owner, &dialog);
}

// The password boxes are open only with Check1 on and keep their texts when
// it goes off; confirmed with it off, the lock password is switched off,
// never set to what the boxes still hold unconfirmed.
TEST_F(VisualDialog, ConfirmedUserPageStoresPasswordOnlyWhenSwitchedOn) {
    const struct {
        bool typeWithCheckOn;
        QString password, confirmation;
        bool checkAtConfirm;
        QString stored;
    } cases[] = {
        {false, {}, {}, false, {}},
        {true, u"Tajne"_s, u"Tajne"_s, true, u"Tajne"_s},
        {true, u"abc"_s, u"xyz"_s, false, {}},
        {true, {}, {}, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password.toStdString());
        Program().Settings.LockPassword = u"staré"_s;
        Visual& dialog = LoadedWindow<Visual>();
        dialog.show();
        dialog.setUserFields(u"Eva"_s, u"eva@pc.cz"_s);
        EXPECT_FALSE(dialog.Text3()->isEnabled());
        if (c.typeWithCheckOn) {
            click(dialog.Check1());
            type(dialog.Text3(), c.password);
            type(dialog.Text4(), c.confirmation);
        }
        if (dialog.Check1()->isChecked() != c.checkAtConfirm)
            click(dialog.Check1());
        EXPECT_EQ(dialog.Text3()->isEnabled(), c.checkAtConfirm);
        EXPECT_EQ(dialog.Text4()->isEnabled(), c.checkAtConfirm);
        click(dialog.Command16());
        EXPECT_EQ(Program().Settings.LockPassword, c.stored);
        EXPECT_FALSE(dialog.isVisible());
        flushUnloads();
    }
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(VisualDialog, AutosaveControlsTakeAndGiveTheRecordsOptions) {
    // Minutes kept within the slider's 1 to 10; an unknown mode is mode 0.
    const struct {
        bool on;
        qint32 minutes, mode;
        QRadioButton* (Visual::*selected)() const;
        qint32 minutesBack, modeBack;
    } cases[] = {
        {true, 5, 1, &Visual::OptSou, 5, 1},
        {true, 3, 7, &Visual::OptHla, 3, 0},
        {false, 0, -1, &Visual::OptHla, 1, 0},
        {true, 12, 2, &Visual::OptDC, 10, 2},
    };
    Visual& dialog = LoadedWindow<Visual>();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.minutes) + "/" + std::to_string(c.mode));
        SettingsRecord record;
        record.AutosaveOn = c.on;
        record.AutosaveMinutes = c.minutes;
        record.AutosaveMode = c.mode;
        dialog.writeAutosaveOptions(record);
        EXPECT_EQ(dialog.ChkTime()->isChecked(), c.on);
        EXPECT_EQ(dialog.LblTime()->text(), QString::number(c.minutesBack) + u" minut"_s);
        EXPECT_TRUE((dialog.*c.selected)()->isChecked());
        const QWidget* choices[] = {dialog.SLTime(), dialog.OptHla(), dialog.OptSou(),
                                    dialog.OptDC()};
        for (const QWidget* choice : choices)
            EXPECT_EQ(choice->isEnabled(), c.on);

        SettingsRecord back;
        dialog.readAutosaveOptions(back);
        EXPECT_EQ(back.AutosaveOn, c.on);
        EXPECT_EQ(back.AutosaveMinutes, c.minutesBack);
        EXPECT_EQ(back.AutosaveMode, c.modeBack);
    }
}

TEST_F(VisualDialog, AutosaveChoicesOutliveUnloading) {
    Visual& dialog = LoadedWindow<Visual>();
    dialog.selectTab(Visual::Tab::Autosave);
    dialog.show();
    click(dialog.ChkTime());
    ASSERT_TRUE(dialog.SLTime()->isEnabled());
    dialog.SLTime()->setFocus();
    QTest::keyClick(dialog.SLTime(), Qt::Key_PageUp);
    click(dialog.OptDC());
    EXPECT_EQ(dialog.LblTime()->text(), u"6 minut"_s);

    delete &dialog;
    Visual& fresh = LoadedWindow<Visual>();
    EXPECT_TRUE(fresh.ChkTime()->isChecked());
    EXPECT_TRUE(fresh.SLTime()->isEnabled());
    EXPECT_EQ(fresh.SLTime()->value(), 6);
    EXPECT_EQ(fresh.LblTime()->text(), u"6 minut"_s);
    EXPECT_TRUE(fresh.OptDC()->isChecked());
}

TEST_F(VisualDialog, EachTabShowsItsFrameOnly) {
    const QString frames[] = {u"Frame2"_s, u"Frame1"_s, u"Frame3"_s, u"Frame4"_s, u"Frame5"_s};
    Visual& dialog = LoadedWindow<Visual>();
    dialog.show();
    QTabBar* strip = dialog.TabStrip1();
    ASSERT_EQ(strip->count(), 5);
    for (int i = 4; i >= 0; --i) {
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(i).center());
        for (int j = 0; j < 5; ++j) {
            auto* frame = dialog.findChild<QGroupBox*>(frames[j]);
            ASSERT_NE(frame, nullptr) << frames[j].toStdString();
            EXPECT_EQ(frame->isVisible(), i == j) << i << " " << j;
        }
    }
}

TEST_F(VisualDialog, EveryPagesCloseButtonHidesAndSaveButtonWritesSettings) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Program().AppFolder = folder.path() + u"/"_s;
    const QString settingsPath = Program().AppFolder + u"tarvel.ini"_s;
    Visual& dialog = LoadedWindow<Visual>();
    for (const auto& [closeName, saveName] :
         {std::pair(u"Command2"_s, u"Command11"_s), std::pair(u"Command17"_s, u"Command18"_s),
          std::pair(u"Command19"_s, u"Command20"_s), std::pair(u"Command7"_s, u"Command21"_s)}) {
        SCOPED_TRACE(saveName.toStdString());
        auto* close = dialog.findChild<QPushButton*>(closeName);
        auto* save = dialog.findChild<QPushButton*>(saveName);
        ASSERT_TRUE(close && save);
        dialog.show();
        QFile::remove(settingsPath);
        Program().Settings.AutosaveMinutes = 1;
        dialog.SLTime()->setValue(4);
        save->click();
        ASSERT_TRUE(QFile::exists(settingsPath));
        EXPECT_EQ(DecodeSettings(ReadWholeFile(settingsPath), {}).AutosaveMinutes, 4);
        EXPECT_TRUE(dialog.isVisible());
        close->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(platform.windows.contains(&dialog));
    }
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(VisualDialog, SnapResetMovesBarButOnlyOkStoresIt) {
    Program().Settings.SnapDistance = 300;
    Visual& dialog = LoadedWindow<Visual>();
    EXPECT_EQ(dialog.Label12()->text(), u"300"_s);
    click(dialog.Command6());
    EXPECT_EQ(dialog.VScroll7()->value(), 240);
    EXPECT_EQ(dialog.Label12()->text(), u"240"_s);
    EXPECT_EQ(Program().Settings.SnapDistance, 300);
    // The preview shows a black band as wide as the snap distance.
    const QImage preview = dialog.Picture1()->pixmap().toImage();
    const int band = TwipsToPixels(240);
    EXPECT_EQ(preview.pixelColor(band - 1, 5), QColor(Qt::black));
    EXPECT_EQ(preview.pixelColor(band + 1, 5), QColor(Qt::white));
    click(dialog.Command5());
    EXPECT_EQ(Program().Settings.SnapDistance, 240);
}

} // namespace
