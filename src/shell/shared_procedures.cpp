#include "shell/shared_procedures.h"

#include "core/text/editor_procedures.h"
#include "platform/busy_cursor.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"

#include <QLabel>
#include <QProgressBar>

EditorSurface& MainSurface() {
    Q_ASSERT(MainForm::instance());
    return MainForm::instance()->surface();
}

void SetBusy(bool on, QWidget* form, const QString& message) {
    MainForm* main = MainForm::instance();
    if (main && on) {
        main->panel(4)->setText(message);
        main->panel(4)->repaint();
    }
    if (main) {
        // The message has the bar to itself beside the progress bar; the
        // counts would only be stale until the work is done.
        for (int number = 1; number < MainForm::PanelCount; ++number)
            main->panel(number)->setVisible(!on);
        main->Panel4Picture()->setVisible(!on);
        main->Status()->setVisible(on);
        if (on)
            main->Status()->repaint();
    }
    if (form)
        Platform().busyCursor->setBusy(form, on);
}

void ShowBusyProgress(int step, int steps) {
    if (MainForm* main = MainForm::instance()) {
        main->Status()->setMaximum(steps);
        main->Status()->setValue(step);
    }
}

BusyScope::BusyScope(QWidget* form, const QString& message) : m_form(form) {
    SetBusy(true, form, message);
}

BusyScope::~BusyScope() {
    SetBusy(false, m_form);
}

namespace {

MessageBoxAnswer showBox(QWidget* owner, const QString& text, const QString& title,
                         MessageBoxButtons buttons, MessageBoxIcon icon) {
    MessageBoxRequest request;
    request.text = text;
    request.title = title;
    request.buttons = buttons;
    request.icon = icon;
    return Platform().messageBox->show(request, owner);
}

} // namespace

MessageBoxAnswer ShowMessageBox(const QString& text, const QString& title,
                                MessageBoxButtons buttons, MessageBoxIcon icon) {
    return showBox(MainForm::instance(), text, title, buttons, icon);
}

void ShowNotice(QWidget* owner, const QString& text, const QString& title, MessageBoxIcon icon) {
    (void)showBox(owner, text, title, MessageBoxButtons::Ok, icon);
}

bool Confirmed(const QString& text, const QString& title) {
    return ShowMessageBox(text, title, MessageBoxButtons::YesNo, MessageBoxIcon::Exclamation) ==
           MessageBoxAnswer::Yes;
}

void ReportError(const ProgramError& error, const QString& extra) {
    (void)ShowMessageBox(ErrorReportText(error, extra), ErrorReportTitle, MessageBoxButtons::Ok,
                         MessageBoxIcon::Stop);
}

void ApplyEditorFont(ColorValue color, bool bold, bool italic, const QString& fontName) {
    ApplyEditorFont(MainSurface(), Program().Applied, color, bold, italic, fontName);
}

void WrapSelectionInTag(const QString& tag) {
    WrapSelectionInTag(MainSurface(), tag);
}
