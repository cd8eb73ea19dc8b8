#pragma once

#include <QLocale>
#include <QString>

// Small path and file helpers shared by the windows. Paths use "/" and
// folders end with "/".

// One part of a path: 1 the folder with its trailing "/", 2 the file name up
// to the first dot after the last "/", 3 what follows that dot. Without a "/"
// the whole text counts as the folder. Any other part number gives "".
// A name with several dots splits at the first (archive.tar.gz -> archive,
// tar.gz); dots in folder names are ignored.
[[nodiscard]] QString GetPathPart(const QString& path, int part);

// The target written relative to the document's folder, for links and
// pictures in HTML. An empty document path (an unsaved document) measures
// from the program's folder. Folders compare case-sensitively, as the file
// system does, and the target keeps its own case. A target that shares
// nothing but the root with a document below the root keeps its absolute
// path, since "../../.." up to the root says no more than the path itself.
[[nodiscard]] QString MakeRelativePath(const QString& documentPath, const QString& targetPath,
                                       const QString& appFolder);

// "file://" followed by the absolute path, with nothing escaped; a relative
// path is taken from the current folder.
[[nodiscard]] QString PathToFileUrl(const QString& path);

// A path that names the same file from any folder: a relative path is taken
// from currentFolder, with its "." and ".." steps resolved; an absolute path
// stays as given, and so does an empty one.
[[nodiscard]] QString AbsolutePath(const QString& path, const QString& currentFolder);

// A byte count for people: bytes below 1 Kb, Kb and Gb to two decimals, Mb to
// one, rounded half to even, with the locale's decimal separator, no
// thousands separator, no trailing zeros and the unit (b, Kb, Mb, Gb) right
// after the number: 1100 -> "1,07Kb" in a Czech locale.
[[nodiscard]] QString FormatFileSize(qint64 bytes, const QLocale& locale = QLocale());

// True for a readable regular file; a trailing "/" is dropped first. Folders,
// missing or unreadable files give false.
[[nodiscard]] bool FileExists(const QString& path);

// A not yet existing path in the temporary folder: "tvq", a unique part, "."
// and the extension. The caller creates the file. Throws ProgramError when
// the temporary folder takes no files.
[[nodiscard]] QString MakeTempFileName(const QString& extension);

// The characters before the first NUL; the whole text when there is none.
[[nodiscard]] QString CutAtNull(const QString& text);
