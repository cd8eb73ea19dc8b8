#include "utilities/analysis/frequency_graph_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

FrequencyGraphBox::FrequencyGraphBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void FrequencyGraphBox::draw(const FrequencyGraph& graph) {
    m_graph = graph;
    update();
}

void FrequencyGraphBox::clear() {
    draw({});
}

void FrequencyGraphBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, m_graph.penWidth));
    switch (m_graph.shape) {
    case FrequencyGraph::Shape::Bars:
        painter.drawLines(m_graph.bars.data(), static_cast<int>(m_graph.bars.size()));
        break;
    case FrequencyGraph::Shape::Polyline:
        painter.drawPolyline(m_graph.points.data(), static_cast<int>(m_graph.points.size()));
        break;
    case FrequencyGraph::Shape::Curve: {
        if (m_graph.points.empty())
            break;
        QPainterPath path(m_graph.points.front());
        // A start point, then two control points and an end point per piece.
        for (std::size_t i = 1; i + 2 < m_graph.points.size(); i += 3)
            path.cubicTo(m_graph.points[i], m_graph.points[i + 1], m_graph.points[i + 2]);
        painter.drawPath(path);
        break;
    }
    }
}

void FrequencyGraphBox::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMovedTo(event->position().toPoint().x());
}

void FrequencyGraphBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void FrequencyGraphBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void ClickableFrame::mouseReleaseEvent(QMouseEvent* event) {
    QFrame::mouseReleaseEvent(event);
    Q_EMIT clicked();
}
