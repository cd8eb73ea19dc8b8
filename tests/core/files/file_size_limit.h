#pragma once

#include <algorithm>

#include <signal.h>
#include <sys/resource.h>

// While it lives, a write that would make any file of this process longer
// than limit bytes fails with EFBIG, as a disk without room refuses it,
// instead of the signal that would end the process. Needs no root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &m_signal);
        ::getrlimit(RLIMIT_FSIZE, &m_limit);
        const struct rlimit lowered { std::min(limit, m_limit.rlim_max), m_limit.rlim_max };
        m_set = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_limit);
        ::sigaction(SIGXFSZ, &m_signal, nullptr);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    [[nodiscard]] bool set() const { return m_set; }

private:
    struct rlimit m_limit {};
    struct sigaction m_signal {};
    bool m_set = false;
};
