#include "html/AlignOptions.h"

#include <QRadioButton>

QRadioButton* AlignOptions::add(QWidget* parent, const QString& name, const QString& caption,
                                HtmlAlign align) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    m_buttons.emplace_back(button, align);
    return button;
}

HtmlAlign AlignOptions::selected() const {
    for (const auto& [button, align] : m_buttons) {
        if (button->isChecked())
            return align;
    }
    return HtmlAlign::None;
}
