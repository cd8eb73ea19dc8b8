#include "shell/files/colour_rule_files.h"

#include "core/files/file_io.h"
#include "core/text/program_error.h"
#include "shell/ProgramState.h"
#include "shell/files/file_dialogs.h"
#include "shell/files/shared_files.h"
#include "shell/shared_procedures.h"

#include <QFileInfo>

#include <new>

namespace {

// The classic number of a read that runs past the end of a file.
constexpr int InputPastEndErrorNumber = 62;

// A pipe, device or socket: there, but neither a file nor a folder.
[[nodiscard]] bool IsSpecialFile(const QString& path, FileReadFailure checked) {
    return checked == FileReadFailure::NotRegular && !QFileInfo(path).isDir();
}

[[nodiscard]] ProgramError TooLargeError(const QString& path, qint64 size) {
    return FileError(QStringLiteral("Soubor je příliš velký na definici barev: %1 bajtů, "
                                    "definice barev má nejvýš %2 bajtů (%3 pravidel).")
                         .arg(size)
                         .arg(LongestColorRuleSetFile)
                         .arg(LargestColorRuleCount),
                     path);
}

[[nodiscard]] ProgramError ShortFileError(const QString& path) {
    return ProgramError(InputPastEndErrorNumber,
                        QStringLiteral("Soubor je kratší než jeden záznam definice barev."), path);
}

// What reading a rule-set file gave.
struct ColorSetRead {
    std::optional<ColorRuleSet> set;
    // Why what is at the path gave no set; none for a missing file and a
    // folder.
    std::optional<ProgramError> error;
    // Something is at the path: a missing file and a cancelled dialog leave
    // it false.
    bool present = false;
    // It is a pipe or a device.
    bool special = false;
};

// Reads the set at path. A folder is passed over like a missing file, as it
// holds no set; a pipe or device is never opened. A file longer than the
// longest set is refused before any of it is read.
[[nodiscard]] ColorSetRead ReadColorSet(const QString& path) {
    ColorSetRead result;
    const FileReadFailure checked = CheckRegularFile(path);
    result.present = checked != FileReadFailure::Missing;
    result.special = IsSpecialFile(path, checked);
    if (result.special)
        result.error = NotRegularFileError(path);
    if (checked != FileReadFailure::None)
        return result;
    const FileRead read = ReadRegularFile(path, LongestColorRuleSetFile);
    if (read.failure == FileReadFailure::TooLarge) {
        result.error = TooLargeError(path, read.size);
        return result;
    }
    if (read.failure != FileReadFailure::None) {
        result.error = FileReadError(path, read);
        return result;
    }
    try {
        result.set = DecodeColorRuleSet(read.bytes);
        if (result.set)
            result.set->FilePath = path;
        else
            result.error = ShortFileError(path);
    } catch (const std::bad_alloc&) {
        FileRead noMemory;
        noMemory.failure = FileReadFailure::NoMemory;
        result.set.reset();
        result.error = FileReadError(path, noMemory);
    }
    return result;
}

[[nodiscard]] bool IsDefaultColorSetFile(const QString& path) {
    return QFileInfo(path) == QFileInfo(Program().AppFolder + ColorRulesFileName);
}

} // namespace

bool SaveColorSet(ColorRuleSet& set, const QString& path) {
    if (path.isEmpty())
        return false;
    const QString target = ColorSetPath(path);
    const QByteArray bytes = EncodeColorRuleSet(set);
    try {
        WriteFileAtomically(target, bytes);
    } catch (const ProgramError& error) {
        ReportError(error);
        return false;
    }
    set.FilePath = target;
    // Saved by the user's hand: the exit counts it as this copy's own.
    if (IsDefaultColorSetFile(target))
        Program().ColorRulesFile = {FileContent::Of(bytes), FileContent::Of(bytes)};
    return true;
}

bool LoadColorSet(ColorRuleSet& set, const QString& path, QWidget* owner) {
    const QString source = path.isEmpty() ? ShowOpenDialog(ColorSetFilter, owner) : path;
    ColorSetRead read = ReadColorSet(source);
    if (read.error) {
        ReportError(*read.error);
        return false;
    }
    if (!read.set)
        return false;
    set = std::move(*read.set);
    return true;
}

void LoadDefaultColorSet(const QString& path) {
    ProgramState& program = Program();
    ColorSetRead read = ReadColorSet(path);
    program.ColorRulesFile.seen = SharedFileContent(path, LongestColorRuleSetFile);
    if (read.set) {
        program.ColorRules = std::move(*read.set);
        return;
    }
    if (!read.present)
        return;
    // A file too long or unreadable may still hold the user's rules: it
    // stays as it is until the user makes a set of their own. Start-up
    // passes a pipe or device by in silence, as it does a folder.
    program.DefaultColorRulesUnread = program.ColorRules;
    if (read.error && !read.special)
        ReportError(*read.error,
                    QStringLiteral("Soubor zůstane beze změny, dokud sadu barev nezměníte."));
}

void SaveDefaultColorSet(const QString& path) {
    ProgramState& program = Program();
    if (program.DefaultColorRulesUnread == program.ColorRules)
        return;
    try {
        const QString keptAside = WriteSharedFile(path, EncodeColorRuleSet(program.ColorRules),
                                                  program.ColorRulesFile, QStringLiteral(".rqc"));
        program.DefaultColorRulesUnread.reset();
        if (keptAside.isEmpty())
            program.ColorRules.FilePath = path;
        else
            NoteKeptAside(program.AppFolder, {QStringLiteral("Sada barev: ") + keptAside});
    } catch (const ProgramError& error) {
        ReportError(error);
    }
}

void RememberStartingColorSet() {
    Program().ColorRulesFile.kept = FileContent::Of(EncodeColorRuleSet(Program().ColorRules));
}
