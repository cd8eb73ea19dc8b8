#pragma once

#include <QString>
#include <Qt>
#include <optional>

// The text that a key typed into a tool window passes on to the document:
// its one printable character, or a carriage return for Enter. Control keys
// (Backspace, Tab, Esc, arrows), combinations with Ctrl, Alt or Meta and
// control characters pass nothing on, so they never land in the text.
[[nodiscard]] std::optional<QString> TypedKeyText(int key, Qt::KeyboardModifiers modifiers,
                                                  const QString& text);
