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

#include <QMap>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Restored = "tab 1 text";
const QByteArray Others = "Druhý";
const QByteArray TextOf[] = {"FIRST tab 1 text", "SECOND tab 1 text"};

class TwoCopies : public TarvelExecutable {
protected:
    void writeLastSession() {
        for (const QString& name : autosaveFiles().keys())
            QFile::remove(folder.filePath(name));
        WriteFileAtomically(folder.filePath(u"autosave_tarvel_qor1.txt"_s), Restored);
        WriteFileAtomically(folder.filePath(u"autosave_tarvel_qor2.txt"_s), Others);
        WriteFileAtomically(folder.filePath(u"first.txt"_s), TextOf[0]);
        WriteFileAtomically(folder.filePath(u"second.txt"_s), TextOf[1]);
    }

    // Both copies run until each has restored the files, then end one after
    // the other, each saving its session.
    void runBoth(const std::array<bool, 2>& changes, int endingFirst) {
        const QString opened[] = {folder.filePath(u"first.txt"_s),
                                  folder.filePath(u"second.txt"_s)};
        std::array<QProcess, 2> copies;
        for (int copy = 0; copy < 2; ++copy) {
            startCopy(copies.at(copy), {changes.at(copy) ? opened[copy] : u"-NOMSG"_s});
            ASSERT_TRUE(copies.at(copy).waitForStarted(10000));
        }
        EXPECT_FALSE(copies.at(1).waitForFinished(2000));
        for (const int copy : {endingFirst, 1 - endingFirst}) {
            ASSERT_EQ(copies.at(copy).state(), QProcess::Running);
            copies.at(copy).terminate();
            ASSERT_TRUE(copies.at(copy).waitForFinished(10000));
            EXPECT_EQ(copies.at(copy).exitCode(), 0);
        }
    }

    // The next start, in this process: its notice, if it shows one.
    QString nextStartsNotice() {
        Program() = ProgramState{};
        CommandRegistry commands;
        RegisterProgramCommands(commands);
        auto* form = new MainForm(commands);
        Main(folder.path() + u"/"_s, u"-NOMSG"_s);
        EXPECT_EQ(EncodeAnsi(form->surface().text()),
                  autosaveFiles().value(u"autosave_tarvel_qor1.txt"_s));
        const QString notice = platform.messageBox.shown.isEmpty()
                                   ? QString()
                                   : platform.messageBox.shown.takeFirst().request.text;
        platform.unloadWindows(form);
        delete form;
        Program() = ProgramState{};
        return notice;
    }

    [[nodiscard]] QMap<QString, QByteArray> autosaveFiles() const {
        QMap<QString, QByteArray> found;
        for (const QString& name :
             QDir(folder.path()).entryList({u"autosave_tarvel_qor*"_s}, QDir::Files))
            found.insert(name, ReadWholeFile(folder.filePath(name)));
        return found;
    }

    TestPlatform platform;
};

TEST_F(TwoCopies, NeitherUndoesTheOthersTabAndTextsBothChangedAreKeptAndTold) {
    const QString keptAside = folder.filePath(u"autosave_tarvel_qor1.txt.bak"_s);
    const QString told = u"Tutéž záložku změnilo více oken programu zároveň. Obnoven je text "
                         "okna zavřeného dříve, text okna zavřeného později byl uschován "
                         "jako:\r\nZáložka 1: "_s +
                         keptAside;
    for (const std::array<bool, 2> changes :
         {std::array{false, false}, {true, false}, {false, true}, {true, true}}) {
        for (const int endingFirst : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "changes " << changes[0] << changes[1] << ", copy "
                                            << endingFirst + 1 << " ends first");
            writeLastSession();
            runBoth(changes, endingFirst);

            const bool both = changes[0] && changes[1];
            QMap<QString, QByteArray> expected = {
                {u"autosave_tarvel_qor1.txt"_s, both         ? TextOf[endingFirst]
                                                : changes[0] ? TextOf[0]
                                                : changes[1] ? TextOf[1]
                                                             : Restored},
                {u"autosave_tarvel_qor2.txt"_s, Others},
                {u"autosave_tarvel_qor3.txt"_s, {}},
                {u"autosave_tarvel_qor4.txt"_s, {}},
                {u"autosave_tarvel_qor5.txt"_s, {}},
            };
            if (both) {
                expected.insert(u"autosave_tarvel_qor1.txt.bak"_s, TextOf[1 - endingFirst]);
                expected.insert(u"autosave_tarvel_qor_uschovano.txt"_s,
                                (u"Záložka 1: "_s + keptAside + u"\n"_s).toUtf8());
            }
            EXPECT_EQ(autosaveFiles(), expected);

            EXPECT_EQ(nextStartsNotice(), both ? told : QString());
            EXPECT_FALSE(QFile::exists(folder.filePath(u"autosave_tarvel_qor_uschovano.txt"_s)));
        }
    }
}

} // namespace
