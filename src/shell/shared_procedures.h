#pragma once

#include "core/colour/colour_value.h"
#include "core/text/program_error.h"
#include "platform/message_box.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class EditorSurface;

// The shared procedures every window calls, acting on the main window's
// editing surface and the program-wide state.

// The main window's editing surface; the main window must exist.
[[nodiscard]] EditorSurface& MainSurface();

// Busy display around a long operation: on shows message in the fourth
// status panel, the progress bar and the hourglass on form; off hides the
// progress bar and restores the pointer.
void SetBusy(bool on, QWidget* form, const QString& message = {});

// Moves the busy display's progress bar to step of steps; nothing without a
// main window.
void ShowBusyProgress(int step, int steps);

// Switches the busy display on for its lifetime, so an early return or an
// exception cannot leave it on.
class BusyScope {
public:
    BusyScope(QWidget* form, const QString& message);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    QPointer<QWidget> m_form;
};

// Asks text with Yes and No buttons and the exclamation icon over the main
// window; true when the answer is Yes.
[[nodiscard]] bool Confirmed(const QString& text, const QString& title);

// A message box owned by the main window, answered by the platform's service.
MessageBoxAnswer ShowMessageBox(const QString& text, const QString& title,
                                MessageBoxButtons buttons, MessageBoxIcon icon);

// A message box with the OK button over owner: a dialog telling its own user.
void ShowNotice(QWidget* owner, const QString& text, const QString& title, MessageBoxIcon icon);

// Shows the error of an aborted action in the error box titled "Chyba".
void ReportError(const ProgramError& error, const QString& extra = {});

// ApplyEditorFont and WrapSelectionInTag on the main surface; the applied look
// is remembered in the program-wide state.
void ApplyEditorFont(ColorValue color, bool bold, bool italic, const QString& fontName);
void WrapSelectionInTag(const QString& tag);
