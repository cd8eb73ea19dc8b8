#include "html/controls/value_bar.h"

#include "platform/named_control.h"

namespace {

constexpr int SpinnerHeight = 44;
constexpr int SliderWidth = 120;

} // namespace

QScrollBar* MakeValueBar(QWidget* parent, const QString& name, Qt::Orientation orientation,
                         BarRange range) {
    auto* bar = Named(new QScrollBar(orientation, parent), name);
    bar->setRange(range.minimum, range.maximum);
    bar->setValue(range.value);
    bar->setPageStep(range.pageStep);
    if (orientation == Qt::Vertical)
        bar->setFixedHeight(SpinnerHeight);
    else
        bar->setMinimumWidth(SliderWidth);
    return bar;
}

void AddBarRow(QGridLayout* layout, int row, const QString& caption, QScrollBar* bar,
               QLabel* valueLabel) {
    layout->addWidget(new QLabel(caption, bar->parentWidget()), row, 0);
    layout->addWidget(bar, row, 1);
    layout->addWidget(valueLabel, row, 2);
}
