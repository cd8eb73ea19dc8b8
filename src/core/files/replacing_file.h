#pragma once

#include <QByteArrayView>
#include <QString>

// The new content of a file, written to a temporary file beside it and
// renamed into its place only when whole. Every write, the flush to the disk
// and the close are checked before the rename, so a full disk or a size the
// system refuses leaves the old file as it was and no temporary file behind.
//
// A link is followed to the file it names, however many links lead there.
// Where no temporary file can be made beside the file (a folder the user may
// not write to), a file the user may write is written in place: the room for
// each write is taken before its bytes replace the old ones, so a full disk
// still leaves the old bytes. A file the user may not write is left whole.
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
    // fails too, and error() tells why.
    [[nodiscard]] bool open();
    [[nodiscard]] bool write(QByteArrayView bytes);
    // Puts the written bytes in the file's place.
    [[nodiscard]] bool commit();

    // The system's error number of the first failure; 0 while there is none.
    [[nodiscard]] int error() const { return m_error; }

private:
    [[nodiscard]] bool fail(int error);
    [[nodiscard]] bool openBeside();
    [[nodiscard]] bool openInPlace();
    void discard();

    QString m_path;
    QByteArray m_target;
    QByteArray m_temporary;
    int m_descriptor = -1;
    bool m_inPlace = false;
    qint64 m_written = 0;
    int m_error = 0;
};

// Why a write failed, in a few words for the user: "Disk je plný",
// "Chybí oprávnění k zápisu", ...; the system's own text for the rest.
[[nodiscard]] QString FileWriteReason(int error);

struct ProgramError;

// The error a failed write is reported by (source = the path, the
// description naming the reason and the path).
[[nodiscard]] ProgramError FileWriteError(const QString& path, int error);
