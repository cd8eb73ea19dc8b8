#pragma once

#include <QString>

// The files in the program folder that hold the settings and the colour rules.
inline const QString SettingsFileName = QStringLiteral("tarvel.ini");
inline const QString ColorRulesFileName = QStringLiteral("default.rqc");

// Gathers the state the settings record mirrors (bars, window, editor look,
// autosave options) into Program().Settings and writes "tarvel.ini", after
// saving the colour rules to "default.rqc" (which a file start-up could not
// read keeps until the rules change). A failed write is reported.
void SaveSettings();
