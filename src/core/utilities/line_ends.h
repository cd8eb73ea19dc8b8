#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// Copies of a file with its line ends converted; the file itself is only read.
enum class LineEndForm {
    // Each line followed by LF alone: extension "unx".
    Unix,
    // Each line followed by CR LF: extension "dos".
    Dos,
};

// Every line followed by LF. A line ends at CR LF, at a CR alone or at the
// end of the bytes; an LF alone belongs to its line. The last line gets its
// LF too; no bytes give no bytes.
[[nodiscard]] QByteArray ToUnixLineEnds(const QByteArray& bytes);

// Every line followed by CR LF. A line ends at each LF; every other byte,
// a CR included, is copied. The last line gets its CR LF too.
[[nodiscard]] QByteArray ToDosLineEnds(const QByteArray& bytes);

// Converts bytes given piece by piece, so that a file of any length needs
// only a piece's worth of memory: all pieces in order, then finish(), give
// exactly the whole-file conversion. A CR that ends one piece is kept in
// mind, so that an LF starting the next one still makes one line end with it.
class LineEndConverter {
public:
    explicit LineEndConverter(LineEndForm form) : m_form(form) {}

    // Appends the conversion of the next piece to out.
    void convert(QByteArrayView piece, QByteArray& out);
    // Appends the line end of a last line that has none.
    void finish(QByteArray& out);

private:
    LineEndForm m_form;
    // The last byte was a CR that ended a line (UNIX form only).
    bool m_afterCr = false;
    // Bytes of a line were written after the last line end.
    bool m_lineOpen = false;
};

// The copy's path beside the file: the file name up to its first dot
// (one leading the name does not count), followed by "unx" or "dos"; a name
// without a dot gets ".unx" or ".dos" appended. Folders are left as they are.
[[nodiscard]] QString ConvertedFilePath(const QString& path, LineEndForm form);

// True when both paths name one file, through links or "." and ".." too.
[[nodiscard]] bool NamesSameFile(const QString& a, const QString& b);

// How a conversion of a file ended.
enum class ConversionOutcome {
    Written,
    // The copy's name is the file's own: converting would overwrite the input.
    SameAsInput,
    CannotRead,
    CannotWrite,
    // The progress asked to stop; nothing was replaced.
    Stopped,
};

struct FileConversion {
    ConversionOutcome outcome = ConversionOutcome::Written;
    QString outputPath;
    // Why a read or write failed, for the user.
    QString error;
};

// Told after each piece: bytes of the input converted so far, of total (the
// input's length when it was opened). False stops the conversion.
using ConversionProgress = std::function<bool(qint64 done, qint64 total)>;

// Big enough that the system's reads and writes dominate, small enough to
// leave the memory alone.
inline constexpr qint64 ConversionPieceSize = 1024 * 1024;

// Reads the file at path and writes its converted copy (ConvertedFilePath),
// replacing a file of that name, a piece of pieceSize bytes at a time, so any
// length takes the same little memory. The input is never written; the copy
// goes to a temporary file beside its name and is renamed into place only
// when whole, so a failed or stopped write leaves no half copy and an existing
// copy as it was. A folder that takes no new files refuses the copy (its
// length is not known before the end, so no room for it can be taken first).
// Only a regular file is read, and only a regular file is replaced.
FileConversion ConvertFileLineEnds(const QString& path, LineEndForm form,
                                   const ConversionProgress& progress = {},
                                   qint64 pieceSize = ConversionPieceSize);
