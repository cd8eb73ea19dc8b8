#pragma once

#include <QString>
#include <array>

using RecentFileList = std::array<QString, 10>;

// Moves path to the top of the list, or inserts it there and drops the last
// entry. Entries compare exactly (case-sensitively); an empty path changes
// nothing and gives false.
bool AddRecentEntry(RecentFileList& list, const QString& path);
