#include "shell/start/main_procedure.h"

#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/settings/app_version.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_range.h"
#include "core/text/random_generator.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/dialogs/Visual.h"
#include "shell/files/colour_rule_files.h"
#include "shell/files/document_files.h"
#include "shell/files/exit_autosave.h"
#include "shell/files/shared_files.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/main_window/editor_look.h"
#include "shell/shared_procedures.h"
#include "shell/start/Start.h"
#include "shell/start/settings_saving.h"
#include "shell/window_instances.h"

#include <QDir>
#include <QStatusBar>
#include <QSysInfo>
#include <QTabBar>
#include <pwd.h>
#include <unistd.h>

namespace {

SettingsRecord firstRunDefaults() {
    const QSize screen = Platform().frames->screen().size();
    return FirstRunSettings(PixelsToTwips(screen.width()) / 2, PixelsToTwips(screen.height()) / 2,
                            AppVersionText());
}

QString userName() {
    QString name = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    if (name.isEmpty()) {
        if (const passwd* account = getpwuid(getuid()))
            name = QString::fromLocal8Bit(account->pw_name);
    }
    return name.isEmpty() ? QStringLiteral("?") : name;
}

QString computerName() {
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? QStringLiteral("?") : name;
}

// Each bar shows as its setting says, with its menu entry checked alike.
void showBars(MainForm& form, bool toolbar, bool statusBar, bool fileTabs) {
    const auto show = [&form](QWidget* bar, MenuId item, bool visible) {
        bar->setVisible(visible);
        form.menu().action(item)->setChecked(visible);
    };
    show(form.Toolbar1(), MenuId::MnuTS, toolbar);
    show(form.statusBar(), MenuId::MnuSBS, statusBar);
    show(form.FileTab(), MenuId::mnuFTS, fileTabs);
}

// The size and place the settings keep: the inside that large, the frame's
// corner at the place.
void placeWindow(MainForm& form, const SettingsRecord& settings) {
    Platform().frames->placeFrame(
        form, QPoint(TwipsToPixels(settings.WindowLeft), TwipsToPixels(settings.WindowTop)),
        QSize(TwipsToPixels(settings.WindowWidth), TwipsToPixels(settings.WindowHeight)));
}

void firstRun(Start& start, const QString& settingsPath) {
    start.setAction(QStringLiteral("Soubor ") + settingsPath +
                    QStringLiteral(" nenalezen.Defaultuji Konfiguraci"));
    ProgramState& program = Program();
    program.Settings = firstRunDefaults();
    MainForm& form = *MainForm::instance();
    showBars(form, true, true, true);
    const SettingsRecord& settings = program.Settings;
    placeWindow(form, settings);
    Visual& visual = LoadedWindow<Visual>();
    visual.writeAutosaveOptions(program.Settings);
    visual.setPreviewColors(settings.EditorTextColor, settings.EditorBackColor);
    const QString name = userName();
    visual.setUserFields(name, name + QStringLiteral("@") + computerName() + QStringLiteral(".cz"));
    visual.runFirstRunWizard();
    // Ended while the wizard waited: there was no settings file, and none is made.
    if (program.Ending)
        return;
    start.setAction(QStringLiteral("Ukládám novou konfiguraci (tarvel.ini)"));
    SaveSettings();
    program.Settings.ShowToolbar = true;
    program.Settings.ShowStatusBar = true;
    program.Settings.ShowFileTabs = true;
}

TwipsRect inTwips(const QRect& rect) {
    return {PixelsToTwips(rect.x()), PixelsToTwips(rect.y()), PixelsToTwips(rect.width()),
            PixelsToTwips(rect.height())};
}

// The whole screen, which the snapping and the placement picker size the
// window to; the free part of it; the frame, where it is known already; and
// the smallest window the layout allows.
WindowRoom windowRoom(const MainForm& form) {
    const WindowFrameService& frames = *Platform().frames;
    const QMargins frame = frames.frameMargins(form);
    const QSize smallest = form.minimumSizeHint().expandedTo(form.minimumSize());
    return {inTwips(frames.screen()),
            inTwips(frames.workArea()),
            {PixelsToTwips(frame.left()), PixelsToTwips(frame.top()), PixelsToTwips(frame.right()),
             PixelsToTwips(frame.bottom())},
            PixelsToTwips(smallest.width()),
            PixelsToTwips(smallest.height())};
}

void loadSettings(Start& start, const MainForm& form) {
    const QString path = Program().AppFolder + SettingsFileName;
    start.setAction(QStringLiteral("Nahrávám hlavní konfiguraci ze souboru ") + path);
    if (!FileExists(path)) {
        firstRun(start, path);
        return;
    }
    try {
        // The record is read by its own layout from the first byte: bytes
        // behind the longest record it can be are never part of it.
        const FileRead read = ReadFileStart(path, LongestSettingsFile());
        Program().SettingsFile.seen = ContentOf(read);
        if (read.failure != FileReadFailure::None)
            throw FileReadError(path, read);
        Program().Settings =
            SettingsInRange(DecodeSettings(read.bytes, firstRunDefaults()), windowRoom(form));
    } catch (const ProgramError& error) {
        ReportError(error);
        Program().Settings = firstRunDefaults();
    }
}

void showVersionNotice() {
    SettingsRecord& settings = Program().Settings;
    if (!VersionChanged(settings, AppVersionText()))
        return;
    MessageBoxRequest notice;
    notice.text = VersionNoticeText(settings, AppVersionText());
    notice.title = QStringLiteral("Tarvel Qor");
    (void)Platform().messageBox->show(notice, nullptr);
    settings.SavedVersion = AppVersionText();
}

Qt::WindowStates windowStateOf(qint32 number) {
    if (number == 1)
        return Qt::WindowMinimized;
    return number == 2 ? Qt::WindowMaximized : Qt::WindowNoState;
}

void applySettings(MainForm& form) {
    SettingsRecord& settings = Program().Settings;
    if (settings.EditorTextColor == settings.EditorBackColor) {
        settings.EditorTextColor = RgbColor(0, 0, 0);
        settings.EditorBackColor = RgbColor(255, 255, 255);
    }
    Visual& visual = LoadedWindow<Visual>();
    visual.writeAutosaveOptions(settings);
    showBars(form, settings.ShowToolbar, settings.ShowStatusBar, settings.ShowFileTabs);
    form.surface().setBackColor(settings.EditorBackColor);
    visual.setPreviewColors(settings.EditorTextColor, settings.EditorBackColor);
    SetEditorFontSize(settings.EditorFontSize);
    form.menu().action(MenuId::mnuEditBold)->setChecked(settings.EditorBold);
    form.menu().action(MenuId::mnuitalic)->setChecked(settings.EditorItalic);
    FillRecentMenu();
    placeWindow(form, settings);
    Program().AlwaysOnTop = settings.OnTop;
    if (settings.MainWindowState < 0 || settings.MainWindowState > 2)
        settings.MainWindowState = 0;
    form.setWindowState(windowStateOf(settings.MainWindowState));
    SetAlwaysOnTop(form, Program().AlwaysOnTop);
    LayoutMainForm(form);
}

void tellAboutKeptAside(const KeptAsideTexts& keptAside) {
    QStringList paragraphs;
    if (!keptAside.tooLarge.isEmpty())
        paragraphs << QStringLiteral("Automaticky uložený text byl příliš velký na obnovení "
                                     "a byl uschován jako:\r\n") +
                          keptAside.tooLarge.join(QStringLiteral("\r\n"));
    if (!keptAside.bothChanged.isEmpty())
        paragraphs << QStringLiteral("Tentýž soubor změnilo více oken programu zároveň. Platí "
                                     "obsah z okna zavřeného dříve, obsah z okna zavřeného "
                                     "později byl uschován jako:\r\n") +
                          keptAside.bothChanged.join(QStringLiteral("\r\n"));
    if (paragraphs.isEmpty())
        return;
    MessageBoxRequest notice;
    notice.text = paragraphs.join(QStringLiteral("\r\n\r\n"));
    notice.title = QStringLiteral("Soubor");
    notice.icon = MessageBoxIcon::Information;
    (void)Platform().messageBox->show(notice, nullptr);
}

void restoreDocuments(Start& start, MainForm& form) {
    ProgramState& program = Program();
    for (int tab = 1; tab <= DocumentTabs::TabCount; ++tab)
        start.setAction(QStringLiteral("Otevírám standartní soubory - ") +
                        ExitAutosavePath(program.AppFolder, tab));
    tellAboutKeptAside(RestoreExitAutosaveFiles(program.AppFolder, program.Documents));
    EditorSurface& surface = form.surface();
    form.documents().takeRestoredText();
    // A clipboard text too long for a document would be set aside at every
    // start once the exit autosave wrote it.
    if (surface.textLength() == 0 && Platform().clipboard->hasText()) {
        const QString text = Platform().clipboard->text();
        if (text.length() <= LargestDocumentSize)
            surface.setText(text);
    }
    form.documents().setCaption(QString(), false);
    RememberStartingTexts(form.documents().texts(), program.Documents);
}

void applyEditorLook() {
    const SettingsRecord& settings = Program().Settings;
    ApplyEditorFont(settings.EditorTextColor, settings.EditorBold, settings.EditorItalic,
                    settings.EditorFontName);
}

void obeyCommandLine(Start& start, MainForm& form, const QString& arguments) {
    start.setAction(
        QStringLiteral("Parsuji parametry příkazové řádky. Parametr je: \"%1\"").arg(arguments));
    const StartCommand command = ParseStartCommand(arguments);
    start.showMenuFrame();
    if (command == StartCommand::Calculator && Program().ShowCalculatorAlone) {
        Program().StartMode = QStringLiteral("C");
        start.hide();
        Program().ShowCalculatorAlone();
        return;
    }
    if (command == StartCommand::None && Program().Settings.ShowStartScreen)
        return;
    if (command == StartCommand::Calculator)
        Program().StartMode = QStringLiteral("C");
    else if (command == StartCommand::Browser)
        Program().StartMode = QStringLiteral("B");
    start.hide();
    if (command == StartCommand::Browser) {
        ShowBrowserAlone();
        return;
    }
    // The calculator alone comes later; until then the editor opens, so the
    // program never runs without a window.
    form.show();
    // The path is kept as the document's and in the recent list, where it
    // must name the file from any folder.
    if (command == StartCommand::OpenFile)
        OpenDocument(AbsolutePath(arguments, QDir::currentPath()));
}

} // namespace

