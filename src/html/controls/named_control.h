#pragma once

#include <QString>

// Gives a new control the name by which the program and its tests find it.
template <class Control> Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}
