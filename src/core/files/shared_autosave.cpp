#include "core/files/shared_autosave.h"

#include <QCryptographicHash>

FileContent FileContent::Of(const QByteArray& bytes) {
    return {Kind::Bytes, bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

FileContent FileContent::Unread() {
    return {Kind::Unreadable, 0, {}};
}

ExitAutosavePlan PlanExitAutosave(const AutosaveMemory& memory, const FileContent& onDisk,
                                  const FileContent& text) {
    // A missing file holds nobody's text.
    if (onDisk.kind == FileContent::Kind::Missing || onDisk == memory.seen)
        return {ExitAutosaveStep::Write, {text, text}};
    if (onDisk == text)
        return {ExitAutosaveStep::Leave, {text, text}};
    // The file stays another copy's; what this copy saw of it stays the
    // same, so a later change here is still set beside it, not over it.
    if (text == memory.kept)
        return {ExitAutosaveStep::Leave, memory};
    return {ExitAutosaveStep::KeepAside, {memory.seen, text}};
}
