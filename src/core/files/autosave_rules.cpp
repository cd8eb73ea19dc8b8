#include "core/files/autosave_rules.h"

#include <QLocale>

#include <algorithm>

namespace {

constexpr int MinMinutes = 1;
constexpr int MaxMinutes = 10;
constexpr int SecondsPerMinute = 60;
constexpr int RuleLength = 20;

const QString Crlf = QStringLiteral("\r\n");

// Fixed formats: the user's locale must not change file names or headers.
[[nodiscard]] QString formatted(const QDateTime& time, const QString& format) {
    return QLocale::c().toString(time, format);
}

[[nodiscard]] QString timeText(const QDateTime& time) {
    return formatted(time, QStringLiteral("HH:mm:ss"));
}

[[nodiscard]] QString dateText(const QDateTime& time) {
    return formatted(time, QStringLiteral("MM-dd-yyyy"));
}

// The characters a file name must not hold, or that would read as an
// extension, become "_".
[[nodiscard]] QString withSeparatorsAsUnderscores(QString name) {
    for (QChar& c : name) {
        if (c == u':' || c == u'-' || c == u'/' || c == u'.')
            c = u'_';
    }
    return name;
}

} // namespace

AutosaveMode AutosaveModeFromNumber(int number) {
    switch (number) {
    case 1:
        return AutosaveMode::PlainFile;
    case 2:
        return AutosaveMode::DatedFile;
    default:
        return AutosaveMode::HeaderFile;
    }
}

int AutosaveIntervalSeconds(int minutes) {
    return std::clamp(minutes, MinMinutes, MaxMinutes) * SecondsPerMinute;
}

AutosaveStep AutosaveTick(qint32 ticks, bool on, int minutes) {
    if (!on)
        return {ticks, false};
    ++ticks;
    if (ticks < AutosaveIntervalSeconds(minutes))
        return {ticks, false};
    return {1, true};
}

QString AutosaveFileName(AutosaveMode mode, const QDateTime& time) {
    if (mode != AutosaveMode::DatedFile)
        return QStringLiteral("auto.txt");
    return withSeparatorsAsUnderscores(dateText(time) + u'_' + timeText(time)) +
           QStringLiteral(".txt");
}

QString AutosaveHeader(const QDateTime& time, const QString& filePath) {
    return QStringLiteral("Datum/Date : ") + timeText(time) + u' ' + dateText(time) + Crlf +
           QStringLiteral("Soubor/File : ") + filePath + Crlf + QString(RuleLength, u'-') + Crlf;
}

QString AutosaveContent(AutosaveMode mode, const QDateTime& time, const QString& filePath,
                        const QString& text) {
    if (mode == AutosaveMode::HeaderFile)
        return AutosaveHeader(time, filePath) + text;
    return text;
}
