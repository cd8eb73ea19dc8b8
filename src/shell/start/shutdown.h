#pragma once

class MainForm;

// The main window's close: saves the settings, writes the exit-autosave files
// and, when documents have unsaved changes, asks whether to end. Returns true
// when the program ends (Program().EndProgram is called). While start-up is
// still loading the last session, it ends without writing anything.
[[nodiscard]] bool ConfirmShutdown(MainForm& form);

// The desktop session ends the program: the editor saves as its close does
// but ends without the question, which nobody is there to answer (the
// exit-autosave files keep every text); the calculator or the browser alone
// ends as its own close does, saving nothing. From then on no box waits for
// an answer: each is told on standard error and takes its safe answer.
void EndWithTheDesktopSession();
