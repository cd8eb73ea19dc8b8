#include "shell/insert_commands.h"

#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "shell/ProgramState.h"
#include "shell/shared_procedures.h"

#include <utility>

namespace {

std::function<QDateTime()>& insertClock() {
    static std::function<QDateTime()> current;
    return current;
}

[[nodiscard]] QDateTime now() {
    return insertClock() ? insertClock()() : QDateTime::currentDateTime();
}

} // namespace

void RunLiteralCommand(LiteralCommand command) {
    const LiteralCommandEntry& entry = LiteralCommandInfo(command);
    const SettingsRecord& settings = Program().Settings;
    const QString text =
        LiteralCommandText(command, {now(), settings.UserName, settings.UserEmail});
    EditorSurface& surface = MainSurface();
    switch (entry.mode) {
    case LiteralMode::WrapSelectionInTag:
        WrapSelectionInTag(text);
        break;
    case LiteralMode::InsertAtCaret:
        InsertAtCaret(surface, text);
        break;
    case LiteralMode::ReplaceSelection:
        // The selection is overwritten as it stands, not collapsed first.
        TransformSelection(surface, [&text](const QString&) { return text; });
        break;
    }
}

void SetInsertCommandClock(std::function<QDateTime()> clock) {
    insertClock() = std::move(clock);
}
