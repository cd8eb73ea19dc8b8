#pragma once

#include <algorithm>
#include <csignal>

#include <sys/resource.h>

// While it lives, a write that would make a file of this process longer than
// limit bytes fails with EFBIG, as a full disk refuses it. The signal that
// would end the process stays ignored afterwards, as the program ignores it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        const rlimit lowered{std::min(limit, m_old.rlim_max), m_old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
};
