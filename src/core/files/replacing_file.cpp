#include "core/files/replacing_file.h"

#include "core/text/program_error.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MostLinksFollowed = 40;
constexpr int TemporaryNameAttempts = 100;
constexpr mode_t NewFileMode = 0666;
// A temporary name is the file's name followed by a dot and six letters.
constexpr qsizetype MarkLetters = 6;
constexpr qsizetype MarkLength = MarkLetters + 1;
// The longest a UTF-8 character runs on after its first byte.
constexpr qsizetype MostContinuationBytes = 3;
constexpr qsizetype ZeroPieceSize = 64 * 1024;

// The file a chain of links ends at, there or not yet; ELOOP in error when
// the chain does not end. Followed in bytes, as the system follows it, so a
// link to a name that is no valid UTF-8 still leads to that very name.
[[nodiscard]] QByteArray LinkedFile(QByteArray path, int& error) {
    for (int depth = 0; depth <= MostLinksFollowed; ++depth) {
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return path;
        QByteArray next(target, qsizetype(length));
        if (!next.startsWith('/'))
            next.prepend(path.left(path.lastIndexOf('/') + 1));
        path = next;
    }
    error = ELOOP;
    return path;
}

[[nodiscard]] bool IsContinuationByte(char byte) {
    return (uchar(byte) & 0xC0) == 0x80;
}

[[nodiscard]] bool StartsLongCharacter(char byte) {
    return (uchar(byte) & 0xC0) == 0xC0;
}

// The name, cut where needed so that the mark fits in length bytes, then the
// mark. A cut never splits a UTF-8 character; a name that is no valid UTF-8
// is cut where the length falls.
[[nodiscard]] QByteArray TemporaryName(const QByteArray& name, qsizetype length) {
    qsizetype kept = qBound(qsizetype(0), length - MarkLength, name.size());
    qsizetype start = kept;
    while (start > 0 && kept - start < MostContinuationBytes && start < name.size() &&
           IsContinuationByte(name[start]))
        --start;
    if (start < name.size() && StartsLongCharacter(name[start]))
        kept = start;
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temporary = name.left(kept) + '.';
    for (qsizetype i = 0; i < MarkLetters; ++i)
        temporary += Letters[QRandomGenerator::global()->bounded(int(sizeof(Letters) - 1))];
    return temporary;
}

// Writes all of bytes at offset, through interruptions and short writes; 0
// or the system's error number.
[[nodiscard]] int WriteAllAt(int descriptor, QByteArrayView bytes, qint64 offset) {
    const char* next = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::pwrite(descriptor, next, size_t(left), off_t(offset));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return done < 0 ? errno : EIO;
        next += done;
        left -= done;
        offset += done;
    }
    return 0;
}

// A disk that fills up may refuse the bytes only when they reach it.
[[nodiscard]] int Flush(int descriptor) {
    return ::fsync(descriptor) != 0 && errno != EINVAL ? errno : 0;
}

// Why a write failed, for every error the system may give a writer.
struct WriteReason {
    int errors[12];
    QStringView text;
};
const WriteReason WriteReasons[] = {
    {{ENOSPC, EDQUOT}, u"Disk je plný"},
    {{EROFS}, u"Složka je jen pro čtení"},
    {{EACCES, EPERM}, u"Chybí oprávnění k zápisu"},
    {{EFBIG, EOVERFLOW}, u"Tak velký soubor disk nepřijme"},
    {{ENOENT, ENOTDIR}, u"Složka neexistuje"},
    {{ENAMETOOLONG}, u"Jméno souboru je příliš dlouhé"},
    {{EINVAL, EILSEQ}, u"Takové jméno souboru disk nepřijme"},
    {{ELOOP}, u"Odkazy na soubor vedou v kruhu"},
    {{EISDIR, ENOTEMPTY}, u"Na místě souboru je složka"},
    {{EEXIST}, u"Nepodařilo se vytvořit dočasný soubor"},
    {{ETXTBSY, EBUSY}, u"Soubor se právě používá"},
    {{EAGAIN}, u"Soubor je zamčený jiným programem"},
    {{EMFILE, ENFILE}, u"Je otevřeno příliš mnoho souborů"},
    {{ENOMEM}, u"Nedostatek paměti"},
    {{EIO}, u"Chyba disku při zápisu"},
    {{EMLINK}, u"Ve složce je příliš mnoho položek"},
    {{ENXIO, ENODEV}, u"Disk není dostupný"},
    {{EOPNOTSUPP}, u"Disk takový zápis nepodporuje"},
    {{ESTALE, ETIMEDOUT, ENOLINK, ECOMM, ENOTCONN, ECONNRESET, ECONNABORTED, EHOSTDOWN,
      EHOSTUNREACH, ENETDOWN, ENETUNREACH, EREMOTEIO},
     u"Síťový disk neodpovídá"},
    {{EINTR}, u"Zápis byl přerušen"},
};

} // namespace

ReplacingFile::ReplacingFile(const QString& path) : m_path(path) {}

ReplacingFile::~ReplacingFile() {
    discard();
    if (m_folder >= 0)
        ::close(m_folder);
}

bool ReplacingFile::fail(int error) {
    if (m_error == 0)
        m_error = error != 0 ? error : EIO;
    discard();
    return false;
}

void ReplacingFile::discard() {
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
    if (!m_temporary.isEmpty())
        ::unlinkat(m_folder, m_temporary.constData(), 0);
    m_temporary.clear();
}

