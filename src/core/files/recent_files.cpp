#include "core/files/recent_files.h"

#include <algorithm>

bool AddRecentEntry(RecentFileList& list, const QString& path) {
    if (path.isEmpty())
        return false;
    auto found = std::find(list.begin(), list.end(), path);
    if (found == list.end())
        found = list.end() - 1;
    // Rotating [begin, found] by one brings the kept or dropped entry to the top.
    std::rotate(list.begin(), found, found + 1);
    list.front() = path;
    return true;
}
