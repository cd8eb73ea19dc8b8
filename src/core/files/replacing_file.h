#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The new content of a file, written to a temporary file beside it and
// renamed into its place only when whole. Every write, the flush to the disk
// and the close are checked before the rename, so a full disk or a size the
// system refuses leaves the old file as it was and no temporary file behind.
// The temporary name fits wherever the file's own name fits: a name too long
// for the usual mark is cut, at a character's start, to make room for it.
//
// A link is followed to the file it names, however many links lead there.
// Where no temporary file can be made beside the file (a folder the user may
// not write to), a file the user may write is written in place only when the
// length of the whole new content is told when it is opened: room for all of
// it is taken before the first old byte is overwritten, so a full disk still
// leaves the old bytes. A file the user may not write is left whole.
//
// The caller checks that the path names no folder, pipe or device.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString& path);
    // An unfinished temporary file is removed; the old file stays.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Each step is true when it succeeded; after a failure every later step
    // fails too, and error() tells why. Without wholeSize, a folder that
    // takes no new files refuses the write; with it, no more bytes than that
    // may be written.
    [[nodiscard]] bool open(std::optional<qint64> wholeSize = std::nullopt);
    [[nodiscard]] bool write(QByteArrayView bytes);
    // Puts the written bytes in the file's place.
    [[nodiscard]] bool commit();

    // The system's error number of the first failure; 0 while there is none.
    [[nodiscard]] int error() const { return m_error; }

private:
    [[nodiscard]] bool fail(int error);
    [[nodiscard]] bool openBeside();
    [[nodiscard]] bool openInPlace(qint64 oldSize, qint64 wholeSize);
    [[nodiscard]] int growWithZeros(qint64 oldSize);
    void discard();

    QString m_path;
    // The folder the file is in, and the file's name there, links followed.
    int m_folder = -1;
    QByteArray m_name;
    QByteArray m_temporary;
    int m_descriptor = -1;
    bool m_inPlace = false;
    qint64 m_wholeSize = 0;
    qint64 m_written = 0;
    int m_error = 0;
};

// Why a write failed, in a few words for the user: "Disk je plný",
// "Chybí oprávnění k zápisu", ...; Czech words for every error, the system's
// own text only after them.
[[nodiscard]] QString FileWriteReason(int error);

struct ProgramError;

// The error a failed write is reported by (source = the path, the
// description naming the reason and the path).
[[nodiscard]] ProgramError FileWriteError(const QString& path, int error);
