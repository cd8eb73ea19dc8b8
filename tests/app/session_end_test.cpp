// The desktop session ends the real program with SIGTERM at any moment. While
// start-up still waits for the user, nothing of the last session is in the
// window yet, and nothing may be written over the files it is kept in; once
// start-up is done, the end saves the session as a close does. Moments that
// only a user's hand reaches run the start-up in this process instead.
#include "app/program_commands.h"
#include "app/tarvel_executable.h"
#include "core/files/file_io.h"
#include "core/files/folder_files.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/dialogs/Pass.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/start/main_procedure.h"
#include "shell/start/shutdown.h"

#include <QAction>
#include <QMap>
#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

struct EndingMoment {
    const char* moment;
    QStringList arguments = {u"-NOMSG"_s};
    QString savedVersion = AppVersionText(); // "": the first-run wizard
    bool tooLarge = false;                   // the third tab cannot be restored
    bool saved = false;                      // else every file is left untouched
    int endingSignal = SIGTERM;
    QByteArray colourRules = {};
    std::function<void(MainForm&)> inside = {}; // run in this process
};

// A box that the session's end reaches while it is shown; it is left
// unanswered, as the real box is when the program's end closes it.
class EndingMessageBox : public MessageBoxService {
public:
    MessageBoxAnswer show(const MessageBoxRequest&, QWidget*) override {
        EndWithTheDesktopSession();
        return MessageBoxAnswer::No;
    }
};

const auto Autosave = [](int tab) { return u"autosave_tarvel_qor%1.txt"_s.arg(tab); };

class SessionEnd : public TarvelExecutable {
protected:
    // A window of its own size and place with every bar hidden, and two tabs.
    void writeLastSession(const EndingMoment& moment) {
        QFile::remove(path(u"tarvel.ini"_s));
        if (!moment.savedVersion.isEmpty()) {
            SettingsRecord settings = FirstRunSettings(9000, 6000, moment.savedVersion);
            settings.WindowLeft = 1500;
            settings.WindowTop = 750;
            settings.ShowToolbar = settings.ShowStatusBar = settings.ShowFileTabs = false;
            settings.SavedAt = u"01-02-2003 04:05:06"_s;
            WriteFileAtomically(path(u"tarvel.ini"_s), EncodeSettings(settings));
        }
        if (!moment.colourRules.isEmpty())
            WriteFileAtomically(path(u"default.rqc"_s), moment.colourRules);
        WriteFileAtomically(path(Autosave(1)), "První text\r\nz minula");
        WriteFileAtomically(path(u"dopis.txt"_s), "Milá Jano");
        WriteFileAtomically(path(Autosave(2)), "Druhý");
        if (moment.tooLarge)
            WriteFileAtomically(path(Autosave(3)), QByteArray(1442402, 'x'));
    }

    // The start-up in this process; the program's end leaves the modal window
    // open, as leaving every event loop does in the real program.
    void endInside(const EndingMoment& moment) {
        Program() = ProgramState{};
        Program().EndProgram = [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        };
        CommandRegistry commands;
        RegisterProgramCommands(commands);
        auto* form = new MainForm(commands);
        Main(folder.path() + u"/"_s, u"-NOMSG"_s);
        moment.inside(*form);
        EXPECT_TRUE(Program().Ending);
        EXPECT_TRUE(platform.messageBox.shown.isEmpty()) << "nobody is there to answer";
        platform.unloadWindows(form);
        delete form;
        Program() = ProgramState{};
    }

    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }

    // Every file of the folder but the program, with its bytes.
    [[nodiscard]] QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> found = FolderFiles(folder.path());
        found.remove(u"tarvel"_s);
        return found;
    }

    TestPlatform platform;
    EndingMessageBox endingBox;
};

