#include "shell/document_files.h"

#include "core/ansi_code_page.h"
#include "core/file_io.h"
#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/DocumentTabs.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DocumentFiles : public ::testing::Test {
protected:
    DocumentFiles() {
        Program() = ProgramState{};
        form = new MainForm;
        form->documents().setCaption(QString(), false);
    }
    ~DocumentFiles() override {
        delete form;
        SetRecentMenuFiller({});
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    EditorSurface& surface() { return form->surface(); }
    [[nodiscard]] QString lastBoxText() const {
        return platform.messageBox.shown.isEmpty() ? QString()
                                                   : platform.messageBox.shown.back().request.text;
    }

    QTemporaryDir folder;
    TestPlatform platform;
    MainForm* form = nullptr;
};

TEST_F(DocumentFiles, OpensTheLargestDocumentButNotOneByteMore) {
    writeFile(QStringLiteral("big.txt"), QByteArray(LargestDocumentSize - 2, 'x') + "\r\n");
    writeFile(QStringLiteral("bigger.txt"), QByteArray(LargestDocumentSize + 1, 'y'));

    OpenDocument(path(QStringLiteral("big.txt")));
    EXPECT_EQ(surface().textLength(), LargestDocumentSize);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarvel Qor (%1)").arg(path("big.txt")));
    EXPECT_EQ(form->FileTab()->tabText(0), QStringLiteral("big.txt"));
    EXPECT_EQ(form->FileTab()->tabToolTip(0), path(QStringLiteral("big.txt")));

    OpenDocument(path(QStringLiteral("bigger.txt")));
    EXPECT_EQ(lastBoxText(),
              QStringLiteral("Nelze otevřít %1, Soubor příliš velký").arg(path("bigger.txt")));
    EXPECT_EQ(Program().CurrentFilePath, path(QStringLiteral("big.txt")));
    EXPECT_EQ(surface().textLength(), LargestDocumentSize);
}

TEST_F(DocumentFiles, MissingAndUnreadableFilesAreToldAndChangeNothing) {
    surface().setText(QStringLiteral("keep"));
    OpenDocument(path(QStringLiteral("none.txt")));
    EXPECT_EQ(lastBoxText(), QStringLiteral("Soubor %1 nenalezen!").arg(path("none.txt")));

    OpenDocument(folder.path());
    ASSERT_EQ(platform.messageBox.shown.size(), 2);
    EXPECT_EQ(platform.messageBox.shown.back().request.title, QStringLiteral("Chyba"));
    EXPECT_EQ(surface().text(), QStringLiteral("keep"));
    EXPECT_EQ(Program().CurrentFilePath, QString());
}

TEST_F(DocumentFiles, SaveWritesTheExactBytesAndMakesThePathCurrent) {
    const QString text = DecodeAnsi("Žluťoučký\nkůň\rúpěl\r\n");
    surface().setText(text);
    ASSERT_TRUE(form->windowTitle().endsWith(u'*'));
    SaveDocument(path(QStringLiteral("kun.txt")), surface().text());

    EXPECT_EQ(ReadWholeFile(path(QStringLiteral("kun.txt"))), EncodeAnsi(text));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarvel Qor (%1)").arg(path("kun.txt")));
    EXPECT_EQ(Program().Settings.RecentFiles.front(), path(QStringLiteral("kun.txt")));

    // Saving again asks, even for the document's own path; No writes nothing.
    surface().setText(QStringLiteral("changed"));
    platform.messageBox.queue(MessageBoxAnswer::No);
    SaveDocument(path(QStringLiteral("kun.txt")), surface().text());
    EXPECT_TRUE(lastBoxText().startsWith(QStringLiteral("Opravdu uložit ")));
    EXPECT_EQ(ReadWholeFile(path(QStringLiteral("kun.txt"))), EncodeAnsi(text));
}

