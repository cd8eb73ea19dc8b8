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
    // so; then the first ends, then the second, or both at one moment as a
    // logout ends them.
    void runBoth(bool secondChanges, bool together) {
        WriteFileAtomically(tab1, "tab 1 text");
        QFile::remove(tab1 + u".bak"_s);
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
            if (!together) {
                ASSERT_TRUE(copy.waitForFinished(10000));
            }
        }
        for (QProcess& copy : copies) {
            ASSERT_TRUE(copy.state() == QProcess::NotRunning || copy.waitForFinished(10000));
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
    const QString told = u"Tentýž soubor změnilo více oken programu zároveň. Platí obsah z okna "
                         "zavřeného dříve, obsah z okna zavřeného později byl uschován "
                         "jako:\r\nZáložka 1: "_s +
                         keptAside;
    const struct {
        const char* ending;
        bool secondChanges;
        bool together;
    } endings[] = {{"the first changes tab 1", false, false},
                   {"both change tab 1", true, false},
                   {"both change tab 1 and end together", true, true}};
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.ending);
        runBoth(ending.secondChanges, ending.together);

        // Ended together, either copy may end first.
        const QByteArray written = ReadWholeFile(tab1);
        const bool firstEndedFirst = !ending.together || written == TextOf[0];
        EXPECT_EQ(written, TextOf[firstEndedFirst ? 0 : 1]);
        EXPECT_EQ(bytesOf(keptAside),
                  ending.secondChanges ? TextOf[firstEndedFirst ? 1 : 0] : None);
        EXPECT_EQ(bytesOf(note),
                  ending.secondChanges ? (u"Záložka 1: "_s + keptAside + u"\n"_s).toUtf8() : None);
        EXPECT_EQ(nextStartsNotice(), ending.secondChanges ? told : QString());
        EXPECT_FALSE(QFile::exists(note));
    }
}

} // namespace
