// Two copies of the real program started in one folder, as "Otevřít další
// okno" starts the second, both restore the same exit-autosave files and both
// write them at their ends: neither may undo what the other kept. A copy
// opens a file given on its command line into tab 1, which changes that tab.
#include "app/program_commands.h"
#include "app/tarvel_executable.h"
#include "core/files/file_io.h"
#include "core/text/ansi_code_page.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/start/main_procedure.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray TextOf[] = {"FIRST tab 1 text", "SECOND tab 1 text"};
const QByteArray None = "none";

QByteArray bytesOf(const QString& path) {
    return QFile::exists(path) ? ReadWholeFile(path) : None;
}

class TwoCopies : public TarvelExecutable {
protected:
    // Both copies restore the same last session and run until each has done
    // so; then the first ends, then the second.
    void runBoth(bool secondChanges) {
        WriteFileAtomically(tab1, "tab 1 text");
        std::array<QProcess, 2> copies;
        for (int copy = 0; copy < 2; ++copy) {
            const QString opened = folder.filePath(u"copy%1.txt"_s.arg(copy));
            WriteFileAtomically(opened, TextOf[copy]);
            start(copies.at(copy), {copy == 0 || secondChanges ? opened : u"-NOMSG"_s});
            ASSERT_TRUE(copies.at(copy).waitForStarted(10000));
        }
        EXPECT_FALSE(copies.at(1).waitForFinished(2000));
        for (QProcess& copy : copies) {
            ASSERT_EQ(copy.state(), QProcess::Running);
            copy.terminate();
            ASSERT_TRUE(copy.waitForFinished(10000));
            EXPECT_EQ(copy.exitCode(), 0);
        }
    }

    // The next start, in this process, restores tab 1 from its file; the
    // notice it shows, if any.
    QString nextStartsNotice() {
        Program() = ProgramState{};
        CommandRegistry commands;
        RegisterProgramCommands(commands);
        auto* form = new MainForm(commands);
        Main(folder.path() + u"/"_s, u"-NOMSG"_s);
        EXPECT_EQ(EncodeAnsi(form->surface().text()), ReadWholeFile(tab1));
        const QString notice = platform.messageBox.shown.value(0).request.text;
        platform.unloadWindows(form);
        delete form;
        Program() = ProgramState{};
        return notice;
    }

    const QString tab1 = folder.filePath(u"autosave_tarvel_qor1.txt"_s);
    TestPlatform platform;
};

TEST_F(TwoCopies, NeitherUndoesTheOthersTabAndTextsBothChangedAreKeptAndTold) {
    const QString keptAside = tab1 + u".bak"_s;
    const QString note = folder.filePath(u"autosave_tarvel_qor_uschovano.txt"_s);
    const QString told = u"Tutéž záložku změnilo více oken programu zároveň. Obnoven je text "
                         "okna zavřeného dříve, text okna zavřeného později byl uschován "
                         "jako:\r\nZáložka 1: "_s +
                         keptAside;
    for (const bool secondChanges : {false, true}) {
        SCOPED_TRACE(secondChanges ? "both change tab 1" : "the first changes tab 1");
        runBoth(secondChanges);

        EXPECT_EQ(ReadWholeFile(tab1), TextOf[0]);
        EXPECT_EQ(bytesOf(keptAside), secondChanges ? TextOf[1] : None);
        EXPECT_EQ(bytesOf(note),
                  secondChanges ? (u"Záložka 1: "_s + keptAside + u"\n"_s).toUtf8() : None);
        EXPECT_EQ(nextStartsNotice(), secondChanges ? told : QString());
        EXPECT_FALSE(QFile::exists(note));
    }
}

} // namespace
