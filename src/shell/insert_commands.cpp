#include "shell/insert_commands.h"

#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "shell/ProgramState.h"
#include "shell/shared_procedures.h"

#include <iterator>
#include <utility>

namespace {

// Made from the commands' own list of names: a name that is no menu id does
// not compile, so no command can lose its entry.
#define LITERAL_COMMAND_MENU_ID(name) MenuId::name,
constexpr MenuId LiteralCommandMenuIds[] = {LITERAL_COMMAND_NAMES(LITERAL_COMMAND_MENU_ID)};
#undef LITERAL_COMMAND_MENU_ID
static_assert(std::size(LiteralCommandMenuIds) == LiteralCommandCount);

std::function<QDateTime()>& insertClock() {
    static std::function<QDateTime()> current;
    return current;
}

[[nodiscard]] QDateTime now() {
    return insertClock() ? insertClock()() : QDateTime::currentDateTime();
}

} // namespace

MenuId LiteralCommandMenuId(LiteralCommand command) {
    return LiteralCommandMenuIds[static_cast<std::size_t>(command)];
}

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
