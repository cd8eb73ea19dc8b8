#pragma once

class MainForm;

// The main window's close: saves the settings, writes the exit-autosave files
// and, when documents have unsaved changes, asks whether to end. Returns true
// when the program ends (the event loop is told to stop).
[[nodiscard]] bool ConfirmShutdown(MainForm& form);
