#pragma once

#include <QDateTime>
#include <QString>

// The timed autosave: a one-second tick counts towards the interval, and the
// save writes the current document into the program folder in one of three
// file-naming modes.

// How a timed save names its file.
enum class AutosaveMode {
    HeaderFile = 0, // "auto.txt", overwritten, with a header before the text
    PlainFile = 1,  // "auto.txt", overwritten, the text alone
    DatedFile = 2,  // a new file named by the date and time, the text alone
};

// The mode of a stored mode number; an unknown number is the header file, as
// the settings dialog shows it.
[[nodiscard]] AutosaveMode AutosaveModeFromNumber(int number);

// The interval in seconds for a number of minutes, kept within the settings
// dialog's 1 to 10 minutes.
[[nodiscard]] int AutosaveIntervalSeconds(int minutes);

// The counter after one tick, and whether this tick saves.
struct AutosaveStep {
    qint32 ticks = 0;
    bool save = false;
};

// One tick. While autosave is off the counter stands still, so switching on
// again resumes the count. A save restarts the counter at 1, not 0: the first
// save comes after interval ticks, every later one a tick sooner.
[[nodiscard]] AutosaveStep AutosaveTick(qint32 ticks, bool on, int minutes);

// The file name of a save at time, without folder: "auto.txt" or, for the
// dated file, "MM_dd_yyyy_HH_mm_ss.txt".
[[nodiscard]] QString AutosaveFileName(AutosaveMode mode, const QDateTime& time);

// The header file's lines before the text: the time and date, the document's
// path (empty while untitled) and a rule, each ending with CR LF.
[[nodiscard]] QString AutosaveHeader(const QDateTime& time, const QString& filePath);

// The whole text written by a save: the header (header file only), then the
// document's text, with no line end added.
[[nodiscard]] QString AutosaveContent(AutosaveMode mode, const QDateTime& time,
                                      const QString& filePath, const QString& text);