TEST_F(DocumentFiles, AFailedSaveIsReportedAndNeverShownAsSaved) {
    writeFile(QStringLiteral("old.txt"), "old");
    OpenDocument(path(QStringLiteral("old.txt")));
    surface().setText(QStringLiteral("new text"));
    const QString unwritable = path(QStringLiteral("missing/folder/x.txt"));
    SaveDocument(unwritable, surface().text());

    EXPECT_EQ(platform.messageBox.shown.back().request.title, QStringLiteral("Chyba"));
    EXPECT_EQ(Program().CurrentFilePath, path(QStringLiteral("old.txt")));
    EXPECT_TRUE(form->windowTitle().endsWith(u'*'));
    EXPECT_EQ(ReadWholeFile(path(QStringLiteral("old.txt"))), QByteArray("old"));
    EXPECT_NE(Program().Settings.RecentFiles.front(), unwritable);
}

TEST_F(DocumentFiles, SaveSelectionWritesOnlyTheSelectionAndKeepsTheDocument) {
    surface().setText(QStringLiteral("jedna dva"));
    SaveSelectionAs();
    EXPECT_TRUE(platform.fileDialogs.saveRequests.isEmpty());

    surface().setSelStart(6);
    surface().setSelLength(3);
    platform.fileDialogs.saveAnswers << path(QStringLiteral("vyber.txt"));
    SaveSelectionAs();
    EXPECT_EQ(ReadWholeFile(path(QStringLiteral("vyber.txt"))), QByteArray("dva"));
    EXPECT_EQ(Program().CurrentFilePath, QString());
    EXPECT_EQ(Program().Settings.RecentFiles.front(), path(QStringLiteral("vyber.txt")));
}

TEST_F(DocumentFiles, NewDocumentEmptiesTheTabOnlyAfterYes) {
    writeFile(QStringLiteral("a.txt"), "abc");
    OpenDocument(path(QStringLiteral("a.txt")));
    platform.messageBox.queue(MessageBoxAnswer::No);
    EXPECT_FALSE(NewDocument());
    EXPECT_EQ(surface().text(), QStringLiteral("abc"));

    platform.messageBox.queue(MessageBoxAnswer::Yes);
    EXPECT_TRUE(NewDocument());
    EXPECT_EQ(surface().text(), QString());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarvel Qor ()"));
    EXPECT_EQ(form->FileTab()->tabText(0), QString());
    EXPECT_EQ(form->FileTab()->tabToolTip(0), QString());
    EXPECT_EQ(Program().Settings.RecentFiles.front(), path(QStringLiteral("a.txt")));
}

TEST_F(DocumentFiles, RecentListMovesInsertsAndDrops) {
    auto& list = Program().Settings.RecentFiles;
    for (int i = 0; i < 10; ++i)
        list[i] = QStringLiteral("/f%1").arg(i + 1);
    int fills = 0;
    SetRecentMenuFiller([&fills](const std::array<QString, 10>&) { ++fills; });

    AddRecentFile(QStringLiteral("/f4"));
    EXPECT_EQ(list[0], QStringLiteral("/f4"));
    EXPECT_EQ(list[1], QStringLiteral("/f1"));
    EXPECT_EQ(list[3], QStringLiteral("/f3"));
    EXPECT_EQ(list[4], QStringLiteral("/f5"));

    AddRecentFile(QStringLiteral("/F4"));
    EXPECT_EQ(list[0], QStringLiteral("/F4"));
    EXPECT_EQ(list[1], QStringLiteral("/f4"));
    EXPECT_EQ(list[9], QStringLiteral("/f9")); // "/f10" dropped

    AddRecentFile(QString());
    EXPECT_EQ(list[0], QStringLiteral("/F4"));
    EXPECT_EQ(fills, 2);
}

TEST_F(DocumentFiles, RecentEntriesOpenByNumber) {
    writeFile(QStringLiteral("b.txt"), "bbb");
    Program().Settings.RecentFiles[1] = path(QStringLiteral("b.txt"));
    OpenRecentFile(2);
    EXPECT_EQ(surface().text(), QStringLiteral("bbb"));
    OpenRecentFile(11);
    EXPECT_EQ(surface().text(), QStringLiteral("bbb"));
}

} // namespace
