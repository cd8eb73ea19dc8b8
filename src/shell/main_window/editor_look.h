#pragma once

#include <array>

class MainForm;
class QAction;
class QWidget;

// The editor's font sizes in menu and list order; any other size gives the first.
inline constexpr std::array<int, 6> EditorFontSizes{8, 10, 12, 14, 17, 24};

// The main menu's size items (in EditorFontSizes order) and its bold and italic
// items. The menu hands them over once built; a missing item is skipped.
struct FontMenuItems {
    std::array<QAction*, 6> sizes{};
    QAction* bold = nullptr;
    QAction* italic = nullptr;
};

// Items that are destroyed later read back as nullptr.
void SetFontMenuItems(const FontMenuItems& items);
[[nodiscard]] FontMenuItems InstalledFontMenuItems();

// Fits the editor Text1 and the tab strip FileTab between the toolbar and the
// status bar of the main window; nothing moves while it is minimised.
void LayoutMainForm();
void LayoutMainForm(MainForm& form);

// Sets the font size of the whole editor text to one of EditorFontSizes (any
// other size gives 8), keeping the selection; checks the matching size item
// and selects the size in the settings dialog's list, creating the dialog
// unshown if needed.
void SetEditorFontSize(int size);

// Keeps window above all others, or stops doing so, without moving it or
// changing whether it shows.
void SetAlwaysOnTop(QWidget& window, bool on);

// The DOS-screen preset: a normal 9210 x 6675-twip main window, grey 8-point
// "Courier New CE" on black, neither bold nor italic.
void ApplyDosLook();
