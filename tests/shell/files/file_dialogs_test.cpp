#include "shell/files/file_dialogs.h"

#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kFilter = u"Všechno (*.*)|*.*|jen text (*.txt)|*.txt"_s;

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override { Program() = ProgramState{}; }
    void TearDown() override { Program() = ProgramState{}; }

    TestPlatform platform;
    QWidget owner;
};

// Open and save share the start folder rule, so one table runs both.
TEST_F(FileDialogs, StartInFolderOfCurrentDocumentAndGiveNoPathWhenCancelled) {
    struct Case {
        QString currentPath;
        QString startFolder;
    };
    const Case kCases[] = {
        {QString(), QString()},
        {u"/tmp/x/a.html"_s, u"/tmp/x"_s},
        {u"/home/eva/Dokumenty/pokus.txt"_s, u"/home/eva/Dokumenty"_s},
    };
    for (const Case& c : kCases) {
        Program().CurrentFilePath = c.currentPath;
        platform.fileDialogs.openAnswers = {u"/tmp/x/b.txt"_s};
        platform.fileDialogs.saveAnswers = {u"/tmp/x/c.txt"_s};
        EXPECT_EQ(ShowOpenDialog(kFilter, &owner), u"/tmp/x/b.txt"_s);
        EXPECT_EQ(ShowSaveDialog(kFilter, &owner), u"/tmp/x/c.txt"_s);
        const auto& opened = platform.fileDialogs.openRequests.last();
        const auto& saved = platform.fileDialogs.saveRequests.last();
        EXPECT_EQ(opened.request.startFolder, c.startFolder) << c.currentPath.toStdString();
        EXPECT_EQ(saved.request.startFolder, c.startFolder) << c.currentPath.toStdString();
        EXPECT_EQ(opened.request.filter, kFilter);
        EXPECT_EQ(saved.request.filter, kFilter);
        EXPECT_EQ(opened.owner, &owner);
        EXPECT_EQ(saved.owner, &owner);
    }
    EXPECT_EQ(platform.fileDialogs.unanswered, 0);
    // Cancelled, they give no path.
    EXPECT_EQ(ShowOpenDialog(kFilter, &owner), QString());
    EXPECT_EQ(ShowSaveDialog(kFilter, &owner), QString());
}

TEST_F(FileDialogs, FolderChooserHasItsTitleAndReturnsFolderOrNothing) {
    platform.fileDialogs.folderAnswers = {u"/home/eva"_s};
    EXPECT_EQ(ChooseFileDialogFolder(&owner), u"/home/eva"_s);
    ASSERT_EQ(platform.fileDialogs.folderRequests.size(), 1);
    EXPECT_EQ(platform.fileDialogs.folderRequests[0].title, u"Vyberte složku a stisněte OK."_s);
    EXPECT_EQ(platform.fileDialogs.folderRequests[0].owner, &owner);
    EXPECT_EQ(ChooseFileDialogFolder(&owner), QString());
}

} // namespace
