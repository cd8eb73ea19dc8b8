// Starts the real program from a clean folder of its own, the way a user does,
// and checks the files it leaves there.
#include "core/settings/app_version.h"
#include "core/settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TarvelExecutable : public ::testing::Test {
protected:
    TarvelExecutable() {
        program = folder.filePath(QStringLiteral("tarvel"));
        QFile::copy(QStringLiteral(TARVEL_EXECUTABLE), program);
        // A settings file of this version, so no first-run wizard or notice waits.
        QFile settings(folder.filePath(QStringLiteral("tarvel.ini")));
        settings.open(QIODevice::WriteOnly);
        settings.write(EncodeSettings(FirstRunSettings(9000, 6000, AppVersionText())));
    }

    void start(const QStringList& arguments, const QString& workingFolder = QDir::tempPath()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        tarvel.setProcessEnvironment(environment);
        tarvel.setWorkingDirectory(workingFolder);
        tarvel.start(program, arguments);
    }

    [[nodiscard]] qint64 sizeOf(const QString& name) const {
        const QFileInfo file(folder.filePath(name));
        return file.exists() ? file.size() : -1;
    }

    QTemporaryDir folder;
    QString program;
    QProcess tarvel;
};

TEST_F(TarvelExecutable, RunsUntilClosedAndLeavesItsFilesInItsOwnFolder) {
    ASSERT_TRUE(folder.isValid());
    start({QStringLiteral("-NOMSG")});
    ASSERT_TRUE(tarvel.waitForStarted(10000));

    // Still running after a while: it did not crash or end on its own.
    EXPECT_FALSE(tarvel.waitForFinished(2000));
    ASSERT_EQ(tarvel.state(), QProcess::Running);

    // The session's end closes the main window like the user does.
    tarvel.terminate();
    ASSERT_TRUE(tarvel.waitForFinished(10000));
    EXPECT_EQ(tarvel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tarvel.exitCode(), 0);

    EXPECT_GE(sizeOf(QStringLiteral("tarvel.ini")), 89);
    EXPECT_EQ(sizeOf(QStringLiteral("default.rqc")), 514);
    for (int tab = 1; tab <= 5; ++tab)
        EXPECT_EQ(sizeOf(QStringLiteral("autosave_tarvel_qor%1.txt").arg(tab)), 0) << tab;
}

// A file named from the folder the program starts in is remembered by its
// whole path, and the window is stored where it was put.
TEST_F(TarvelExecutable, AFileNamedFromTheStartFolderIsRememberedWhole) {
    ASSERT_TRUE(folder.isValid());
    const QString texts = folder.filePath(QStringLiteral("texty"));
    ASSERT_TRUE(QDir().mkdir(texts));
    QFile letter(texts + QStringLiteral("/dopis.txt"));
    ASSERT_TRUE(letter.open(QIODevice::WriteOnly));
    letter.write("Milá Jano");
    letter.close();

    start({QStringLiteral("dopis.txt")}, texts);
    ASSERT_TRUE(tarvel.waitForStarted(10000));
    EXPECT_FALSE(tarvel.waitForFinished(2000));
    tarvel.terminate();
    ASSERT_TRUE(tarvel.waitForFinished(10000));

    QFile ini(folder.filePath(QStringLiteral("tarvel.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const SettingsRecord defaults = FirstRunSettings(9000, 6000, AppVersionText());
    const SettingsRecord saved = DecodeSettings(ini.readAll(), defaults);
    EXPECT_EQ(saved.RecentFiles.front(),
              QDir(texts).canonicalPath() + QStringLiteral("/dopis.txt"));
    EXPECT_EQ(saved.WindowLeft, defaults.WindowLeft);
    EXPECT_EQ(saved.WindowTop, defaults.WindowTop);
}

} // namespace
