#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

// The largest document the program opens, in bytes.
inline constexpr qint64 LargestDocumentSize = 1442401;

// The longest file inserted into the editor or shown in a browser, in bytes:
// far longer than a document, so a page made by pasting is taken whole, yet
// short enough that the internal browser, the slower of the two, still shows
// it within about ten seconds (bench/preview_bench). A file of gigabytes
// would leave the program busy for good.
inline constexpr qint64 LargestReadFile = 10'000'000;

// Tells, under title, that the file at path, size bytes long, is longer than
// LargestReadFile.
void TellFileTooLong(const QString& path, qint64 size, const QString& title);

// The file-type filter of the document open and save dialogs.
extern const QString DocumentFileFilter;

// The text of the file at path, read as a document is; a missing, unreadable
// or too large file is told and gives nothing.
[[nodiscard]] std::optional<QString> ReadDocumentText(const QString& path);

// The same for a file inserted into a document, up to LargestReadFile: a
// longer one is refused before it is read.
[[nodiscard]] std::optional<QString> ReadInsertedText(const QString& path);

// Loads the file into the current tab as its document; a missing, unreadable
// or too large file is told and changes nothing. Every way of opening a file
// into a tab comes here: when the current document has unsaved changes, the
// user is asked first, and No changes nothing.
void OpenDocument(const QString& path);

// OpenDocument without the question, for the reload command, which asks its
// own.
void ReloadDocument(const QString& path);

// Writes text to path (asking before overwriting an existing file) and makes
// it the current tab's document. A failed write is reported and changes
// nothing: the path, caption, tab and modified mark stay.
void SaveDocument(const QString& path, const QString& text);

// Writes text to path (asking before overwriting) and lists it as recent; the
// document being edited stays as it is.
void WriteTextFile(const QString& path, const QString& text);

// Asks for a path and writes the selection there; nothing without a selection.
void SaveSelectionAs();

// After confirmation, empties the current tab's document; false when the user
// said No.
bool NewDocument();

// Puts path at the top of the recent-files list and refreshes its menu.
void AddRecentFile(const QString& path);

// Opens entry 1 to 10 of the recent-files list.
void OpenRecentFile(int index);

// Shows the recent-files list in the toolbar's drop-down, through the filler
// the toolbar installs (nothing until there is one).
using RecentMenuFiller = std::function<void(const std::array<QString, 10>&)>;
void SetRecentMenuFiller(RecentMenuFiller fill);
void FillRecentMenu();
