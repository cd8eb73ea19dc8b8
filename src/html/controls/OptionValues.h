#pragma once

#include "platform/named_control.h"

#include <QButtonGroup>
#include <QList>
#include <QRadioButton>
#include <QString>
#include <utility>
#include <vector>

// A group of option buttons, each standing for one value. The buttons are
// tested in the order they were added and the first one selected gives the
// value, so a dialog adds them in its own testing order. Each group is
// exclusive on its own, so several groups may share one parent widget.
template <class Value> class OptionValues {
public:
    // none: the value when no button is selected (the "do not align" kind).
    explicit OptionValues(Value none = Value{}) : m_none(std::move(none)) {}

    // Makes a button on parent standing for value.
    QRadioButton* add(QWidget* parent, const QString& name, const QString& caption, Value value) {
        if (m_group == nullptr)
            m_group = new QButtonGroup(parent);
        auto* button = Named(new QRadioButton(caption, parent), name);
        m_group->addButton(button);
        m_buttons.emplace_back(button, std::move(value));
        return button;
    }

    [[nodiscard]] Value selected() const {
        for (const auto& [button, value] : m_buttons) {
            if (button->isChecked())
                return value;
        }
        return m_none;
    }

    // The buttons, for enabling them together with their check box.
    [[nodiscard]] QList<QWidget*> buttons() const {
        QList<QWidget*> all;
        for (const auto& entry : m_buttons)
            all << entry.first;
        return all;
    }

private:
    Value m_none;
    QButtonGroup* m_group = nullptr;
    std::vector<std::pair<QRadioButton*, Value>> m_buttons;
};
