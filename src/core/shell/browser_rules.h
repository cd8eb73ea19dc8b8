#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

// The internal browser's texts and its address history.

// The caption before any page is shown.
inline const QString BrowserFirstCaption = QStringLiteral("HTML Testovací  browser");

// The caption once a page is shown, named by its title.
[[nodiscard]] QString BrowserCaption(const QString& pageName);

// The filter of the browser's open dialog, as "|"-separated pairs.
[[nodiscard]] QString BrowserOpenFilter();

// The address the browser is sent to for a local file: "file://" and the
// absolute path (a relative one is taken from the current folder) with the
// characters that mean something in an address ("#", "%", "?") escaped, so
// any file name reaches its own file. Empty for an empty path.
[[nodiscard]] QString BrowserFileAddress(const QString& path);

// True for the name of a web page (".html", ".htm", ".xhtml", ".shtml" in
// any case), which the desktop shows rather than runs.
[[nodiscard]] bool IsHtmlPageName(const QString& path);

// The download progress panel: progress out of progressMax in per cent,
// all significant digits, followed by "%", kept within 0 to 100; empty when
// progressMax is 0 (nothing to measure).
[[nodiscard]] QString BrowserProgressText(qint64 progress, qint64 progressMax,
                                          const QLocale& locale = QLocale());

// The date and time panels in the Czech numeric form, whatever the locale:
// "10.12.2026" and "9:05:07" on the 24-hour clock.
[[nodiscard]] QString BrowserDateText(const QDate& date);
[[nodiscard]] QString BrowserTimeText(const QTime& time);

// The history once address has been shown: its first copy (exact,
// case-sensitive) is taken out and address goes on top.
[[nodiscard]] QStringList HistoryAfterVisit(QStringList history, const QString& address);

// The animation's frames run 1 to 8 and start again.
inline constexpr int BusyFrameCount = 8;
[[nodiscard]] constexpr int NextBusyFrame(int frame) {
    return frame >= BusyFrameCount ? 1 : frame + 1;
}
