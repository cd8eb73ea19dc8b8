#include "core/find/text_search.h"

#include <algorithm>

int FindFrom(const QString& text, const QString& what, int from, bool matchCase) {
    const qsizetype start = std::max(from, 1) - 1;
    if (start >= text.size())
        return 0;
    if (what.isEmpty())
        return static_cast<int>(start) + 1;
    const qsizetype found =
        text.indexOf(what, start, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return found < 0 ? 0 : static_cast<int>(found) + 1;
}

Replaced ReplaceEvery(const QString& text, const QString& what, const QString& with) {
    Replaced result;
    if (what.isEmpty()) {
        result.text = text;
        return result;
    }
    qsizetype found = text.indexOf(what);
    if (found < 0) {
        result.text = text;
        return result;
    }
    result.text.reserve(text.size());
    qsizetype done = 0;
    while (found >= 0) {
        result.text.append(QStringView(text).sliced(done, found - done));
        result.text.append(with);
        ++result.count;
        done = found + what.size();
        found = text.indexOf(what, done);
    }
    result.text.append(QStringView(text).sliced(done));
    return result;
}
