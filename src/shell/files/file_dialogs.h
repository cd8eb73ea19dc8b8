#pragma once

#include <QString>

class QWidget;

// The program's open and save dialogs: filter is the "|"-separated pair text;
// they start in the folder of the current document, if it has a path.
// Each returns the chosen path, or "" when cancelled.
[[nodiscard]] QString ShowOpenDialog(const QString& filter, QWidget* owner);
[[nodiscard]] QString ShowSaveDialog(const QString& filter, QWidget* owner);

// Asks for a folder, which the program's own open and save windows then show;
// returns it, or "" when cancelled.
[[nodiscard]] QString ChooseFileDialogFolder(QWidget* owner);
