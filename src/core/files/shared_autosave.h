#pragma once

#include <QByteArray>

// Copies of the program started in one folder share its exit-autosave files:
// each restores them at its start and writes them at its exit. A copy
// remembers what it last saw in each file, so that at its exit it can tell
// whether another copy has written the file since, and never writes over
// that copy's text.

// What a file held, as far as a copy can tell: nothing, something it could
// not read, or bytes, known by their length and digest.
struct FileContent {
    enum class Kind { Missing, Unreadable, Bytes };
    Kind kind = Kind::Missing;
    qint64 size = 0;
    QByteArray digest;

    [[nodiscard]] static FileContent Of(const QByteArray& bytes);
    [[nodiscard]] static FileContent Unread();
    bool operator==(const FileContent&) const = default;
};

// What a copy knows of one tab's exit-autosave file.
struct AutosaveMemory {
    // The file as this copy last read or wrote it.
    FileContent seen;
    // The tab's text, in the file's bytes, as this copy last made it safe:
    // as the tab started, or as last written or kept aside. A text still
    // the same counts as unchanged by this copy.
    FileContent kept;
};

enum class ExitAutosaveStep {
    // Nobody else wrote the file since this copy saw it: this copy's text
    // replaces it.
    Write,
    // Another copy wrote it, and this copy either holds the same text or
    // did not change its own: the file stays as it is.
    Leave,
    // Both changed it: this copy's text goes to a free name beside the file.
    KeepAside,
};

struct ExitAutosavePlan {
    ExitAutosaveStep step = ExitAutosaveStep::Write;
    // The memory once the step is done; a step that failed keeps the old one.
    AutosaveMemory after;
};

// The step for a tab whose file now holds onDisk and whose text is text.
[[nodiscard]] ExitAutosavePlan PlanExitAutosave(const AutosaveMemory& memory,
                                                const FileContent& onDisk, const FileContent& text);
