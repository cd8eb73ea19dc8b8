#pragma once

class MainMenu;

// Wires the menu entries (and through them their toolbar buttons) that open
// the HTML dialogs.
void ConnectHtmlCommands(MainMenu& menu);
