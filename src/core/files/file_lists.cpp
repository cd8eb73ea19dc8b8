#include "core/files/file_lists.h"

#include "core/text/program_error.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {

void sortByName(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

// The entries of folder that filters admit, hidden ones left out.
QStringList entriesOf(const QString& folder, QDir::Filters filters) {
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        throw FileError(QStringLiteral("Složku %1 nelze přečíst").arg(folder), folder);
    QStringList names = dir.entryList(filters | QDir::NoDotAndDotDot);
    names.removeIf([](const QString& name) { return name.startsWith(u'.'); });
    sortByName(names);
    return names;
}

bool matchesOne(const QString& name, const QString& pattern) {
    // "*.*" reads "any file" to the user, dot or no dot.
    if (pattern == QStringLiteral("*.*"))
        return true;
    const QRegularExpression expression(QRegularExpression::wildcardToRegularExpression(pattern),
                                        QRegularExpression::CaseInsensitiveOption);
    return expression.match(name).hasMatch();
}

} // namespace

bool MatchesFilePattern(const QString& name, const QString& pattern) {
    const QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
    return std::any_of(patterns.begin(), patterns.end(), [&name](const QString& one) {
        const QString trimmed = one.trimmed();
        return !trimmed.isEmpty() && matchesOne(name, trimmed);
    });
}

QStringList ListFiles(const QString& folder, const QString& pattern) {
    QStringList names = entriesOf(folder, QDir::Files);
    names.removeIf([&pattern](const QString& name) { return !MatchesFilePattern(name, pattern); });
    return names;
}

QStringList ListFolders(const QString& folder) {
    return entriesOf(folder, QDir::Dirs);
}

QList<FolderListEntry> FolderListEntries(const QString& openFolder, const QStringList& subfolders) {
    const QString folder = ListFolderPath(openFolder);
    QList<FolderListEntry> entries{{QStringLiteral("/"), QStringLiteral("/"), 0, true}};
    QString path;
    for (const QString& name : folder.split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + name;
        entries.append({path, name, static_cast<int>(entries.size()), true});
    }
    const int depth = static_cast<int>(entries.size());
    for (const QString& name : subfolders)
        entries.append({JoinFolderAndName(folder, name), name, depth, false});
    return entries;
}

QString ListFolderPath(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath());
}

QStringList DriveListEntries(const QStringList& mountPoints, const QString& home) {
    QStringList others;
    for (const QString& point : mountPoints) {
        const QString clean = ListFolderPath(point);
        if (clean != QStringLiteral("/") && !others.contains(clean))
            others.append(clean);
    }
    std::sort(others.begin(), others.end());
    QStringList drives{QStringLiteral("/")};
    drives += others;
    if (!home.isEmpty() && !drives.contains(ListFolderPath(home)))
        drives.append(ListFolderPath(home));
    return drives;
}

QString DriveOfPath(const QStringList& drives, const QString& path) {
    QString best = QStringLiteral("/");
    for (const QString& drive : drives) {
        const bool holds = path == drive || path.startsWith(JoinFolderAndName(drive, QString()));
        if (holds && drive.size() > best.size())
            best = drive;
    }
    return best;
}

QString JoinFolderAndName(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString ComposeSavePath(const QString& folder, const QString& name, const QString& extension) {
    const QString file = extension.isEmpty() ? name : name + u'.' + extension;
    return JoinFolderAndName(folder, file);
}

NameAndExtension SplitAtLastDot(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return {fileName, QString()};
    return {fileName.left(dot), fileName.mid(dot + 1)};
}
