#include "platform/input_box.h"

#include <QInputDialog>

std::optional<QString> QtInputBoxService::ask(const QString& prompt, const QString& title,
                                              const QString& defaultText, QWidget* owner) {
    QInputDialog dialog(owner);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
