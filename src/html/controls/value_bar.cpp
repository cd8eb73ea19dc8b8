#include "html/controls/value_bar.h"

#include "platform/named_control.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace {

constexpr int SpinnerHeight = 44;
constexpr int SliderWidth = 120;

// Asks for its length from what the style leaves between the arrows, so a
// style with wider arrow buttons does not eat into the track.
class ValueTrack : public QScrollBar {
public:
    explicit ValueTrack(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

    [[nodiscard]] QSize minimumSizeHint() const override {
        QSize hint = QScrollBar::minimumSizeHint();
        hint.setWidth(std::max(hint.width(), ValueTrackLength + arrowsLength()));
        return hint;
    }
    [[nodiscard]] QSize sizeHint() const override {
        return QScrollBar::sizeHint().expandedTo(minimumSizeHint());
    }

private:
    // The part of the bar's length that is not track, measured on a bar long
    // enough for the style to give each arrow its full size.
    [[nodiscard]] int arrowsLength() const {
        constexpr int ProbeLength = 4 * ValueTrackLength;
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.rect = QRect(0, 0, ProbeLength, QScrollBar::sizeHint().height());
        const QRect groove = style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarGroove, this);
        return ProbeLength - groove.width();
    }
};

void SetRange(QScrollBar* bar, BarRange range) {
    bar->setRange(range.minimum, range.maximum);
    bar->setValue(range.value);
    bar->setPageStep(range.pageStep);
}

} // namespace

QScrollBar* MakeValueBar(QWidget* parent, const QString& name, Qt::Orientation orientation,
                         BarRange range) {
    auto* bar = Named(new QScrollBar(orientation, parent), name);
    SetRange(bar, range);
    if (orientation == Qt::Vertical)
        bar->setFixedHeight(SpinnerHeight);
    else
        bar->setMinimumWidth(SliderWidth);
    return bar;
}

QScrollBar* MakeValueTrack(QWidget* parent, const QString& name, BarRange range) {
    auto* track = Named<QScrollBar>(new ValueTrack(parent), name);
    SetRange(track, range);
    return track;
}

QHBoxLayout* TrackRow(QScrollBar* track, QLabel* valueLabel, QWidget* lead) {
    const QFontMetrics metrics = valueLabel->fontMetrics();
    valueLabel->setMinimumWidth(
        std::max(metrics.horizontalAdvance(QString::number(track->minimum())),
                 metrics.horizontalAdvance(QString::number(track->maximum()))));
    auto* row = new QHBoxLayout;
    if (lead != nullptr)
        row->addWidget(lead);
    row->addWidget(track, 1);
    row->addWidget(valueLabel);
    return row;
}

void AddTrackRow(QGridLayout* layout, int row, const QString& caption, QScrollBar* track,
                 QLabel* valueLabel) {
    layout->addWidget(new QLabel(caption, track->parentWidget()), row, 0);
    layout->addLayout(TrackRow(track, valueLabel), row, 1);
}

void AddBarRow(QGridLayout* layout, int row, const QString& caption, QScrollBar* bar,
               QLabel* valueLabel, int column) {
    layout->addWidget(new QLabel(caption, bar->parentWidget()), row, column);
    layout->addWidget(bar, row, column + 1);
    layout->addWidget(valueLabel, row, column + 2);
}
