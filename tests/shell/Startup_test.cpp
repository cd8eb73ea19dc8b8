#include "shell/Startup.h"

#include "core/ansi_code_page.h"
#include "core/app_version.h"
#include "core/settings_file.h"
#include "platform/RichEditSurface.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/Visual.h"
#include "shell/exit_autosave.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class StartupTest : public ::testing::Test {
protected:
    StartupTest() {
        Program() = ProgramState{};
        appFolder = folder.path() + QStringLiteral("/");
    }
    ~StartupTest() override { delete MainForm::instance(); }

    void writeSettings(const SettingsRecord& settings) {
        writeFile(QStringLiteral("tarvel.ini"), EncodeSettings(settings));
    }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(appFolder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] static SettingsRecord currentSettings() {
        return FirstRunSettings(9000, 6000, AppVersionText());
    }
    [[nodiscard]] int noticesShown() const {
        int count = 0;
        for (const auto& box : platform.messageBox.shown)
            count += box.request.text.startsWith(u"Od posledního spuštění") ? 1 : 0;
        return count;
    }
    EditorSurface& surface() { return MainForm::instance()->surface(); }
    [[nodiscard]] static QByteArray linesOfSize(int size) {
        QByteArray bytes = QByteArray("Lorem ipsum dolor sit amet.\r\n").repeated(size / 29 + 1);
        bytes.truncate(size);
        return bytes;
    }

    QTemporaryDir folder;
    QString appFolder;
    TestPlatform platform;
};

TEST_F(StartupTest, FirstRunRunsTheWizardWritesTheSettingsAndShowsNoNotice) {
    WhenModalShown<Visual>([](Visual* wizard) {
        EXPECT_FALSE(wizard->TabStrip1()->isEnabled());
        wizard->Text1()->setText(QStringLiteral("Jana Nováková"));
        wizard->Text2()->setText(QStringLiteral("jana@example.cz"));
        QTest::mouseClick(wizard->Command16(), Qt::LeftButton);
    });
    Main(appFolder, QStringLiteral("-NOMSG"));

    EXPECT_TRUE(QFile::exists(appFolder + QStringLiteral("tarvel.ini")));
    EXPECT_TRUE(QFile::exists(appFolder + QStringLiteral("default.rqc")));
    EXPECT_EQ(Program().Settings.UserName, QStringLiteral("Jana Nováková"));
    EXPECT_EQ(Program().Settings.SavedVersion, AppVersionText());
    EXPECT_EQ(noticesShown(), 0);
    EXPECT_TRUE(MainForm::instance()->isVisible());
}

TEST_F(StartupTest, ChangedVersionShowsTheNoticeOnceAndRemembersTheNewVersion) {
    SettingsRecord old = currentSettings();
    old.SavedVersion = QStringLiteral("0.9.1b CZ");
    old.SavedAt = QStringLiteral("01-02-2026 03:04:05");
    writeSettings(old);
    Main(appFolder, QStringLiteral("-NOMSG"));
    ASSERT_EQ(noticesShown(), 1);
    EXPECT_EQ(Program().Settings.SavedVersion, AppVersionText());

    MainForm::instance()->close();
    delete MainForm::instance();
    Main(appFolder, QStringLiteral("-NOMSG"));
    EXPECT_EQ(noticesShown(), 1);
}

TEST_F(StartupTest, StoredValuesOutOfPlaceComeUpSane) {
    SettingsRecord settings = currentSettings();
    settings.EditorTextColor = RgbColor(200, 0, 0);
    settings.EditorBackColor = RgbColor(200, 0, 0);
    settings.MainWindowState = 5;
    writeSettings(settings);
    Main(appFolder, QStringLiteral("-NOMSG"));

    EXPECT_EQ(Program().Settings.EditorTextColor, RgbColor(0, 0, 0));
    EXPECT_EQ(Program().Settings.EditorBackColor, RgbColor(255, 255, 255));
    EXPECT_EQ(surface().backColor(), RgbColor(255, 255, 255));
    EXPECT_EQ(Program().Settings.MainWindowState, 0);
    EXPECT_FALSE(MainForm::instance()->isMaximized() || MainForm::instance()->isMinimized());
}

TEST_F(StartupTest, AutosaveFilesUpToTheLimitAreRestoredALargerOneIsKeptAside) {
    writeSettings(currentSettings());
    writeFile(QStringLiteral("autosave_tarvel_qor1.txt"), linesOfSize(1442401));
    writeFile(QStringLiteral("autosave_tarvel_qor2.txt"), linesOfSize(1442402));
    writeFile(QStringLiteral("autosave_tarvel_qor3.txt"), QByteArray("tři\r\n"));
    Main(appFolder, QStringLiteral("-NOMSG"));

    EXPECT_EQ(surface().textLength(), 1442401);
    EXPECT_EQ(Program().Documents[1].Text, QString());
    EXPECT_EQ(Program().Documents[2].Text, DecodeAnsi("tři\r\n"));
    EXPECT_FALSE(QFile::exists(ExitAutosavePath(appFolder, 2)));
    EXPECT_EQ(QFile(ExitAutosavePath(appFolder, 2) + QStringLiteral(".bak")).size(), 1442402);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_TRUE(platform.messageBox.shown.front().request.text.contains(
        ExitAutosavePath(appFolder, 2) + QStringLiteral(".bak")));
}

TEST_F(StartupTest, ClipboardTextFillsAnEmptyFirstTabUnmodified) {
    writeSettings(currentSettings());
    platform.clipboard.setText(QStringLiteral("ze schránky"));
    Main(appFolder, QStringLiteral("-NOMSG"));
    EXPECT_EQ(surface().text(), QStringLiteral("ze schránky"));
    EXPECT_EQ(MainForm::instance()->windowTitle(), QStringLiteral("Tarvel Qor ()"));
    EXPECT_FALSE(Program().Documents[0].Modified);
}

TEST_F(StartupTest, AFilePathOnTheCommandLineIsOpened) {
    writeSettings(currentSettings());
    writeFile(QStringLiteral("dopis.txt"), QByteArray("Vážení\r\n"));
    const QString path = appFolder + QStringLiteral("dopis.txt");
    Main(appFolder, path);
    EXPECT_EQ(surface().text(), DecodeAnsi("Vážení\r\n"));
    EXPECT_EQ(MainForm::instance()->windowTitle(), QStringLiteral("Tarvel Qor (%1)").arg(path));
    EXPECT_EQ(Program().Settings.RecentFiles.front(), path);
}

TEST_F(StartupTest, WithoutArgumentsTheStartScreenStaysAndTheEditorWaits) {
    writeSettings(currentSettings());
    Main(appFolder, QString());
    EXPECT_FALSE(MainForm::instance()->isVisible());
}

TEST(StartCommand, OptionsAreWholeWordsInAnyCase) {
    const std::vector<std::pair<QString, StartCommand>> cases{
        {QString(), StartCommand::None},
        {QStringLiteral("-calc"), StartCommand::Calculator},
        {QStringLiteral("-CaLc"), StartCommand::Calculator},
        {QStringLiteral("-CALC x"), StartCommand::OpenFile},
        {QStringLiteral("-NOMSG"), StartCommand::NoMessage},
        {QStringLiteral("-nomsg"), StartCommand::NoMessage},
        {QStringLiteral("-browser"), StartCommand::Browser},
        {QStringLiteral("\"/tmp/a b.txt\""), StartCommand::OpenFile},
    };
    for (const auto& [arguments, command] : cases)
        EXPECT_EQ(ParseStartCommand(arguments), command) << arguments.toStdString();
}

} // namespace
