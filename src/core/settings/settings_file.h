#pragma once

#include "core/settings/settings_record.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The record as stored in "tarvel.ini": the fields one after the other in
// record order, little-endian, no header. A Long is 4 bytes, a Boolean a
// 16-bit -1 or 0, the Byte 1 byte, a String a 16-bit unsigned length followed
// by that many Windows-1250 bytes. With all strings empty it is 89 bytes.
// A string longer than 65535 bytes is cut to 65535.
[[nodiscard]] QByteArray EncodeSettings(const SettingsRecord& settings);

// Reads the record from the first byte. A field that is not there whole, and
// every field after it, keeps its value from `defaults`; bytes after the
// record are ignored. Any non-zero Boolean reads as true. Values are kept as
// stored: SettingsInRange brings them into the range the program can use.
[[nodiscard]] SettingsRecord DecodeSettings(const QByteArray& bytes,
                                            const SettingsRecord& defaults);

// The longest record the file can hold, every string at 65535 bytes: the
// most a reader ever needs of the file.
[[nodiscard]] qint64 LongestSettingsFile();

// The record of a first run, before the wizard fills in the user's name and
// e-mail. The window size is half the screen, in twips.
[[nodiscard]] SettingsRecord FirstRunSettings(qint32 windowWidth, qint32 windowHeight,
                                              const QString& appVersion);

// The time of a save as stored in SavedAt: "mm-dd-yyyy hh:mm:ss", 24-hour.
[[nodiscard]] QString SavedAtText(const QDateTime& time);

// True when the settings were last saved by another version (exact,
// case-sensitive comparison).
[[nodiscard]] bool VersionChanged(const SettingsRecord& settings, const QString& appVersion);

// The message telling the user that the version changed since the last save.
[[nodiscard]] QString VersionNoticeText(const SettingsRecord& settings, const QString& appVersion);
