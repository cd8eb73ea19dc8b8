#pragma once

#include "core/text/literal_commands.h"
#include "shell/main_window/main_menu_table.h"

#include <QDateTime>
#include <functional>

// Performs a tag-pair, fixed-text or generated-text command on the main
// window's editing surface, as its menu entry does. The e-mail line reads the
// user's name and address from the program-wide settings.
void RunLiteralCommand(LiteralCommand command);

// The menu entry that runs the command: the entry of the same name.
[[nodiscard]] MenuId LiteralCommandMenuId(LiteralCommand command);

// The clock the date and time commands read; an empty function restores the
// system clock. Tests set a fixed time.
void SetInsertCommandClock(std::function<QDateTime()> clock);
