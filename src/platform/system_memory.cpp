#include "platform/system_memory.h"

#include "core/files/file_io.h"

#include <unistd.h>

qint64 PhysicalMemoryBytes() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return static_cast<qint64>(pages) * pageSize;
}

qint64 LargestFileInMemory() {
    const qint64 memory = PhysicalMemoryBytes();
    return memory == 0 ? AnyFileSize : memory / 3;
}
