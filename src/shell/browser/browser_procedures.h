#pragma once

#include <QByteArray>
#include <QString>

// Shows a page in the internal browser, which is made on first use and
// shown above the main window; an empty path or address does nothing, and a
// path naming a folder, pipe, device or a file longer than LargestReadFile is
// reported instead of shown.
void ShowFileInBrowser(const QString& path);
void ShowUrlInBrowser(const QString& url);

// False, the reason told, when path names something that is not a regular
// file or a file longer than LargestReadFile (under title); a missing file is
// left to the browser's own page.
[[nodiscard]] bool BrowserMayShowFile(const QString& path,
                                      const QString& title = QStringLiteral("Interní browser"));

// Shows the browser as the program's only window.
void ShowBrowserAlone();

// Who reads a temporary file: this program alone (its own browser), which
// removes it when it ends, or a program of the desktop, which may read or
// reload it after that, so it stays in the temporary folder.
enum class TempFileReader { ThisProgram, Desktop };

// A fresh temporary file with the extension, holding bytes, for a browser
// to show; "" (the failure reported) when it cannot be written, so no
// preview shows a page that is not there.
[[nodiscard]] QString WriteTempFile(const QString& extension, const QByteArray& bytes,
                                    TempFileReader reader = TempFileReader::ThisProgram);
