#include "shell/files/TimedAutosave.h"

#include "core/files/file_io.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Morning(QDate(2026, 1, 5), QTime(7, 8, 9));

class TimedAutosaveTest : public ::testing::Test {
protected:
    TimedAutosaveTest() {
        Program() = ProgramState{};
        Program().AppFolder = folder.path() + u"/"_s;
        form = new MainForm;
        autosave = new TimedAutosave(*form, [this] { return now; });
        // Only the ticks a test drives count.
        autosave->TimLongEvents()->stop();
    }
    ~TimedAutosaveTest() override {
        delete form;
        Program() = ProgramState{};
    }

    static void switchOn(int minutes, int mode) {
        Program().Settings.AutosaveOn = true;
        Program().Settings.AutosaveMinutes = minutes;
        Program().Settings.AutosaveMode = mode;
    }

    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            autosave->tick();
    }

    [[nodiscard]] QString inFolder(const QString& name) const { return folder.filePath(name); }

    [[nodiscard]] QStringList savedFiles() const {
        return QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir folder;
    TestPlatform platform;
    MainForm* form = nullptr;
    TimedAutosave* autosave = nullptr;
    QDateTime now = Morning;
};

TEST_F(TimedAutosaveTest, EachTimeoutOfTheSecondTimerIsATick) {
    QTimer* timer = autosave->TimLongEvents();
    EXPECT_EQ(timer->interval(), 1000);
    switchOn(1, 0);
    timer->start(1);
    const QDeadlineTimer deadline(5000);
    while (autosave->AutosaveTicks() < 3 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(autosave->AutosaveTicks(), 3);
}

// The other modes' files are checked by the tests below; their texts in core.
TEST_F(TimedAutosaveTest, HeaderModeWritesItsFileInTheCodePageAtTheMinute) {
    form->surface().setText(u"kůň\r\nŽ"_s);
    Program().CurrentFilePath = u"/home/jana/žaba.txt"_s;
    switchOn(1, 0);
    ticks(59);
    EXPECT_EQ(savedFiles(), QStringList());
    ticks(1);
    EXPECT_EQ(savedFiles(), QStringList{u"auto.txt"_s});
    EXPECT_EQ(ReadWholeFile(inFolder(u"auto.txt"_s)),
              QByteArray("Datum/Date : 07:08:09 01-05-2026\r\nSoubor/File : /home/jana/\x9e\x61"
                         "ba.txt\r\n--------------------\r\nk\xf9\xf2\r\n\x8e"));
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(TimedAutosaveTest, EachSaveTakesTheClockAndTheCurrentTabsTextOfItsMoment) {
    form->surface().setText(u"první"_s);
    switchOn(1, 2);
    ticks(60);
    now = Morning.addSecs(59);
    form->documents().selectTab(2);
    form->surface().setText(u"druhá"_s);
    // The next save is one tick sooner.
    ticks(58);
    EXPECT_EQ(savedFiles().size(), 1);
    ticks(1);
    EXPECT_EQ(savedFiles(),
              (QStringList{u"01_05_2026_07_08_09.txt"_s, u"01_05_2026_07_09_08.txt"_s}));
    EXPECT_EQ(ReadWholeFile(inFolder(u"01_05_2026_07_08_09.txt"_s)), QByteArray("prvn\xed"));
    EXPECT_EQ(ReadWholeFile(inFolder(u"01_05_2026_07_09_08.txt"_s)), QByteArray("druh\xe1"));
}

TEST_F(TimedAutosaveTest, OptionsAreReadAfreshOnEveryTick) {
    form->surface().setText(u"abc"_s);
    switchOn(2, 1);
    ticks(100);
    Program().Settings.AutosaveOn = false;
    ticks(500);
    EXPECT_EQ(autosave->AutosaveTicks(), 100);
    EXPECT_EQ(savedFiles(), QStringList());

    // Back on with a shorter interval: the count resumes and is already past it.
    switchOn(1, 2);
    ticks(1);
    EXPECT_EQ(savedFiles(), QStringList{u"01_05_2026_07_08_09.txt"_s});
    EXPECT_EQ(autosave->AutosaveTicks(), 1);
}

TEST_F(TimedAutosaveTest, FailedWriteIsReportedOnceUntilAWriteSucceeds) {
    const QString goodFolder = Program().AppFolder;
    const QString badFolder = goodFolder + u"chybí/"_s;
    const QString badPath = badFolder + u"auto.txt"_s;
    Program().AppFolder = badFolder;
    form->surface().setText(u"neztratit"_s);
    switchOn(1, 1);

    ticks(60 + 59 + 59);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    const MessageBoxRequest& box = platform.messageBox.shown.front().request;
    EXPECT_EQ(box.title, u"Chyba"_s);
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
    EXPECT_EQ(box.text, u"Vyskytla se chyba:\r\nKód: 75\r\nPopis: Složka neexistuje, "
                        u"soubor nelze zapsat: "_s +
                            badPath + u"\r\nZdroj: "_s + badPath +
                            u"\r\n\r\nAkce byla přerušena.\r\nAutomatické ukládání pokračuje; "
                            u"další chyby zápisu se ohlásí až po úspěšném uložení."_s);
    EXPECT_EQ(form->surface().text(), u"neztratit"_s);

    Program().AppFolder = goodFolder;
    ticks(59);
    EXPECT_EQ(ReadWholeFile(inFolder(u"auto.txt"_s)), QByteArray("neztratit"));
    EXPECT_EQ(platform.messageBox.shown.size(), 1);

    // After a success the next failure is news again.
    Program().AppFolder = badFolder;
    ticks(59 + 59);
    EXPECT_EQ(platform.messageBox.shown.size(), 2);
}

} // namespace
