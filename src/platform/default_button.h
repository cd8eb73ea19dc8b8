#pragma once

class QDialog;
class QPushButton;
class QWidget;

// A dialog that is hidden and shown again starts with the control that had
// the focus when it closed. After a click on one of its buttons that is the
// button itself, and Enter would press it (Storno, say) instead of the
// default button. Called as the dialog is shown: a button left focused hands
// the focus to the default button; focus on any other control stays.
void FocusDefaultButtonOnShow(QDialog& dialog, QPushButton& defaultButton);

// An editable combo box that completes the text typed into it keeps Enter
// to itself once it has taken a completion, where a line edit lets it on to
// its window: Enter would then not press the window's default button. From
// every editable combo box of the window, Enter and Esc go on to the window
// once the box has done its own part. Called again (as the window is shown)
// it also covers boxes made since.
void PassEnterAndEscFromCombos(QWidget& window);
