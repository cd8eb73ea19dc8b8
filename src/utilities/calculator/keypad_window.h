#pragma once

#include <QString>

class QDialog;
class QLineEdit;
class QWidget;

// What the calculator and the converter share: a tool window named and
// titled, and number boxes that only the window's keys change.

// Names and titles the window, without a help button, its title kept whole.
void SetUpKeypadWindow(QDialog& window, const QString& name, const QString& title);

// A right-aligned box locked against typing and pasting, showing text.
[[nodiscard]] QLineEdit* MakeKeypadBox(QWidget* parent, const QString& name, const QString& text);
