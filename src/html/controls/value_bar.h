#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QString>

// The range of a scroll bar that holds a number shown in a value label.
struct BarRange {
    int minimum = 1;
    int maximum = 1;
    int value = 1;
    int pageStep = 10;
};

// A named scroll bar of the HTML dialogs. Vertical bars serve as small
// up-down spinners beside their labels; horizontal ones get room to slide.
[[nodiscard]] QScrollBar* MakeValueBar(QWidget* parent, const QString& name,
                                       Qt::Orientation orientation, BarRange range);

// One row of a grid: a caption, the bar and its value label.
void AddBarRow(QGridLayout* layout, int row, const QString& caption, QScrollBar* bar,
               QLabel* valueLabel);
