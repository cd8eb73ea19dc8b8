#pragma once

#include "platform/twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRect>
#include <QString>
#include <QWidget>
#include <concepts>
#include <initializer_list>
#include <limits>

// Gives a control the name by which the program and its tests find it.
template <class Control> Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

// Qt's single-line box keeps only 32 767 characters by default and cuts
// whatever it is given beyond that without a word; a tag, an address or a
// line from the document may be far longer and must come back whole. A box
// with a limit of its own sets it after it is made.
inline constexpr int LongestBoxText = std::numeric_limits<int>::max();

// What a new control shows at first; each part is set only when given.
struct ControlLook {
    QString text = {};
    QString toolTip = {};
    // In pixels within the parent; an empty place leaves the geometry alone.
    QRect place = {};
};

// Makes a control of type Control under parent, named name.
template <class Control>
Control* MakeNamed(QWidget* parent, const QString& name, const ControlLook& look = {}) {
    auto* control = Named(new Control(parent), name);
    if constexpr (std::derived_from<Control, QLineEdit>)
        control->setMaxLength(LongestBoxText);
    if constexpr (requires { control->setText(look.text); }) {
        if (!look.text.isEmpty())
            control->setText(look.text);
    }
    if (!look.toolTip.isEmpty())
        control->setToolTip(look.toolTip);
    if (!look.place.isEmpty())
        control->setGeometry(look.place);
    return control;
}

// Lets the user type into combo; its box keeps every character, as the
// boxes MakeNamed makes do.
inline void MakeEditable(QComboBox* combo) {
    combo->setEditable(true);
    combo->lineEdit()->setMaxLength(LongestBoxText);
}

// Places a control by its left, top, width and height in twips.
inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                        TwipsToPixels(height));
}

// Tab goes through the controls in the order given, from the first on.
inline void SetTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* before = nullptr;
    for (QWidget* control : controls) {
        if (before != nullptr)
            QWidget::setTabOrder(before, control);
        before = control;
    }
}
