#include "shell/colour_rule_files.h"

#include "core/program_error.h"
#include "shell/file_dialogs.h"
#include "shell/shared_procedures.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The classic number of a read that runs past the end of a file.
constexpr int InputPastEndErrorNumber = 62;

[[nodiscard]] bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    ReportError(FileError(file.errorString(), path));
    return false;
}

// The whole file, or nothing when it cannot be opened (a missing file, a
// folder, no access) or the read fails; only the failed read is reported.
[[nodiscard]] std::optional<QByteArray> ReadWhole(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ReportError(FileError(file.errorString(), path));
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool SaveColorSet(ColorRuleSet& set, const QString& path) {
    if (path.isEmpty())
        return false;
    const QString target = ColorSetPath(path);
    if (!WriteWhole(target, EncodeColorRuleSet(set)))
        return false;
    set.FilePath = target;
    return true;
}

bool LoadColorSet(ColorRuleSet& set, const QString& path, QWidget* owner) {
    const QString source = path.isEmpty() ? ShowOpenDialog(ColorSetFilter, owner) : path;
    const std::optional<QByteArray> bytes = ReadWhole(source);
    if (!bytes)
        return false;
    std::optional<ColorRuleSet> loaded = DecodeColorRuleSet(*bytes);
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
