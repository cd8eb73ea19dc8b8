#pragma once

#include <QString>

// The file in the program folder that holds the settings.
inline const QString SettingsFileName = QStringLiteral("tarvel.ini");

// Gathers the state the settings record mirrors (bars, window, editor look,
// autosave options) into Program().Settings and writes "tarvel.ini", after
// saving the colour rules to "default.rqc" (see SaveDefaultColorSet). A
// failed write is reported.
void SaveSettings();

// The same at the program's end, except that settings this copy has not
// changed since its start leave "tarvel.ini" as another copy wrote it since;
// where both changed them, this copy's, written later, stand. The caller
// holds the SharedFilesLock over the whole exit step.
void SaveSettingsAtExit();

// The settings and the colour rules as start-up left them: as long as they
// stay so, this copy has not changed them.
void RememberStartingSettings();
