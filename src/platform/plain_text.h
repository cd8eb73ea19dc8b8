#pragma once

#include <QString>

// Qt reads some texts as markup: a tool tip that looks like HTML is laid out
// as rich text, and "[*]" in a window title marks where the modified state
// shows. A text of the user, a document or a file name goes through these so
// that it shows as it stands.

// A tool tip that shows text as it is, tags and entities included. A text Qt
// would not read as markup comes back unchanged.
[[nodiscard]] QString PlainToolTip(const QString& text);

// A window title that shows text as it is, "[*]" included.
[[nodiscard]] QString PlainWindowTitle(const QString& text);
