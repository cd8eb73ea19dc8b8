#pragma once

#include <QString>
#include <optional>

class CommandRegistry;

// Registers the transforms of the selected text and the code complement of
// the whole text.
void AddSelectionCommands(CommandRegistry& commands);

// TranslateChars for the windows that take the two sets from the user: sets
// of different lengths are told, and give nothing.
[[nodiscard]] std::optional<QString> TranslateCharsOrTell(const QString& text, const QString& from,
                                                          const QString& to);
