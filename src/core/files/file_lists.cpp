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

// The patterns of a file list filter, each made into an expression once, so
// a whole folder is filtered without building one per name.
class FilePatterns {
public:
    explicit FilePatterns(const QString& pattern) {
        for (const QString& one : pattern.split(u';', Qt::SkipEmptyParts)) {
            const QString trimmed = one.trimmed();
            // "*.*" reads "any file" to the user, dot or no dot.
            if (trimmed == QStringLiteral("*.*"))
                m_everything = true;
            else if (!trimmed.isEmpty())
                m_expressions.append(
                    QRegularExpression(QRegularExpression::wildcardToRegularExpression(trimmed),
                                       QRegularExpression::CaseInsensitiveOption));
        }
    }

    [[nodiscard]] bool matches(const QString& name) const {
        return m_everything || std::any_of(m_expressions.begin(), m_expressions.end(),
                                           [&name](const QRegularExpression& one) {
                                               return one.match(name).hasMatch();
                                           });
    }

private:
    bool m_everything = false;
    QList<QRegularExpression> m_expressions;
};

} // namespace

bool MatchesFilePattern(const QString& name, const QString& pattern) {
    return FilePatterns(pattern).matches(name);
}

QStringList ListFiles(const QString& folder, const QString& pattern) {
    const FilePatterns patterns(pattern);
    QStringList names = entriesOf(folder, QDir::Files);
    names.removeIf([&patterns](const QString& name) { return !patterns.matches(name); });
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
