#include "core/files/file_filter.h"

namespace {

// The Qt patterns of one ";"-separated pattern text, in order, without repeats.
[[nodiscard]] QStringList QtPatterns(const QString& patterns) {
    QStringList result;
    const auto append = [&result](const QString& pattern) {
        if (!result.contains(pattern))
            result.append(pattern);
    };
    for (const QString& part : patterns.split(u';')) {
        QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        if (pattern == u"*.*")
            pattern = QStringLiteral("*");
        append(pattern);
        append(pattern.toUpper());
    }
    return result;
}

} // namespace

QStringList QtNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = QtPatterns(parts[i + 1]);
        if (patterns.isEmpty())
            continue;
        result.append(parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return result;
}
