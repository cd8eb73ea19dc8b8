#include "shell/Visual.h"

#include "core/file_io.h"
#include "core/settings_file.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/Start.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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
        for (QWidget* window : platform.windows.windows())
            delete window;
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

    // A modal dialog that the test script fails to close must not hang the run.
    static void closeModalEventually(Visual& dialog) {
        QTimer::singleShot(8000, &dialog, [&dialog] {
            ADD_FAILURE() << "modal dialog left open";
            dialog.reject();
        });
    }

    TestPlatform platform;
};

TEST_F(VisualDialog, FirstRunWizardStoresTypedUserAndUnlocksTabStrip) {
    Start& start = LoadedWindow<Start>();
    Visual& dialog = LoadedWindow<Visual>();
    dialog.setUserFields(u"root"_s, u"root@stroj.cz"_s);
    bool locked = false;
    int shownTab = -1;
    QString guessedName;
    WhenModalShown<Visual>([&](Visual* shown) {
        locked = !shown->TabStrip1()->isEnabled();
        shownTab = shown->TabStrip1()->currentIndex();
        guessedName = shown->Text1()->text();
        shown->Text1()->clear();
        type(shown->Text1(), u"Jana Nováková"_s);
        click(shown->Check1());
        type(shown->Text3(), u"Tajne1"_s);
        type(shown->Text4(), u"Tajne1"_s);
        click(shown->Command16());
    });
    closeModalEventually(dialog);
    dialog.runFirstRunWizard();

    EXPECT_TRUE(locked);
    EXPECT_EQ(shownTab, 2);
    EXPECT_EQ(guessedName, u"root"_s);
    EXPECT_TRUE(dialog.TabStrip1()->isEnabled());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
    EXPECT_EQ(Program().Settings.UserName, u"Jana Nováková"_s);
    EXPECT_EQ(Program().Settings.UserEmail, u"root@stroj.cz"_s);
    EXPECT_EQ(Program().Settings.LockPassword, u"Tajne1"_s);
    EXPECT_EQ(start.Label9()->text(), u"Licencováno : Jana Nováková"_s);

    // Confirming unloaded the dialog: the next use starts from the settings.
    flushUnloads();
    Visual& fresh = LoadedWindow<Visual>();
    EXPECT_EQ(fresh.Text1()->text(), u"Jana Nováková"_s);
    EXPECT_EQ(fresh.Text2()->text(), u"root@stroj.cz"_s);
    EXPECT_TRUE(fresh.Text3()->text().isEmpty());
    EXPECT_FALSE(fresh.Check1()->isChecked());
}

TEST_F(VisualDialog, RefusedUserPageKeepsDialogOpenAndStoresNothing) {
    struct Case {
        QString name, email;
        bool passwordOn;
        QString password, confirmation;
        QString message;
    };
    const Case kCases[] = {
        {{}, u"a@b.cz"_s, false, {}, {}, u"Vyplňte prosím své jméno."_s},
        {u"Eva"_s, {}, false, {}, {}, u"Vyplňte prosím E-m@il."_s},
        {u"Eva"_s, u"a@b.cz"_s, true, u"Heslo"_s, u"heslo"_s,
         u"Zkontrolujete zprávnot zadaného hesla."_s},
    };
    Program().Settings.UserName = u"před"_s;
    Visual& dialog = LoadedWindow<Visual>();
    dialog.selectTab(Visual::Tab::User);
    dialog.show();
    for (const Case& c : kCases) {
        dialog.setUserFields(c.name, c.email);
        dialog.Check1()->setChecked(c.passwordOn);
        dialog.Text3()->setText(c.password);
        dialog.Text4()->setText(c.confirmation);
        click(dialog.Command16());
        ASSERT_FALSE(platform.messageBox.shown.isEmpty());
        const auto& shown = platform.messageBox.shown.last();
        EXPECT_EQ(shown.request.text, c.message);
        EXPECT_EQ(shown.request.title, u"Config"_s);
        EXPECT_EQ(shown.request.icon, MessageBoxIcon::Information);
        EXPECT_EQ(shown.request.buttons, MessageBoxButtons::Ok);
        EXPECT_EQ(shown.owner, &dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Program().Settings.UserName, u"před"_s);
    }
    EXPECT_EQ(platform.messageBox.shown.size(), 3);
}

