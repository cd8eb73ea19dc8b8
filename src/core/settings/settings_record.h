#pragma once

#include "core/colour/colour_value.h"

#include <QString>
#include <array>

// The editor font of a first run, and of a record that names none.
inline const QString FirstRunFontName = QStringLiteral("Courier New CE");

// The user's persistent options, stored whole in "tarvel.ini". Field order is
// the file order.
struct SettingsRecord {
    qint32 WindowWidth = 0;  // twips
    qint32 WindowHeight = 0; // twips
    qint32 WindowTop = 0;    // twips
    qint32 WindowLeft = 0;   // twips
    bool OnTop = false;
    QString EditorFontName;
    ColorValue EditorTextColor = 0;
    ColorValue EditorBackColor = 0;
    quint8 EditorFontSize = 0; // points
    bool EditorBold = false;
    bool EditorItalic = false;
    QString UserName;
    QString UserEmail;
    bool ShowStartScreen = false;
    qint32 SnapDistance = 0; // twips
    QString LockPassword;
    std::array<QString, 10> RecentFiles; // index 0 is the newest
    qint32 MainWindowState = 0;          // 0 normal, 1 minimised, 2 maximised
    QString SavedAt;                     // mm-dd-yyyy hh:mm:ss
    QString SavedVersion;
    bool ShowToolbar = false;
    bool ShowStatusBar = false;
    bool ShowFileTabs = false;
    bool AutosaveOn = false;
    qint32 AutosaveMinutes = 0;
    qint32 AutosaveMode = 0; // 0 auto.txt with header, 1 auto.txt text only, 2 dated file

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};
