#pragma once

#include <QString>

// The start-up road: shows the splash, loads the colour rules and the
// settings (or runs the first-run wizard), applies them to the main window,
// restores the documents of the last exit and obeys the command line.
// appFolder ends with "/"; arguments is the command-line text after the
// program's name.
void Main(const QString& appFolder, const QString& arguments);

// What the command line asks for, compared upper-cased as a whole.
enum class StartCommand { None, Calculator, NoMessage, Browser, OpenFile };
[[nodiscard]] StartCommand ParseStartCommand(const QString& arguments);
