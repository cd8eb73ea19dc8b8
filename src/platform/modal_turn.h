#pragma once

class QDialog;

// Runs dialog modal (exec()) for the window it is opened from: the window
// active at the call or, while the window system has yet to confirm an
// activation, the window the last modal turn handed the keyboard back to
// (an error box right after a file dialog belongs to the file dialog's
// opener), or else the window of the dialog's own parent. For the turn that
// window owns the dialog, so the dialog stands above it, and once the dialog
// is closed, however, that window is active again with its focus where it
// was (the window manager would hand the activation to the dialog's usual
// owner, the main window). Returns exec()'s result.
int ExecForOpener(QDialog& dialog);
