// The desktop session ends the real program with SIGTERM at any moment. While
// start-up still waits for the user, nothing of the last session is in the
// window yet, and nothing may be written over the files it is kept in; once
// start-up is done, the end saves the session as a close does. Moments that
// only a user's hand reaches run the start-up in this process instead, and
// the session's end comes inside them as the signal brings it.
#include "app/program_commands.h"
#include "app/tarvel_executable.h"
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
#include <functional>

using namespace Qt::StringLiterals;

namespace {

enum class Outcome { FilesUntouched, SessionSaved };

struct EndingMoment {
    const char* moment;
    QStringList arguments = {};
    // "" = no settings file: the first-run wizard
    QString savedVersion = AppVersionText();
    int tooLargeTab = 0; // this tab's autosave cannot be restored
    Outcome outcome = Outcome::FilesUntouched;
    QByteArray colourRules = {}; // written as the colour rules when not empty
    // Opens the moment in the start-up run in this process.
    std::function<void(MainForm&)> inside = {};
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

class SessionEnd : public TarvelExecutable {
protected:
    // The last session: a window of its own size and place with every bar
    // hidden, and texts in two tabs.
    void writeLastSession(const EndingMoment& moment) {
        QFile::remove(folder.filePath(u"tarvel.ini"_s));
        if (!moment.savedVersion.isEmpty()) {
            settings = FirstRunSettings(9000, 6000, moment.savedVersion);
            settings.WindowWidth = 600 * 15;
            settings.WindowHeight = 400 * 15;
            settings.WindowLeft = 100 * 15;
            settings.WindowTop = 50 * 15;
            settings.ShowToolbar = settings.ShowStatusBar = settings.ShowFileTabs = false;
            settings.SavedAt = u"01-02-2003 04:05:06"_s;
            write(u"tarvel.ini"_s, EncodeSettings(settings));
        }
        if (!moment.colourRules.isEmpty())
            write(u"default.rqc"_s, moment.colourRules);
        write(u"autosave_tarvel_qor1.txt"_s, "První text\r\nz minula");
        write(u"dopis.txt"_s, "Milá Jano");
        write(u"autosave_tarvel_qor2.txt"_s, "Druhý");
        if (moment.tooLargeTab > 0)
            write(u"autosave_tarvel_qor%1.txt"_s.arg(moment.tooLargeTab), QByteArray(1442402, 'x'));
    }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The start-up in this process, with the test doubles answering; the
    // program's end leaves the modal window open, as leaving every event
    // loop does in the real program.
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
        // Nobody is there to answer a question.
        EXPECT_TRUE(platform.messageBox.shown.isEmpty());
        platform.unloadWindows(form);
        delete form;
        Program() = ProgramState{};
    }

    static void run(MainForm& form, MenuId id) { form.menu().action(id)->trigger(); }

    // Every file of the folder but the program, with its bytes.
    [[nodiscard]] QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> found;
        for (const QFileInfo& info : QDir(folder.path()).entryInfoList(QDir::Files)) {
            QFile file(info.filePath());
            if (info.fileName() != u"tarvel"_s && file.open(QIODevice::ReadOnly))
                found.insert(info.fileName(), file.readAll());
        }
        return found;
    }

    SettingsRecord settings;
    TestPlatform platform;
    EndingMessageBox endingBox;
};

TEST_F(SessionEnd, DuringStartUpNothingIsWrittenAfterItTheSessionIsSaved) {
    const QString older = u"0.9.0b CZ"_s;
    const QString missing = folder.filePath(u"chybí/dopis.txt"_s);
    const QStringList noMessage = {u"-NOMSG"_s};
    const Outcome saved = Outcome::SessionSaved;
    const EndingMoment moments[] = {
        {.moment = "version notice", .arguments = noMessage, .savedVersion = older},
        {.moment = "notice of a text too large to restore",
         .arguments = noMessage,
         .tooLargeTab = 3},
        {.moment = "error box of damaged colour rules",
         .arguments = noMessage,
         .colourRules = "krátký"},
        {.moment = "first-run wizard", .arguments = noMessage, .savedVersion = u""_s},
        {.moment = "calculator alone", .arguments = {u"-CALC"_s}},
        {.moment = "browser alone", .arguments = {u"-BROWSER"_s}},
        {.moment = "error box in the running editor", .arguments = {missing}, .outcome = saved},
        {.moment = "running editor", .arguments = noMessage, .outcome = saved},
        {.moment = "start screen", .outcome = saved},
        {.moment = "lock-password prompt",
         .outcome = saved,
         .inside =
             [](MainForm& form) {
                 WhenModalShown<Pass>([](Pass*) { EndWithTheDesktopSession(); });
                 run(form, MenuId::Mnu_Lock);
             }},
        {.moment = "unsaved change, nothing open",
         .outcome = saved,
         .inside =
             [](MainForm& form) {
                 form.surface().setText(form.surface().text());
                 EndWithTheDesktopSession();
             }},
        {.moment = "save asking to overwrite",
         .outcome = saved,
         .inside =
             [this](MainForm& form) {
                 platform.fileDialogs.saveAnswers << folder.filePath(u"dopis.txt"_s);
                 Platform().messageBox = &endingBox;
                 run(form, MenuId::mnu_save_st);
                 Platform().messageBox = &platform.messageBox;
             }},
    };
    for (const EndingMoment& moment : moments) {
        SCOPED_TRACE(moment.moment);
        writeLastSession(moment);
        QMap<QString, QByteArray> expected = files();
        // The text too large to restore is kept aside before its notice.
        if (moment.tooLargeTab > 0) {
            const QString name = u"autosave_tarvel_qor%1.txt"_s.arg(moment.tooLargeTab);
            expected.insert(name + u".bak"_s, expected.take(name));
        }

        if (moment.inside)
            endInside(moment);
        else
            runUntilTheSessionEnds(moment.arguments);

        QMap<QString, QByteArray> left = files();
        // A close writes every tab's file, the three empty ones too, and the
        // colour rules beside the settings.
        if (moment.outcome == Outcome::SessionSaved) {
            for (int tab = 3; tab <= 5; ++tab)
                EXPECT_EQ(left.take(u"autosave_tarvel_qor%1.txt"_s.arg(tab)), QByteArray());
            EXPECT_EQ(left.take(u"default.rqc"_s).size(), 514);
            const SettingsRecord saved = DecodeSettings(left.take(u"tarvel.ini"_s), {});
            EXPECT_NE(saved.SavedAt, settings.SavedAt);
            EXPECT_EQ(QList<qint32>({saved.WindowWidth, saved.WindowHeight, saved.WindowLeft,
                                     saved.WindowTop}),
                      QList<qint32>({settings.WindowWidth, settings.WindowHeight,
                                     settings.WindowLeft, settings.WindowTop}));
            EXPECT_FALSE(saved.ShowToolbar || saved.ShowStatusBar || saved.ShowFileTabs);
            expected.remove(u"tarvel.ini"_s);
        }
        EXPECT_EQ(left.keys().join(u' ').toStdString(), expected.keys().join(u' ').toStdString());
        for (const QString& name : expected.keys())
            EXPECT_TRUE(left.value(name) == expected.value(name)) << name.toStdString();
        for (const QString& name : files().keys())
            QFile::remove(folder.filePath(name));
    }
}

} // namespace
