#pragma once

class CommandRegistry;

// Registers the HTML menu's commands that work on the text directly: the
// wave, the listing, the PHP script, the comment, the two headings, the
// custom tag again (Ctrl+W) and the colour edit in place (Ctrl+Y).
void RegisterHtmlMenuCommands(CommandRegistry& commands);

// Ctrl+Y: the colour value the caret stands in goes through the colour
// picker; elsewhere the user is told there is no colour.
void EditColourInPlace();
