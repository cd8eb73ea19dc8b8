#include "core/files/shared_files_lock.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Far longer than any copy's exit step takes on a healthy disk.
constexpr auto LongestWait = std::chrono::seconds(3);
constexpr auto Retry = std::chrono::milliseconds(20);

// The lock file, opened without following a link and without waiting on a
// pipe someone put at its name; -1 when it is not a regular file.
int openLockFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int descriptor =
        ::open(name.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (descriptor < 0)
        return -1;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

bool lockWithin(int descriptor) {
    const auto until = std::chrono::steady_clock::now() + LongestWait;
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::sleep_for(Retry);
    }
    return true;
}

} // namespace

const QString SharedFilesLock::FileName = QStringLiteral(".tarvel_qor.lock");

SharedFilesLock::SharedFilesLock(const QString& appFolder)
    : descriptor(openLockFile(appFolder + FileName)) {
    if (descriptor >= 0 && !lockWithin(descriptor)) {
        ::close(descriptor);
        descriptor = -1;
    }
}

SharedFilesLock::~SharedFilesLock() {
    // Closing the file releases the lock; the file stays for the next exit.
    if (descriptor >= 0)
        ::close(descriptor);
}
