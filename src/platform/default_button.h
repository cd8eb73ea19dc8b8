#pragma once

class QDialog;
class QPushButton;

// A dialog that is hidden and shown again starts with the control that had
// the focus when it closed. After a click on one of its buttons that is the
// button itself, and Enter would press it (Storno, say) instead of the
// default button. Called as the dialog is shown: a button left focused hands
// the focus to the default button; focus on any other control stays.
void FocusDefaultButtonOnShow(QDialog& dialog, QPushButton& defaultButton);
