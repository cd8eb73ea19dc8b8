#include "core/files/file_information.h"

#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/text/ansi_code_page.h"
#include "core/text/program_error.h"

namespace {

[[nodiscard]] ProgramError missingFile(const QString& path) {
    return ProgramError(FileNotFoundErrorNumber, QStringLiteral("Soubor %1 nenalezen").arg(path),
                        path);
}

void requireFile(const QFileInfo& file) {
    if (!file.exists())
        throw missingFile(file.filePath());
}

// The file's extension in capitals; "" when its name has no dot.
QString typeOf(const QFileInfo& file) {
    return GetPathPart(file.filePath(), 3).toUpper();
}

} // namespace

QString FilePreviewText(const QString& path, const QLocale& locale) {
    // Never more than the preview can show, should the file grow while read.
    const FileRead read = ReadRegularFile(path, PreviewLimit - 1);
    switch (read.failure) {
    case FileReadFailure::None:
        return DecodeAnsi(read.bytes);
    case FileReadFailure::TooLarge:
        return PreviewRefusal(QFileInfo(path).fileName(), qMax(read.size, PreviewLimit), locale);
    case FileReadFailure::Missing:
        throw missingFile(path);
    case FileReadFailure::NotRegular:
    case FileReadFailure::Unreadable:
    case FileReadFailure::NoMemory:
        break;
    }
    throw FileError(QStringLiteral("Soubor %1 nelze přečíst: %2").arg(path, FileReadReason(read)),
                    path);
}

QString PreviewRefusal(const QString& fileName, qint64 length, const QLocale& locale) {
    return QStringLiteral("Není:\r\n(Pro náhled nelze otevřít soubor delší než %1, soubor %2 má "
                          "délku %3)")
        .arg(FormatFileSize(PreviewLimit, locale), fileName, FormatFileSize(length, locale));
}

FileInformation FileInformationOf(const QFileInfo& file, const QLocale& locale) {
    requireFile(file);
    FileInformation information;
    information.type = typeOf(file);
    information.size = FormatFileSize(file.size(), locale);
    information.attributes.readOnly = !file.isWritable();
    information.attributes.hidden = file.fileName().startsWith(u'.');
    information.attributes.system = !file.isFile();
    information.modified = FileDateTimeText(file.lastModified(), locale);
    return information;
}

QString FileDateTimeText(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           when.time().toString(QStringLiteral("HH:mm:ss"));
}

QString PermissionText(QFileDevice::Permissions permissions) {
    struct Bit {
        QFileDevice::Permission permission;
        char16_t letter;
    };
    static constexpr Bit Bits[] = {
        {QFileDevice::ReadOwner, u'r'},  {QFileDevice::WriteOwner, u'w'},
        {QFileDevice::ExeOwner, u'x'},   {QFileDevice::ReadGroup, u'r'},
        {QFileDevice::WriteGroup, u'w'}, {QFileDevice::ExeGroup, u'x'},
        {QFileDevice::ReadOther, u'r'},  {QFileDevice::WriteOther, u'w'},
        {QFileDevice::ExeOther, u'x'},
    };
    QString text;
    for (const Bit& bit : Bits)
        text += permissions.testFlag(bit.permission) ? QChar(bit.letter) : QChar(u'-');
    return text;
}

QList<FilePropertyRow> FilePropertyRows(const QFileInfo& file, const QLocale& locale) {
    requireFile(file);
    const QString type = typeOf(file);
    const QString owner = file.owner().isEmpty() ? QString::number(file.ownerId()) : file.owner();
    const QString group = file.group().isEmpty() ? QString::number(file.groupId()) : file.group();
    return {
        {QStringLiteral("Název:"), file.fileName()},
        {QStringLiteral("Umístění:"), file.absolutePath()},
        {QStringLiteral("Typ:"), type.isEmpty() ? QStringLiteral("soubor") : type},
        {QStringLiteral("Velikost:"),
         QStringLiteral("%1 (%2 bajtů)").arg(FormatFileSize(file.size(), locale)).arg(file.size())},
        {QStringLiteral("Vlastník:"), owner + u':' + group},
        {QStringLiteral("Práva:"), PermissionText(file.permissions())},
        {QStringLiteral("Změněno:"), FileDateTimeText(file.lastModified(), locale)},
        {QStringLiteral("Otevřeno:"), FileDateTimeText(file.lastRead(), locale)},
    };
}
