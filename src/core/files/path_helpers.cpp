#include "core/files/path_helpers.h"

#include "core/files/file_io.h"
#include "core/text/program_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace {

// Where the folder of a path ends: just past its last "/", or the whole
// text when it holds none.
[[nodiscard]] qsizetype FolderLength(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash >= 0 ? slash + 1 : path.size();
}

// The length of the leading run two texts share, cut back to its last "/".
[[nodiscard]] qsizetype CommonFolderLength(const QString& a, const QString& b) {
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype same = 0;
    while (same < limit && a[same] == b[same])
        ++same;
    return a.left(same).lastIndexOf(u'/') + 1;
}

// A size unit above bytes: the power of two it stands for, the decimals it
// is shown with and its name.
struct SizeUnit {
    int shift;
    int decimals;
    const char16_t* name;
};

[[nodiscard]] SizeUnit UnitFor(qint64 bytes) {
    if (bytes < (qint64(1) << 20))
        return {10, 2, u"Kb"};
    if (bytes < (qint64(1) << 30))
        return {20, 1, u"Mb"};
    return {30, 2, u"Gb"};
}

// bytes / 2^shift in units of 10^-decimals, rounded half to even. Works in
// integers, so the halves are exact and sizes of any qint64 fit.
[[nodiscard]] qint64 ScaledSize(qint64 bytes, const SizeUnit& unit) {
    const qint64 factor = unit.decimals == 1 ? 10 : 100;
    const qint64 mask = (qint64(1) << unit.shift) - 1;
    const qint64 fraction = (bytes & mask) * factor;
    qint64 scaled = (bytes >> unit.shift) * factor + (fraction >> unit.shift);
    const qint64 rest = fraction & mask;
    const qint64 half = qint64(1) << (unit.shift - 1);
    if (rest > half || (rest == half && (scaled & 1) != 0))
        ++scaled;
    return scaled;
}

} // namespace

QString GetPathPart(const QString& path, int part) {
    const qsizetype folder = FolderLength(path);
    const qsizetype dot = path.indexOf(u'.', std::max<qsizetype>(folder - 1, 0));
    switch (part) {
    case 1:
        return path.left(folder);
    case 2:
        return dot < 0 ? path.mid(folder) : path.mid(folder, std::max<qsizetype>(dot - folder, 0));
    case 3:
        return dot < 0 ? QString() : path.mid(dot + 1);
    default:
        return QString();
    }
}

QString MakeRelativePath(const QString& documentPath, const QString& targetPath,
                         const QString& appFolder) {
    const QString base = documentPath.isEmpty() ? appFolder : documentPath;
    const QString baseFolder = GetPathPart(base, 1);
    const qsizetype common = CommonFolderLength(baseFolder, GetPathPart(targetPath, 1));
    const qsizetype ups = baseFolder.mid(common).count(u'/');
    if (targetPath.startsWith(u'/') && common <= 1 && ups > 0)
        return targetPath;
    return QStringLiteral("../").repeated(ups) + targetPath.mid(common);
}

QString PathToFileUrl(const QString& path) {
    const bool relative = !path.isEmpty() && !path.startsWith(u'/');
    return QStringLiteral("file://") + (relative ? QDir::current().absoluteFilePath(path) : path);
}

QString AbsolutePath(const QString& path, const QString& currentFolder) {
    if (path.isEmpty() || path.startsWith(u'/'))
        return path;
    return QDir::cleanPath(currentFolder + u'/' + path);
}

QString FormatFileSize(qint64 bytes, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    if (bytes < 1024)
        return plain.toString(bytes) + u'b';
    const SizeUnit unit = UnitFor(bytes);
    const double value = double(ScaledSize(bytes, unit)) / (unit.decimals == 1 ? 10.0 : 100.0);
    // The shortest form of an exact hundredth is that hundredth without
    // trailing zeros.
    return plain.toString(value, 'f', QLocale::FloatingPointShortest) +
           QString::fromUtf16(unit.name);
}

bool FileExists(const QString& path) {
    const QString file = path.endsWith(u'/') ? path.chopped(1) : path;
    QFile reader;
    return OpenRegularFile(reader, file) == FileReadFailure::None;
}

QString MakeTempFileName(const QString& extension) {
    // The reserved file keeps the unique part ours while we check that the
    // name with the extension is free; it is removed on return, as the caller
    // only wants the name. Qt reports a missing temporary folder as "".
    const QString folder = QDir::tempPath();
    constexpr int attempts = 100;
    for (int i = 0; i < attempts && !folder.isEmpty(); ++i) {
        QTemporaryFile reserved(folder + QStringLiteral("/tvqXXXXXX"));
        if (!reserved.open())
            break;
        const QString candidate = reserved.fileName() + u'.' + extension;
        const QFileInfo info(candidate);
        if (!info.exists() && !info.isSymLink())
            return candidate;
    }
    throw FileError(QStringLiteral("Nelze vytvořit dočasný soubor v ") + folder,
                    QStringLiteral("MakeTempFileName"));
}

QString CutAtNull(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}
