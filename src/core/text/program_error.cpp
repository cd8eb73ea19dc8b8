#include "core/text/program_error.h"

#include <QStringList>

ProgramError FileError(const QString& description, const QString& source) {
    return ProgramError(FileAccessErrorNumber, description, source);
}

QString ErrorReportText(const ProgramError& error, const QString& extra) {
    const QStringList lines = {
        QStringLiteral("Vyskytla se chyba:"),
        QStringLiteral("Kód: ") + QString::number(error.number),
        QStringLiteral("Popis: ") + error.description,
        QStringLiteral("Zdroj: ") + error.source,
        QString(),
        QStringLiteral("Akce byla přerušena."),
        extra,
    };
    return lines.join(QStringLiteral("\r\n"));
}
