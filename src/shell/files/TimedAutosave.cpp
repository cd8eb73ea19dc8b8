#include "shell/files/TimedAutosave.h"

#include "core/files/autosave_rules.h"
#include "core/files/file_io.h"
#include "core/text/ansi_code_page.h"
#include "core/text/program_error.h"
#include "platform/surface/RichEditSurface.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QTimer>

namespace {

constexpr int TickMilliseconds = 1000;

const QString FailureNote = QStringLiteral(
    "Automatické ukládání pokračuje; další chyby zápisu se ohlásí až po úspěšném uložení.");

} // namespace

TimedAutosave::TimedAutosave(MainForm& form, Clock clock)
    : QObject(&form), m_form(form),
      m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); })),
      m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("TimedAutosave"));
    m_timer->setObjectName(QStringLiteral("TimLongEvents"));
    m_timer->setInterval(TickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &TimedAutosave::tick);
    m_timer->start();
}

void TimedAutosave::tick() {
    // A start-up notice may wait for minutes while the editor is still empty.
    if (Program().SessionLoading)
        return;
    const SettingsRecord& settings = Program().Settings;
    const AutosaveStep step = AutosaveTick(m_ticks, settings.AutosaveOn, settings.AutosaveMinutes);
    m_ticks = step.ticks;
    if (step.save)
        save();
}

void TimedAutosave::save() {
    const AutosaveMode mode = AutosaveModeFromNumber(Program().Settings.AutosaveMode);
    const QDateTime now = m_clock();
    const QString path = Program().AppFolder + AutosaveFileName(mode, now);
    const QString content =
        AutosaveContent(mode, now, Program().CurrentFilePath, m_form.surface().text());
    try {
        WriteFileAtomically(path, EncodeAnsi(content));
        m_failureReported = false;
    } catch (const ProgramError& error) {
        if (m_failureReported)
            return;
        // Set before the box shows: ticks go on while it is open.
        m_failureReported = true;
        ReportError(error, FailureNote);
    }
}
