#include "platform/default_button.h"

#include <QDialog>
#include <QPushButton>

void FocusDefaultButtonOnShow(QDialog& dialog, QPushButton& defaultButton) {
    defaultButton.setDefault(true);
    auto* focused = qobject_cast<QPushButton*>(dialog.focusWidget());
    if (focused != nullptr && focused != &defaultButton && defaultButton.isEnabled())
        defaultButton.setFocus();
}
