#pragma once

#include "core/html_simple_tags.h"

#include <utility>
#include <vector>

class QRadioButton;
class QWidget;

// A group of alignment option buttons. The buttons are tested in the order
// they were added and the first one selected gives the value, so a dialog
// adds them in its own testing order.
class AlignOptions {
public:
    // Makes a button on parent standing for align (HtmlAlign::None for the
    // "do not align" button).
    QRadioButton* add(QWidget* parent, const QString& name, const QString& caption,
                      HtmlAlign align);
    [[nodiscard]] HtmlAlign selected() const;

private:
    std::vector<std::pair<QRadioButton*, HtmlAlign>> m_buttons;
};
