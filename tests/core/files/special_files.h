#pragma once

// Files and folders for the readers and writers of files to meet. Paths that
// look like files but have no end, for the readers of files the user names: a named pipe, and a
// link to a character device. A reader that opened the pipe would wait for a writer for ever; so
// while a test gives it one, a watchdog frees any reader still waiting after far longer than a read
// ever takes, and fails the test instead of letting it hang.

#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

enum class SpecialFile { Pipe, Device, Folder };

[[nodiscard]] inline const char* NameOf(SpecialFile kind) {
    return kind == SpecialFile::Pipe ? "pipe" : kind == SpecialFile::Device ? "device" : "folder";
}

// Makes path a named pipe, a link to /dev/null or a folder. The link keeps
// anything a faulty writer might put beside its target out of /dev.
[[nodiscard]] inline bool MakeSpecialFile(const QString& path, SpecialFile kind) {
    const QByteArray name = QFile::encodeName(path);
    return kind == SpecialFile::Pipe     ? ::mkfifo(name.constData(), 0600) == 0
           : kind == SpecialFile::Device ? ::symlink("/dev/null", name.constData()) == 0
                                         : ::mkdir(name.constData(), 0700) == 0;
}

// Makes path a file of size bytes that begins with start; the rest is a hole
// left by ftruncate, so even gigabytes take no room on disk.
[[nodiscard]] inline bool MakeSparseFile(const QString& path, qint64 size,
                                         const QByteArray& start = {}) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(start) == start.size() &&
           file.resize(size);
}

// Points the system temporary folder somewhere else for one test.
class TempFolderOverride {
public:
    explicit TempFolderOverride(const QString& folder)
        : m_had(qEnvironmentVariableIsSet("TMPDIR")), m_old(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", QFile::encodeName(folder));
    }
    ~TempFolderOverride() {
        if (m_had)
            qputenv("TMPDIR", m_old);
        else
            qunsetenv("TMPDIR");
    }
    TempFolderOverride(const TempFolderOverride&) = delete;
    TempFolderOverride& operator=(const TempFolderOverride&) = delete;

private:
    bool m_had;
    QByteArray m_old;
};

// Whether path is still the special file it was made as.
[[nodiscard]] inline bool IsStillSpecial(const QString& path, SpecialFile kind) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return kind == SpecialFile::Pipe     ? S_ISFIFO(status.st_mode)
           : kind == SpecialFile::Device ? S_ISCHR(status.st_mode)
                                         : S_ISDIR(status.st_mode);
}

// While it lives, a reader waiting on the pipe at path is freed: the
// watchdog opens the pipe's other end and closes it again, so the reader
// sees a pipe that ends. Freeing anyone fails the test.
class PipeWatchdog {
public:
    explicit PipeWatchdog(const QString& path)
        : m_name(QFile::encodeName(path).toStdString()), m_thread([this] { watch(); }) {}
    ~PipeWatchdog() {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    PipeWatchdog(const PipeWatchdog&) = delete;
    PipeWatchdog& operator=(const PipeWatchdog&) = delete;

private:
    void watch() {
        using namespace std::chrono_literals;
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, 5s, [this] { return m_done; }))
            return;
        ADD_FAILURE() << "a reader waited on the pipe " << m_name
                      << "; it was freed so that the test could end";
        // Again and again: the reader may open the pipe more than once.
        while (!m_wake.wait_for(lock, 50ms, [this] { return m_done; })) {
            const int end = ::open(m_name.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (end >= 0)
                ::close(end);
        }
    }

    std::string m_name;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

// Runs action on path, under a watchdog when path is a pipe.
template <class Action>
void RunGuarded(const QString& path, SpecialFile kind, const Action& action) {
    if (kind == SpecialFile::Pipe) {
        const PipeWatchdog watchdog(path);
        action();
    } else {
        action();
    }
}
