#include "platform/input_box.h"

#include "platform/modal_turn.h"
#include "platform/named_control.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>

std::optional<QString> QtInputBoxService::ask(const QString& prompt, const QString& title,
                                              const QString& defaultText, QWidget* owner) {
    QInputDialog dialog(owner);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    // The prompt is shown as it stands: not read as markup, and each "&" kept,
    // which the prompt's label, the box's buddy, would take for an access key.
    dialog.setLabelText(QString(prompt).replace(u'&', QStringLiteral("&&")));
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    // A proposal taken from the document (a long selection, say) is not cut
    // at the line edit's usual length.
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>())
        box->setMaxLength(LongestBoxText);
    dialog.setTextValue(defaultText);
    if (ExecForOpener(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
