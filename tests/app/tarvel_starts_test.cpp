// Starts the real program from a clean folder of its own, the way a user does,
// and checks the files it leaves there.
#include "app/tarvel_executable.h"
#include "core/settings/app_version.h"
#include "core/settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST_F(TarvelExecutable, RunsUntilClosedAndLeavesItsFilesInItsOwnFolder) {
    // The session's end closes the main window like the user does.
    runUntilTheSessionEnds({QStringLiteral("-NOMSG")});

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

    runUntilTheSessionEnds({QStringLiteral("dopis.txt")}, texts);

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
