#pragma once

#include "core/colour/colour_rule_editing.h"
#include "core/colour/colour_rule_set.h"
#include "core/settings/settings_record.h"
#include "core/text/editor_procedures.h"

#include <QString>
#include <array>
#include <functional>

// One open document while its tab is not the current one.
struct DocumentSlot {
    QString Text;
    bool Modified = false;
    int Caret = 0;
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
    // The colour-highlighting rules, loaded from "default.rqc" at start-up and
    // saved back with the settings.
    ColorRuleSet ColorRules;
    // How ColorRules is matched when applied, set in the rule-set editor.
    ColorRuleOptions ColorOptions;
    // The main window stays above all others.
    bool AlwaysOnTop = false;
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
