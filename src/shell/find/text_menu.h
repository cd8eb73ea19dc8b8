#pragma once

// The text menu's commands that set the look of the whole document, and the
// quick search of the search menu. Each keeps the menu's bold and italic
// check marks and the settings dialog's Check2 (bold) and Check3 (italic) in
// step with what it applied.

// Bold on or off for the whole text, by the look at the caret.
void ToggleBold();
// Italic on or off for the whole text, by the look at the caret.
void ToggleItalic();
// Black 8-point "MS Sans Serif" on white, neither bold nor italic.
void ApplyBasicFont();
// Background and text colour each become white minus themselves.
void InvertColors();
// Asks for a text and steps through its occurrences, forward only and
// case-sensitively, one question per hit, then tells the count. A cancelled
// or empty answer does nothing.
void QuickSearch();
