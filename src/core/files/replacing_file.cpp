#include "core/files/replacing_file.h"

#include "core/text/program_error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MostLinksFollowed = 40;
constexpr int TemporaryNameAttempts = 100;
constexpr mode_t NewFileMode = 0666;

// The file a chain of links ends at, there or not yet.
[[nodiscard]] QString LinkedFile(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < MostLinksFollowed && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

[[nodiscard]] QByteArray TemporaryName(const QByteArray& target) {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = target + '.';
    for (int i = 0; i < 6; ++i)
        name += Letters[QRandomGenerator::global()->bounded(int(sizeof(Letters) - 1))];
    return name;
}

} // namespace

ReplacingFile::ReplacingFile(const QString& path) : m_path(path) {}

ReplacingFile::~ReplacingFile() {
    discard();
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
        ::unlink(m_temporary.constData());
    m_temporary.clear();
}

bool ReplacingFile::open() {
    if (m_path.isEmpty())
        return fail(ENOENT);
    m_target = QFile::encodeName(LinkedFile(m_path));
    struct stat status {};
    const bool exists = ::stat(m_target.constData(), &status) == 0;
    if (exists && ::faccessat(AT_FDCWD, m_target.constData(), W_OK, AT_EACCESS) != 0)
        return fail(errno);
    if (openBeside()) {
        // The new file keeps the old one's permissions.
        if (exists && ::fchmod(m_descriptor, status.st_mode & 07777) != 0)
            return fail(errno);
        return true;
    }
    // Only a folder that takes no new files leaves the file to be written
    // in place; for anything else, writing in place would only risk it.
    if (m_error != EACCES || !exists)
        return fail(m_error);
    m_error = 0;
    return openInPlace();
}

bool ReplacingFile::openBeside() {
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        const QByteArray name = TemporaryName(m_target);
        m_descriptor =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode);
        if (m_descriptor >= 0) {
            m_temporary = name;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    m_error = errno;
    return false;
}

bool ReplacingFile::openInPlace() {
    m_descriptor = ::open(m_target.constData(), O_WRONLY | O_CLOEXEC);
    m_inPlace = true;
    return m_descriptor >= 0 || fail(errno);
}

bool ReplacingFile::write(QByteArrayView bytes) {
    if (m_error != 0 || m_descriptor < 0)
        return fail(m_error);
    // The room is taken before the old bytes are overwritten.
    if (m_inPlace && !bytes.isEmpty() &&
        ::fallocate(m_descriptor, 0, m_written, bytes.size()) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS)
        return fail(errno);
    const char* next = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(m_descriptor, next, size_t(left));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return fail(done < 0 ? errno : EIO);
        next += done;
        left -= done;
        m_written += done;
    }
    return true;
}

bool ReplacingFile::commit() {
    if (m_error != 0 || m_descriptor < 0)
        return fail(m_error);
    if (m_inPlace && ::ftruncate(m_descriptor, m_written) != 0)
        return fail(errno);
    // A disk that fills up may refuse the bytes only when they reach it.
    if (::fsync(m_descriptor) != 0 && errno != EINVAL)
        return fail(errno);
    const int closed = ::close(m_descriptor);
    m_descriptor = -1;
    if (closed != 0 && errno != EINTR)
        return fail(errno);
    if (m_inPlace)
        return true;
    if (::rename(m_temporary.constData(), m_target.constData()) != 0)
        return fail(errno);
    m_temporary.clear();
    return true;
}

QString FileWriteReason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return u"Disk je plný"_s;
    case EROFS:
        return u"Složka je jen pro čtení"_s;
    case EACCES:
    case EPERM:
        return u"Chybí oprávnění k zápisu"_s;
    case EFBIG:
        return u"Tak velký soubor disk nepřijme"_s;
    case ENOENT:
    case ENOTDIR:
        return u"Složka neexistuje"_s;
    default:
        return qt_error_string(error);
    }
}

ProgramError FileWriteError(const QString& path, int error) {
    return FileError(FileWriteReason(error) + u", soubor nelze zapsat: "_s + path, path);
}
