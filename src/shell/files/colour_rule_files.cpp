#include "shell/files/colour_rule_files.h"

#include "core/files/file_io.h"
#include "core/text/program_error.h"
#include "platform/system_memory.h"
#include "shell/files/file_dialogs.h"
#include "shell/shared_procedures.h"

#include <new>

namespace {

// The classic number of a read that runs past the end of a file.
constexpr int InputPastEndErrorNumber = 62;

} // namespace

bool SaveColorSet(ColorRuleSet& set, const QString& path) {
    if (path.isEmpty())
        return false;
    const QString target = ColorSetPath(path);
    try {
        WriteFileAtomically(target, EncodeColorRuleSet(set));
    } catch (const ProgramError& error) {
        ReportError(error);
        return false;
    }
    set.FilePath = target;
    return true;
}

bool LoadColorSet(ColorRuleSet& set, const QString& path, QWidget* owner) {
    const QString source = path.isEmpty() ? ShowOpenDialog(ColorSetFilter, owner) : path;
    // A file that is not there changes nothing, silently.
    if (CheckRegularFile(source) == FileReadFailure::Missing)
        return false;
    std::optional<ColorRuleSet> loaded;
    FileRead read = ReadRegularFile(source, LargestFileInMemory());
    try {
        if (read.failure == FileReadFailure::None)
            loaded = DecodeColorRuleSet(read.bytes);
    } catch (const std::bad_alloc&) {
        read.failure = FileReadFailure::NoMemory;
    }
    if (read.failure != FileReadFailure::None) {
        ReportError(FileReadError(source, read));
        return false;
    }
    if (!loaded) {
        ReportError(ProgramError(
            InputPastEndErrorNumber,
            QStringLiteral("Soubor je kratší než jeden záznam definice barev."), source));
        return false;
    }
    loaded->FilePath = source;
    set = std::move(*loaded);
    return true;
}