bool ReplacingFile::open(std::optional<qint64> wholeSize) {
    if (m_path.isEmpty())
        return fail(ENOENT);
    int looped = 0;
    const QByteArray target = LinkedFile(QFile::encodeName(m_path), looped);
    if (looped != 0)
        return fail(looped);
    // Everything below happens in the file's folder, so a path that is only
    // just short enough for the system still fits with a temporary name.
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(qMax(slash, qsizetype(1)));
    m_name = target.mid(slash + 1);
    m_folder = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0)
        return fail(errno);
    if (m_name.isEmpty())
        return fail(EISDIR);
    struct stat status {};
    const bool exists = ::fstatat(m_folder, m_name.constData(), &status, 0) == 0;
    if (exists && ::faccessat(m_folder, m_name.constData(), W_OK, AT_EACCESS) != 0)
        return fail(errno);
    if (openBeside()) {
        // The new file keeps the old one's permissions.
        if (exists && ::fchmod(m_descriptor, status.st_mode & 07777) != 0)
            return fail(errno);
        return true;
    }
    // Only a folder that takes no new files leaves the file to be written
    // in place; for anything else, writing in place would only risk it.
    if (m_error != EACCES || !exists || !wholeSize)
        return fail(m_error);
    m_error = 0;
    return openInPlace(status.st_size, *wholeSize);
}

bool ReplacingFile::openBeside() {
    // The folder's own limit decides how long the temporary name may be, and
    // never less than the file's own name, which the folder holds already.
    const long nameMax = ::fpathconf(m_folder, _PC_NAME_MAX);
    qsizetype length = m_name.size() + MarkLength;
    if (nameMax > 0 && length > nameMax)
        length = qMax(qsizetype(nameMax), m_name.size());
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        const QByteArray name = TemporaryName(m_name, length);
        m_descriptor = ::openat(m_folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                NewFileMode);
        if (m_descriptor >= 0) {
            m_temporary = name;
            return true;
        }
        // A folder that takes shorter names than it tells still takes the
        // file's own name.
        if (errno == ENAMETOOLONG && length > m_name.size()) {
            length = m_name.size();
            continue;
        }
        if (errno != EEXIST)
            break;
    }
    m_error = errno;
    return false;
}

bool ReplacingFile::openInPlace(qint64 oldSize, qint64 wholeSize) {
    m_descriptor = ::openat(m_folder, m_name.constData(), O_WRONLY | O_CLOEXEC);
    if (m_descriptor < 0)
        return fail(errno);
    m_inPlace = true;
    m_wholeSize = wholeSize;
    // Room for the whole new content is taken before any old byte is
    // overwritten; a disk that cannot reserve it gets the new length as
    // zeros past the old end.
    int error = 0;
    if (wholeSize > 0 && ::fallocate(m_descriptor, 0, 0, off_t(wholeSize)) != 0) {
        error = errno;
        if (error == EOPNOTSUPP || error == ENOSYS)
            error = growWithZeros(oldSize);
    }
    if (error == 0)
        return true;
    // What was taken is given back; the old bytes were never touched.
    [[maybe_unused]] const int restored = ::ftruncate(m_descriptor, off_t(oldSize));
    return fail(error);
}

int ReplacingFile::growWithZeros(qint64 oldSize) {
    const QByteArray zeros(qsizetype(qMin(ZeroPieceSize, qMax(m_wholeSize - oldSize, qint64(0)))),
                           '\0');
    for (qint64 at = oldSize; at < m_wholeSize; at += zeros.size()) {
        const qint64 piece = qMin(qint64(zeros.size()), m_wholeSize - at);
        if (const int error = WriteAllAt(m_descriptor, QByteArrayView(zeros).first(piece), at))
            return error;
    }
    return Flush(m_descriptor);
}

bool ReplacingFile::write(QByteArrayView bytes) {
    if (m_error != 0 || m_descriptor < 0)
        return fail(m_error);
    // Bytes past the room taken could overwrite old ones with no room left.
    if (m_inPlace && m_written + bytes.size() > m_wholeSize)
        return fail(EFBIG);
    if (const int error = WriteAllAt(m_descriptor, bytes, m_written))
        return fail(error);
    m_written += bytes.size();
    return true;
}

bool ReplacingFile::commit() {
    if (m_error != 0 || m_descriptor < 0)
        return fail(m_error);
    if (m_inPlace && ::ftruncate(m_descriptor, off_t(m_written)) != 0)
        return fail(errno);
    if (const int error = Flush(m_descriptor))
        return fail(error);
    const int closed = ::close(m_descriptor);
    m_descriptor = -1;
    if (closed != 0 && errno != EINTR)
        return fail(errno);
    if (m_inPlace)
        return true;
    if (::renameat(m_folder, m_temporary.constData(), m_folder, m_name.constData()) != 0)
        return fail(errno);
    m_temporary.clear();
    return true;
}

QString FileWriteReason(int error) {
    for (const WriteReason& reason : WriteReasons)
        for (const int known : reason.errors)
            if (known != 0 && known == error)
                return reason.text.toString();
    return u"Chyba systému: "_s + qt_error_string(error);
}

ProgramError FileWriteError(const QString& path, int error) {
    return FileError(FileWriteReason(error) + u", soubor nelze zapsat: "_s + path, path);
}
