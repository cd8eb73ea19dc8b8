#pragma once

class MainForm;
class MainMenu;
class Toolbar;

// Connects the menu entries and toolbar buttons whose work the program has to
// that work; the rest stay disabled until their windows exist.
void ConnectMainFormCommands(MainForm& form, MainMenu& menu, Toolbar& toolbar);
