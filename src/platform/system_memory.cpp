#include "platform/system_memory.h"

#include <unistd.h>

qint64 PhysicalMemoryBytes() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return static_cast<qint64>(pages) * pageSize;
}
