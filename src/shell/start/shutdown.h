#pragma once

class MainForm;

// The main window's close: saves the settings, writes the exit-autosave files
// and, when documents have unsaved changes, asks whether to end. Returns true
// when the program ends (Program().EndProgram is called).
[[nodiscard]] bool ConfirmShutdown(MainForm& form);
