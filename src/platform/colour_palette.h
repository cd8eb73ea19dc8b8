#pragma once

#include "core/colour/colour_value.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

// The Qt colour of a colour value, and back.
[[nodiscard]] inline QColor ToQColor(ColorValue color) {
    return {RedOf(color), GreenOf(color), BlueOf(color)};
}

[[nodiscard]] inline ColorValue ToColorValue(const QColor& color) {
    return RgbColor(color.red(), color.green(), color.blue());
}

// Shows a colour value in one role of a widget's palette.
inline void PaintRole(QWidget* widget, QPalette::ColorRole role, ColorValue color) {
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(color));
    widget->setPalette(palette);
}
