#pragma once

#include "core/settings/app_version.h"
#include "core/settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

// The real program copied into a clean folder of its own, started the way a
// user does.
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

    // Starts the program of this folder in copy.
    void start(QProcess& copy, const QStringList& arguments,
               const QString& workingFolder = QDir::tempPath()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        copy.setProcessEnvironment(environment);
        copy.setWorkingDirectory(workingFolder);
        copy.start(program, arguments);
    }

    // Starts the program, sees it still running after a while (it did not
    // crash or end on its own), then ends the session and sees it end well.
    void runUntilTheSessionEnds(const QStringList& arguments,
                                const QString& workingFolder = QDir::tempPath(),
                                int endingSignal = SIGTERM) {
        ASSERT_TRUE(folder.isValid());
        start(tarvel, arguments, workingFolder);
        ASSERT_TRUE(tarvel.waitForStarted(10000));
        EXPECT_FALSE(tarvel.waitForFinished(2000));
        ASSERT_EQ(tarvel.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(tarvel.processId()), endingSignal);
        ASSERT_TRUE(tarvel.waitForFinished(10000));
        EXPECT_EQ(tarvel.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tarvel.exitCode(), 0);
    }

    [[nodiscard]] qint64 sizeOf(const QString& name) const {
        const QFileInfo file(folder.filePath(name));
        return file.exists() ? file.size() : -1;
    }

    QTemporaryDir folder;
    QString program;
    QProcess tarvel;
};