// The password boxes are open only with Check1 on, keep their texts when it
// goes off, and the first one is stored as it stands either way.
TEST_F(VisualDialog, ConfirmedUserPageStoresPasswordBoxAsItStands) {
    struct Case {
        const char* what;
        bool typeWithCheckOn;
        QString password, confirmation;
        bool checkAtConfirm;
        QString stored;
    };
    const Case kCases[] = {
        {"check off, boxes empty", false, {}, {}, false, {}},
        {"check on, boxes empty", true, {}, {}, true, {}},
        {"check on, boxes match", true, u"Tajne"_s, u"Tajne"_s, true, u"Tajne"_s},
        {"typed, then check off", true, u"abc"_s, u"xyz"_s, false, u"abc"_s},
    };
    for (const Case& c : kCases) {
        Program().Settings.LockPassword = u"staré"_s;
        Visual& dialog = LoadedWindow<Visual>();
        dialog.show();
        dialog.setUserFields(u"Eva"_s, u"eva@pc.cz"_s);
        EXPECT_FALSE(dialog.Text3()->isEnabled());
        if (c.typeWithCheckOn) {
            click(dialog.Check1());
            EXPECT_TRUE(dialog.Text3()->isEnabled() && dialog.Text4()->isEnabled()) << c.what;
            type(dialog.Text3(), c.password);
            type(dialog.Text4(), c.confirmation);
        }
        if (dialog.Check1()->isChecked() != c.checkAtConfirm)
            click(dialog.Check1());
        EXPECT_EQ(dialog.Text4()->isEnabled(), c.checkAtConfirm) << c.what;
        EXPECT_EQ(dialog.Text3()->text(), c.password) << c.what;
        EXPECT_EQ(dialog.Text3()->echoMode(), QLineEdit::Password);
        click(dialog.Command16());
        EXPECT_EQ(Program().Settings.LockPassword, c.stored) << c.what;
        EXPECT_FALSE(dialog.isVisible()) << c.what;
        flushUnloads();
    }
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(VisualDialog, AutosaveControlsTakeAndGiveTheRecordsOptions) {
    struct Case {
        bool on;
        qint32 minutes, mode;
        QRadioButton* (Visual::*selected)() const;
        qint32 minutesBack, modeBack;
    };
    const Case kCases[] = {
        {true, 5, 1, &Visual::OptSou, 5, 1},   {false, 1, 0, &Visual::OptHla, 1, 0},
        {true, 10, 2, &Visual::OptDC, 10, 2},  {true, 3, 7, &Visual::OptHla, 3, 0},
        {false, 0, -1, &Visual::OptHla, 1, 0}, {true, 12, 2, &Visual::OptDC, 10, 2},
    };
    Visual& dialog = LoadedWindow<Visual>();
    for (const Case& c : kCases) {
        SettingsRecord record;
        record.AutosaveOn = c.on;
        record.AutosaveMinutes = c.minutes;
        record.AutosaveMode = c.mode;
        dialog.writeAutosaveOptions(record);
        const std::string what = std::to_string(c.minutes) + "/" + std::to_string(c.mode);
        EXPECT_EQ(dialog.ChkTime()->isChecked(), c.on) << what;
        EXPECT_EQ(dialog.SLTime()->value(), c.minutesBack) << what;
        EXPECT_EQ(dialog.LblTime()->text(), QString::number(c.minutesBack) + u" minut"_s) << what;
        EXPECT_TRUE((dialog.*c.selected)()->isChecked()) << what;
        const QWidget* choices[] = {dialog.SLTime(), dialog.OptHla(), dialog.OptSou(),
                                    dialog.OptDC()};
        for (const QWidget* choice : choices)
            EXPECT_EQ(choice->isEnabled(), c.on) << what;

        SettingsRecord back;
        dialog.readAutosaveOptions(back);
        EXPECT_EQ(back.AutosaveOn, c.on) << what;
        EXPECT_EQ(back.AutosaveMinutes, c.minutesBack) << what;
        EXPECT_EQ(back.AutosaveMode, c.modeBack) << what;
        // The program-wide settings follow the controls.
        EXPECT_EQ(Program().Settings.AutosaveOn, c.on) << what;
        EXPECT_EQ(Program().Settings.AutosaveMinutes, c.minutesBack) << what;
        EXPECT_EQ(Program().Settings.AutosaveMode, c.modeBack) << what;
    }
}

TEST_F(VisualDialog, AutosaveChoicesOutliveUnloading) {
    Visual& dialog = LoadedWindow<Visual>();
    dialog.selectTab(Visual::Tab::Autosave);
    dialog.show();
    EXPECT_FALSE(dialog.SLTime()->isEnabled());
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
    SettingsRecord saved;
    fresh.readAutosaveOptions(saved);
    EXPECT_TRUE(saved.AutosaveOn);
    EXPECT_EQ(saved.AutosaveMinutes, 6);
    EXPECT_EQ(saved.AutosaveMode, 2);
}

TEST_F(VisualDialog, EachTabShowsItsFrameOnly) {
    struct Case {
        QString caption, toolTip, frame;
    };
    const Case kCases[] = {
        {u"Text"_s, u"Barvy a fonty hlavního textu"_s, u"Frame2"_s},
        {u"Zobrazení"_s, u"nastavení Autosnapu, zobrazování/schvávání toolbaru ..."_s, u"Frame1"_s},
        {u"Uživatel"_s, u"Vaše jméno, e-mail, heslo programu ..."_s, u"Frame3"_s},
        {u"Okno"_s, u"Pozice hlavního okna."_s, u"Frame4"_s},
        {u"AutoSave"_s, u"Nastavení automatického ukládání"_s, u"Frame5"_s},
    };
    Visual& dialog = LoadedWindow<Visual>();
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), u"Tarvel Qor - Nastavení"_s);
    QTabBar* strip = dialog.TabStrip1();
    ASSERT_EQ(strip->count(), 5);
    for (int i = 4; i >= 0; --i) {
        EXPECT_EQ(strip->tabText(i), kCases[i].caption);
        EXPECT_EQ(strip->tabToolTip(i), kCases[i].toolTip);
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(i).center());
        for (int j = 0; j < 5; ++j) {
            auto* frame = dialog.findChild<QGroupBox*>(kCases[j].frame);
            ASSERT_NE(frame, nullptr) << kCases[j].frame.toStdString();
            EXPECT_EQ(frame->isVisible(), i == j) << i << " " << j;
        }
    }
    EXPECT_EQ(dialog.findChild<QGroupBox*>(u"Frame1"_s)->title(), u"Další možnosti"_s);
}

