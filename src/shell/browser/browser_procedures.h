#pragma once

#include <QString>

// Shows a page in the internal browser, which is made on first use and
// shown above the main window; an empty path or address does nothing.
void ShowFileInBrowser(const QString& path);
void ShowUrlInBrowser(const QString& url);

// Shows the browser as the program's only window.
void ShowBrowserAlone();