StartCommand ParseStartCommand(const QString& arguments) {
    const QString option = arguments.toUpper();
    if (option.isEmpty())
        return StartCommand::None;
    if (option == QStringLiteral("-CALC"))
        return StartCommand::Calculator;
    if (option == QStringLiteral("-NOMSG"))
        return StartCommand::NoMessage;
    if (option == QStringLiteral("-BROWSER"))
        return StartCommand::Browser;
    return StartCommand::OpenFile;
}

void Main(const QString& appFolder, const QString& arguments) {
    ProgramState& program = Program();
    // A new session begins: nothing has ended it yet.
    program.SessionLoading = true;
    program.Ending = false;
    MainForm& form = MainForm::instance() ? *MainForm::instance() : *new MainForm;
    Start& start = LoadedWindow<Start>();
    start.show();
    start.setAction(QStringLiteral("Nahrávám konstanty"));
    start.setVersionText(AppVersionText());
    start.setAction(QStringLiteral("Inicializuji Rnd generátor"));
    Rnd().seedFromClock();
    program.AppFolder = appFolder;
    const QString rulesPath = appFolder + ColorRulesFileName;
    start.setAction(QStringLiteral("Otevírám konfiguraci barev ze souboru ") + rulesPath);
    // The notices and the first-run wizard wait for the user; the program
    // may be ended meanwhile, and then start-up goes no further.
    LoadDefaultColorSet(rulesPath);
    if (program.Ending)
        return;
    loadSettings(start, form);
    if (program.Ending)
        return;
    showVersionNotice();
    if (program.Ending)
        return;
    start.setAction(QStringLiteral("Aplikuji konfiguraci"));
    applySettings(form);
    if (!program.Settings.ShowStartScreen)
        start.setCloseAfterStart(true);
    // The look goes in before the restored text, which takes it as it arrives.
    applyEditorLook();
    restoreDocuments(start, form);
    if (program.Ending)
        return;
    RememberStartingSettings();
    program.SessionLoading = false;
    obeyCommandLine(start, form, arguments);
}
