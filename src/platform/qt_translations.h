#pragma once

class QCoreApplication;
class QTranslator;

// Loads Qt's own Czech catalogue into application, so the standard file
// dialogs, message boxes and button boxes speak Czech like the rest of the
// program. Returns the installed translator, owned by application; nullptr
// (and English standard texts) when the catalogue is not installed.
QTranslator* InstallCzechQtTranslations(QCoreApplication& application);
