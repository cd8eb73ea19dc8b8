#include "shell/dialogs/PlacementPicker.h"

#include "core/shell/settings_dialog_rules.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr double Units = 3.0;

} // namespace

PlacementPicker::PlacementPicker(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

QPointF PlacementPicker::toUnits(QPointF pixels) const {
    return {pixels.x() * Units / width(), pixels.y() * Units / height()};
}

void PlacementPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const double cellWidth = width() / Units;
    const double cellHeight = height() / Units;
    // The screen's nine regions, lightly marked.
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    for (int i = 1; i < 3; ++i) {
        painter.drawLine(QPointF(i * cellWidth, 0), QPointF(i * cellWidth, height()));
        painter.drawLine(QPointF(0, i * cellHeight), QPointF(width(), i * cellHeight));
    }
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_outline.isEmpty()) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(QRectF(m_outline.x() * cellWidth, m_outline.y() * cellHeight,
                                m_outline.width() * cellWidth, m_outline.height() * cellHeight)
                             .adjusted(1, 1, -1, -1));
    }
}

void PlacementPicker::mouseMoveEvent(QMouseEvent* event) {
    const QPointF units = toUnits(event->position());
    const std::optional<PlacementCell> cell = PlacementCellAt(units.x(), units.y());
    // Outside every cell the picture is cleared and the name stays.
    m_outline = cell ? cell->outline : QRectF();
    update();
    if (cell)
        Q_EMIT cellHovered(QString::fromUtf16(cell->caption));
}

void PlacementPicker::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT releasedAt(toUnits(event->position()));
}
