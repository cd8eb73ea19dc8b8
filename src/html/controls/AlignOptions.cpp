#include "html/controls/AlignOptions.h"

#include "platform/named_control.h"

#include <QBoxLayout>
#include <QLabel>

void AddAlignButtons(QBoxLayout* layout, QWidget* parent, AlignOptions& options,
                     const QString& labelName, const QString& caption,
                     const QList<AlignChoice>& choices, HtmlAlign selected) {
    layout->addWidget(MakeNamed<QLabel>(parent, labelName, {.text = caption}));
    for (const AlignChoice& choice : choices) {
        QRadioButton* button = options.add(parent, choice.name, choice.caption, choice.value);
        button->setChecked(choice.value == selected);
        layout->addWidget(button);
    }
}
