#pragma once

#include "core/colour/colour_rule_editing.h"
#include "core/colour/colour_rule_set.h"
#include "core/files/shared_autosave.h"
#include "core/settings/settings_record.h"
#include "core/text/editor_procedures.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// What the program keeps of one tab's document beside its text document.
struct DocumentSlot {
    // Path of the document; empty while untitled.
    QString Path;
    // The document has unsaved changes.
    bool Modified = false;
    // Caret position when its tab was last left.
    int Caret = 0;
    // Text restored from the last exit that the tab's document takes when the
    // tab is first entered; empty once taken.
    QString Text;
    // What this copy of the program knows of the tab's exit-autosave file,
    // which other copies started in the same folder may write as well.
    AutosaveMemory ExitAutosave;
};

// The program-wide state that outlives any window. One instance, reached
// through Program(); tests reset it with Program() = ProgramState{}.
struct ProgramState {
    // The program's folder, ending with "/".
    QString AppFolder;
    // Empty for the editor, "C" for the calculator alone, "B" for the browser alone.
    QString StartMode;
    SettingsRecord Settings;
    // Slots of tabs 1 to 5 at indexes 0 to 4.
    std::array<DocumentSlot, 5> Documents;
    // Path of the document in the current tab; empty while untitled.
    QString CurrentFilePath;
    // The look last applied to the whole text by ApplyEditorFont.
    AppliedFont Applied;
    // The font size last given to the whole text by SetEditorFontSize; 0 before.
    int AppliedFontSize = 0;
    // The colour-highlighting rules, loaded from "default.rqc" at start-up and
    // saved back with the settings.
    ColorRuleSet ColorRules;
    // The set as start-up left it when "default.rqc" was there but could not
    // be read: the file is then rewritten only once the set differs, so rules
    // the program could not read are not replaced by an empty set.
    std::optional<ColorRuleSet> DefaultColorRulesUnread;
    // What this copy knows of "default.rqc" and "tarvel.ini", which other
    // copies started in the same folder write as well. For the settings,
    // kept holds only what the user sets, not the window's place or the time.
    AutosaveMemory ColorRulesFile;
    AutosaveMemory SettingsFile;
    // How ColorRules is matched when applied, set in the rule-set editor.
    ColorRuleOptions ColorOptions;
    // The whole text as the last checkpoint stored it; shared by all tabs and
    // never saved.
    QString CheckpointText;
    // The main window stays above all others.
    bool AlwaysOnTop = false;
    // Start-up is still putting the last session (the settings and the
    // restored documents) into the windows, which hold nothing of it yet: an
    // end that comes meanwhile, such as a signal while a start-up notice
    // waits, must write nothing over the files that session is kept in.
    bool SessionLoading = false;
    // The temporary files this run made for itself alone; removed when it
    // ends.
    QStringList TempFiles;
    // Set once the user has confirmed the end: nothing may start the event
    // loop again (a modal window that was open when the end came returns).
    bool Ending = false;
    // Ends the event loop once the user confirmed the end; the program sets
    // it at start, tests leave it empty so their process keeps running.
    std::function<void()> EndProgram;
    // Shows the calculator alone for the start mode "C"; the program sets it
    // at start. Without it that mode opens the editor.
    std::function<void()> ShowCalculatorAlone;
};

[[nodiscard]] ProgramState& Program();

// The last step of every way the user ends the program, once confirmed: marks
// the program as ending and stops the event loop.
void EndTheProgram();

// Removes the temporary files this run made, and only those: another
// instance's files of the same kind stay.
void RemoveTempFiles();
