#pragma once

class QDialog;

// Runs dialog modal (exec()) for the window it is opened from: the window
// active at the call. For the turn that window owns the dialog, so the dialog
// stands above it, and once the dialog is closed, however, that window is
// active again with its focus where it was (the window manager would hand the
// activation to the dialog's usual owner, the main window). Without an
// active window it is a plain exec(). Returns exec()'s result.
int ExecForOpener(QDialog& dialog);