TEST_F(VisualDialog, CloseButtonsHideAndSaveButtonsWriteSettings) {
    const std::pair<QString, QString> kPages[] = {
        {u"Command2"_s, u"Command11"_s},
        {u"Command17"_s, u"Command18"_s},
        {u"Command19"_s, u"Command20"_s},
        {u"Command7"_s, u"Command21"_s},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Program().AppFolder = folder.path() + u"/"_s;
    const QString settingsPath = Program().AppFolder + u"tarvel.ini"_s;
    Visual& dialog = LoadedWindow<Visual>();
    for (const auto& [closeName, saveName] : kPages) {
        auto* close = dialog.findChild<QPushButton*>(closeName);
        auto* save = dialog.findChild<QPushButton*>(saveName);
        ASSERT_NE(close, nullptr) << closeName.toStdString();
        ASSERT_NE(save, nullptr) << saveName.toStdString();
        EXPECT_EQ(close->text(), u"&Zavři"_s);
        EXPECT_EQ(close->toolTip(), u"Alt+F4"_s);
        EXPECT_EQ(save->text(), u"&Uložit konfiguraci"_s);
        EXPECT_EQ(save->toolTip(), u"Uloží aktuální konfiguraci"_s);

        dialog.show();
        QFile::remove(settingsPath);
        Program().Settings.AutosaveMinutes = 1;
        dialog.SLTime()->setValue(4);
        save->click();
        ASSERT_TRUE(QFile::exists(settingsPath)) << saveName.toStdString();
        const SettingsRecord written = DecodeSettings(ReadWholeFile(settingsPath), {});
        EXPECT_EQ(written.AutosaveMinutes, 4) << saveName.toStdString();
        EXPECT_TRUE(dialog.isVisible());
        close->click();
        EXPECT_FALSE(dialog.isVisible()) << closeName.toStdString();
        EXPECT_TRUE(platform.windows.contains(&dialog));
    }
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(VisualDialog, SnapResetMovesBarButOnlyOkStoresIt) {
    Program().Settings.SnapDistance = 300;
    Visual& dialog = LoadedWindow<Visual>();
    EXPECT_EQ(dialog.VScroll7()->value(), 300);
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

TEST_F(VisualDialog, PreviewStartsBlackOnWhiteAndTakesColours) {
    Visual& dialog = LoadedWindow<Visual>();
    EXPECT_EQ(dialog.previewTextColor(), RgbColor(0, 0, 0));
    EXPECT_EQ(dialog.previewBackColor(), RgbColor(255, 255, 255));
    dialog.setPreviewColors(RgbColor(10, 20, 30), RgbColor(200, 210, 220));
    EXPECT_EQ(dialog.Label1()->palette().color(QPalette::Text), QColor(10, 20, 30));
    EXPECT_EQ(dialog.Label1()->palette().color(QPalette::Base), QColor(200, 210, 220));
    EXPECT_EQ(dialog.previewTextColor(), RgbColor(10, 20, 30));
    EXPECT_EQ(dialog.previewBackColor(), RgbColor(200, 210, 220));
    EXPECT_EQ(dialog.Label1()->toolTip(), u"Náhled písma a barev"_s);
    EXPECT_EQ(
        dialog.Label1()->toPlainText(),
        u"aábcčdďeéěfghchiíjklmnoóprřsštťuúůvwxyýzž\nAÁBCČDĎEÉĚFGHCHIÍJKLMNOÓPQRŘSŠTŤUÚVWXYÝZŽ\n"_s);
}

TEST_F(VisualDialog, UserAndAutosaveControlsCarryTheirTexts) {
    struct Case {
        QString name, text, toolTip;
    };
    const Case kCases[] = {
        {u"Text1"_s, {}, u"Jméno, nebo nick"_s},
        {u"Text2"_s, {}, u"Mail kontakt"_s},
        {u"Check1"_s, u"Heslo ( nep. )"_s, u"Heslo používané při zamykání programu"_s},
        {u"Text3"_s, {}, u"Heslo"_s},
        {u"Text4"_s, {}, u"Ověření"_s},
        {u"Command16"_s, u"&Ok"_s, u"Ok, vyplněno"_s},
        {u"LabName"_s, u"Vaše jméno :"_s, {}},
        {u"LabEmail"_s, u"Váš E-ma@il :"_s, {}},
        {u"ChkTime"_s, u"&Automaticky ukládat text každých"_s, {}},
        {u"SLTime"_s, {}, u"Vyber počet minut"_s},
        {u"LblTime"_s, u"1 minut"_s, {}},
        {u"LblWay"_s, u"Způsob :"_s, {}},
        {u"OptDC"_s, u"Soubor datum_čas.txt"_s, {}},
        {u"OptSou"_s, u"Soubor auto.txt"_s, {}},
        {u"OptHla"_s, u"Soubor auto.txt s hlavičkou"_s, {}},
    };
    Visual& dialog = LoadedWindow<Visual>();
    for (const Case& c : kCases) {
        auto* control = dialog.findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr) << c.name.toStdString();
        EXPECT_EQ(control->property("text").toString(), c.text) << c.name.toStdString();
        EXPECT_EQ(control->toolTip(), c.toolTip) << c.name.toStdString();
    }
    EXPECT_EQ(dialog.SLTime()->minimum(), 1);
    EXPECT_EQ(dialog.SLTime()->maximum(), 10);
    EXPECT_EQ(dialog.SLTime()->pageStep(), 5);
}

} // namespace
