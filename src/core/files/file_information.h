#pragma once

#include <QDateTime>
#include <QFileDevice>
#include <QFileInfo>
#include <QList>
#include <QLocale>
#include <QString>

// What the open window tells about a chosen file: its preview, its
// information page and its properties. Sizes are 64-bit throughout.

// A file shorter than this many bytes is previewed whole.
inline constexpr qint64 PreviewLimit = 32000;

// The preview of the file at path: its whole text through the program's code
// page when it is shorter than PreviewLimit (NUL and other control
// characters kept, nothing cut), otherwise the message of PreviewRefusal.
// Throws ProgramError when the file cannot be read.
[[nodiscard]] QString FilePreviewText(const QString& path, const QLocale& locale = QLocale());

// "Není:", a line break, and why a file of length bytes named fileName is
// not previewed.
[[nodiscard]] QString PreviewRefusal(const QString& fileName, qint64 length,
                                     const QLocale& locale = QLocale());

// The four attribute boxes. Linux knows read-only (the user may not write
// the file) and hidden (a name starting with "."); system stands for a file
// that is no regular file (a pipe, socket or device); there is no archive
// mark.
struct FileAttributes {
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
    bool archive = false;

    friend bool operator==(const FileAttributes&, const FileAttributes&) = default;
};

// The information page of a file.
struct FileInformation {
    // The extension in upper case ("TAR.GZ" for archive.tar.gz).
    QString type;
    QString size;
    FileAttributes attributes;
    QString modified;
};

// Throws ProgramError when the file is not there.
[[nodiscard]] FileInformation FileInformationOf(const QFileInfo& file,
                                                const QLocale& locale = QLocale());

// A date and time in the locale's short date and a 24-hour time with seconds.
[[nodiscard]] QString FileDateTimeText(const QDateTime& when, const QLocale& locale = QLocale());

// Permissions as "rwxr-x---": owner, group, others.
[[nodiscard]] QString PermissionText(QFileDevice::Permissions permissions);

// One line of the file-properties window.
struct FilePropertyRow {
    QString label;
    QString value;

    friend bool operator==(const FilePropertyRow&, const FilePropertyRow&) = default;
};

// The file's name, folder, type, size (also in bytes), owner, permissions
// and dates. Throws ProgramError when the file is not there.
[[nodiscard]] QList<FilePropertyRow> FilePropertyRows(const QFileInfo& file,
                                                      const QLocale& locale = QLocale());