TEST_F(SessionEnd, DuringStartUpNothingIsWrittenAfterItTheSessionIsSaved) {
    const EndingMoment moments[] = {
        {.moment = "version notice", .savedVersion = u"0.9.0b CZ"_s},
        {.moment = "notice of a text too large to restore", .tooLarge = true},
        {.moment = "error box of damaged colour rules", .colourRules = "krátký"},
        {.moment = "first-run wizard", .savedVersion = u""_s},
        {.moment = "calculator alone", .arguments = {u"-CALC"_s}},
        {.moment = "browser alone", .arguments = {u"-BROWSER"_s}},
        {.moment = "error box in the running editor",
         .arguments = {path(u"chybí/dopis.txt"_s)},
         .saved = true},
        {.moment = "running editor", .saved = true},
        {.moment = "running editor, its terminal closed", .saved = true, .endingSignal = SIGHUP},
        {.moment = "running editor, Ctrl+C", .saved = true, .endingSignal = SIGINT},
        {.moment = "start screen", .arguments = {}, .saved = true},
        {.moment = "lock-password prompt",
         .saved = true,
         .inside =
             [](MainForm& form) {
                 WhenModalShown<Pass>([](Pass*) { EndWithTheDesktopSession(); });
                 form.menu().action(MenuId::Mnu_Lock)->trigger();
             }},
        {.moment = "unsaved change, nothing open",
         .saved = true,
         .inside =
             [](MainForm& form) {
                 form.surface().setText(form.surface().text());
                 EndWithTheDesktopSession();
             }},
        {.moment = "save asking to overwrite",
         .saved = true,
         .inside =
             [this](MainForm& form) {
                 platform.fileDialogs.saveAnswers << path(u"dopis.txt"_s);
                 Platform().messageBox = &endingBox;
                 form.menu().action(MenuId::mnu_save_st)->trigger();
                 Platform().messageBox = &platform.messageBox;
             }},
    };
    for (const EndingMoment& moment : moments) {
        SCOPED_TRACE(moment.moment);
        writeLastSession(moment);
        QMap<QString, QByteArray> expected = files();
        // The text too large to restore is kept aside before its notice.
        if (moment.tooLarge)
            expected.insert(Autosave(3) + u".bak"_s, expected.take(Autosave(3)));

        if (moment.inside)
            endInside(moment);
        else
            runUntilTheSessionEnds(moment.arguments, QDir::tempPath(), moment.endingSignal);

        QMap<QString, QByteArray> left = files();
        // A close writes every tab's file, the three empty ones too, and the
        // colour rules beside the settings.
        if (moment.saved) {
            for (int tab = 3; tab <= 5; ++tab)
                EXPECT_EQ(left.take(Autosave(tab)), QByteArray());
            EXPECT_EQ(left.take(u"default.rqc"_s).size(), 514);
            const SettingsRecord saved = DecodeSettings(left.take(u"tarvel.ini"_s), {});
            EXPECT_NE(saved.SavedAt, u"01-02-2003 04:05:06"_s);
            EXPECT_EQ(
                QRect(saved.WindowLeft, saved.WindowTop, saved.WindowWidth, saved.WindowHeight),
                QRect(1500, 750, 9000, 6000));
            EXPECT_FALSE(saved.ShowToolbar || saved.ShowStatusBar || saved.ShowFileTabs);
            expected.remove(u"tarvel.ini"_s);
        }
        EXPECT_EQ(left, expected) << left.keys().join(u' ').toStdString();
        for (const QString& name : files().keys())
            QFile::remove(path(name));
    }
}

// No file may grow past 0 bytes, so each of the seven files the end writes is
// refused, and the signal such a write raises is left to kill as it does by
// default: the program itself must keep it from ending the program.
TEST_F(SessionEnd, FailedWritesAreToldOnStandardErrorAndTheProgramEndsWithEveryFileWhole) {
    for (int tab = 1; tab <= 5; ++tab)
        WriteFileAtomically(path(Autosave(tab)), "řádek " + QByteArray::number(tab));
    const QMap<QString, QByteArray> before = files();
    tarvel.setChildProcessModifier([] {
        const rlimit nothing{0, 0};
        setrlimit(RLIMIT_FSIZE, &nothing);
        std::signal(SIGXFSZ, SIG_DFL);
    });

    runUntilTheSessionEnds({u"-NOMSG"_s});

    EXPECT_EQ(files(), before);
    const QString told = QString::fromUtf8(tarvel.readAllStandardError());
    EXPECT_EQ(told.count(u"Chyba\nVyskytla se chyba:\n"_s), 7) << told.toStdString();
}

} // namespace
