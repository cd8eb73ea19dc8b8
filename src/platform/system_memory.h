#pragma once

#include <QtGlobal>

// The machine's physical memory in bytes; 0 when the system does not say.
[[nodiscard]] qint64 PhysicalMemoryBytes();

// The longest file a reader may take whole: its bytes and what is made of
// them (a text of two bytes a character, a converted copy) are held at once,
// so a third of the machine's memory. Unlimited when the system does not say.
[[nodiscard]] qint64 LargestFileInMemory();
