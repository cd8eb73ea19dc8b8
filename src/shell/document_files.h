#pragma once

#include <QString>

// The largest document the program opens, in bytes.
inline constexpr qint64 LargestDocumentSize = 1442401;

// Loads the file into the current tab as its document; a missing or too
// large file is told in a message and changes nothing.
void OpenDocument(const QString& path);

// Puts path at the top of the recent-files list.
void AddRecentFile(const QString& path);
