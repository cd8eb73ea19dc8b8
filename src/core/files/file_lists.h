#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the program's own open and save windows show: the drive, folder and
// file lists and the paths composed from them. Folders are written without a
// trailing "/", except the root "/".

// Whether a file name matches a pattern of the file list: wildcards "*" and
// "?", several patterns separated by ";", letters in either case (the user's
// files often come from systems that ignore case). "*.*" matches every name,
// also one without a dot; an empty pattern matches nothing.
[[nodiscard]] bool MatchesFilePattern(const QString& name, const QString& pattern);

// The names of the regular files in folder that match pattern, sorted by name
// with case aside. Hidden files (a name starting with ".") and
// special files (pipes, sockets, devices) are left out. A folder that cannot
// be read throws ProgramError.
[[nodiscard]] QStringList ListFiles(const QString& folder, const QString& pattern);

// The names of the folders in folder, sorted as ListFiles sorts, hidden ones
// left out. A folder that cannot be read throws ProgramError.
[[nodiscard]] QStringList ListFolders(const QString& folder);

// One line of the folder list: the folders from the root down to the open
// folder, then the folders inside it, one level deeper.
struct FolderListEntry {
    QString path;
    // The root shows as "/", every other folder by its name.
    QString label;
    // 0 for the root, one more for each level below it.
    int depth = 0;
    // The root, the folders above the open folder and the open folder itself.
    bool open = false;

    friend bool operator==(const FolderListEntry&, const FolderListEntry&) = default;
};

[[nodiscard]] QList<FolderListEntry> FolderListEntries(const QString& openFolder,
                                                       const QStringList& subfolders);

// The folder written as the lists keep it: an absolute, clean path without a
// trailing "/" (the root stays "/").
[[nodiscard]] QString ListFolderPath(const QString& folder);

// The drive list: the root "/" first, then the other mount points in
// alphabetical order, then the home folder; each once.
[[nodiscard]] QStringList DriveListEntries(const QStringList& mountPoints, const QString& home);

// The drive of the list that holds path: the longest entry that is path's
// folder or one above it; "/" when none is.
[[nodiscard]] QString DriveOfPath(const QStringList& drives, const QString& path);

// folder, "/" unless folder already ends in one, and name.
[[nodiscard]] QString JoinFolderAndName(const QString& folder, const QString& name);

// The path the save window composes: folder, name, and "." with the
// extension when there is one (an empty extension adds no dot).
[[nodiscard]] QString ComposeSavePath(const QString& folder, const QString& name,
                                      const QString& extension);

// A file name split at its last dot: archive.tar.gz gives archive.tar and gz;
// a name without a dot is all name with an empty extension.
struct NameAndExtension {
    QString name;
    QString extension;

    friend bool operator==(const NameAndExtension&, const NameAndExtension&) = default;
};
[[nodiscard]] NameAndExtension SplitAtLastDot(const QString& fileName);
