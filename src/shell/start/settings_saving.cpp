#include "shell/start/settings_saving.h"

#include "core/files/file_io.h"
#include "core/files/shared_files_lock.h"
#include "core/settings/settings_file.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/dialogs/Visual.h"
#include "shell/files/colour_rule_files.h"
#include "shell/files/shared_files.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/Toolbar.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QDateTime>
#include <QStatusBar>
#include <QTabBar>

namespace {

qint32 windowStateNumber(const QWidget& window) {
    if (window.isMinimized())
        return 1;
    return window.isMaximized() ? 2 : 0;
}

void gatherWindow(SettingsRecord& settings, const MainForm& form) {
    settings.ShowToolbar = !form.Toolbar1()->isHidden();
    settings.ShowStatusBar = !form.statusBar()->isHidden();
    settings.ShowFileTabs = !form.FileTab()->isHidden();
    // The normal geometry, so a maximised window comes back the right size.
    const QRect inside =
        form.isMaximized() || form.isMinimized() ? form.normalGeometry() : form.geometry();
    // Start-up puts the frame's corner there, and sizes the inside: storing
    // the inside's corner would move the window by its frame at every start.
    const QPoint corner = Platform().frames->normalFrameCorner(form);
    settings.WindowWidth = PixelsToTwips(inside.width());
    settings.WindowHeight = PixelsToTwips(inside.height());
    settings.WindowTop = PixelsToTwips(corner.y());
    settings.WindowLeft = PixelsToTwips(corner.x());
    settings.OnTop = Program().AlwaysOnTop;
    settings.MainWindowState = windowStateNumber(form);
}

// The look last given to the whole text, not the formatting at the caret,
// which highlighting may have coloured; what was never applied stays as read.
void gatherEditor(SettingsRecord& settings, const EditorSurface& surface) {
    const ProgramState& program = Program();
    const AppliedFont& look = program.Applied;
    if (!look.AppliedFontName.isEmpty()) {
        settings.EditorFontName = look.AppliedFontName;
        settings.EditorTextColor = look.AppliedTextColor;
        settings.EditorBold = look.AppliedBold;
        settings.EditorItalic = look.AppliedItalic;
    }
    if (program.AppliedFontSize > 0)
        settings.EditorFontSize = static_cast<quint8>(program.AppliedFontSize);
    settings.EditorBackColor = surface.backColor();
}

// The record as this copy's windows hold it now.
SettingsRecord currentSettings() {
    SettingsRecord settings = Program().Settings;
    if (const MainForm* form = MainForm::instance()) {
        gatherWindow(settings, *form);
        gatherEditor(settings, form->surface());
    }
    LoadedWindow<Visual>().readAutosaveOptions(settings);
    return settings;
}

// What the user sets, without the window's place and the time: a window
// moved or a later save alone does not count as a change of the settings.
FileContent userSettingsOf(SettingsRecord settings) {
    settings.WindowWidth = settings.WindowHeight = settings.WindowTop = settings.WindowLeft = 0;
    settings.MainWindowState = 0;
    settings.SavedAt.clear();
    return FileContent::Of(EncodeSettings(settings));
}

void writeSettings(SettingsRecord settings) {
    ProgramState& program = Program();
    settings.SavedAt = SavedAtText(QDateTime::currentDateTime());
    program.Settings = settings;
    const QByteArray bytes = EncodeSettings(settings);
    try {
        WriteFileAtomically(program.AppFolder + SettingsFileName, bytes);
        program.SettingsFile.seen = FileContent::Of(bytes);
    } catch (const ProgramError& error) {
        ReportError(error);
    }
}

// Read as start-up reads it, so that an unchanged file compares equal.
FileContent settingsOnDisk() {
    return ContentOf(ReadFileStart(Program().AppFolder + SettingsFileName, LongestSettingsFile()));
}

} // namespace

void SaveSettings() {
    const SharedFilesLock lock(Program().AppFolder);
    SaveDefaultColorSet(Program().AppFolder + ColorRulesFileName);
    writeSettings(currentSettings());
}

void SaveSettingsAtExit() {
    ProgramState& program = Program();
    SaveDefaultColorSet(program.AppFolder + ColorRulesFileName);
    const SettingsRecord settings = currentSettings();
    const FileContent onDisk = settingsOnDisk();
    const bool anotherCopyWrote =
        onDisk.kind != FileContent::Kind::Missing && onDisk != program.SettingsFile.seen;
    if (anotherCopyWrote && userSettingsOf(settings) == program.SettingsFile.kept) {
        program.Settings = settings;
        return;
    }
    writeSettings(settings);
}

void RememberStartingSettings() {
    Program().SettingsFile.kept = userSettingsOf(currentSettings());
    RememberStartingColorSet();
}
