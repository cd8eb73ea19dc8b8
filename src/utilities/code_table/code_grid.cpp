#include "utilities/code_table/code_grid.h"

#include "core/utilities/code_table.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

void PaintWhite(QWidget& widget, QPainter& painter) {
    painter.fillRect(widget.rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(widget.font());
}

} // namespace

CodeGrid::CodeGrid(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

QPointF CodeGrid::cellPoint(QPointF position) const {
    return {position.x() * CodeTableSide / width(), position.y() * CodeTableSide / height()};
}

QPoint CodeGrid::cellCentre(int code) const {
    const int column = code % CodeTableSide;
    const int row = code / CodeTableSide;
    return {(2 * column + 1) * width() / (2 * CodeTableSide),
            (2 * row + 1) * height() / (2 * CodeTableSide)};
}

void CodeGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintWhite(*this, painter);
    for (int code = 1; code < CodeTableSide * CodeTableSide; ++code) {
        const int column = code % CodeTableSide;
        const int row = code / CodeTableSide;
        const QRect cell(column * width() / CodeTableSide, row * height() / CodeTableSide,
                         width() / CodeTableSide, height() / CodeTableSide);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop, CharacterOfCode(code));
    }
}

void CodeGrid::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMovedTo(cellPoint(event->position()));
}

void CodeGrid::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleasedAt(cellPoint(event->position()));
}

CharacterPreview::CharacterPreview(QWidget* parent) : QWidget(parent) {}

void CharacterPreview::setCharacter(const QString& character) {
    m_character = character;
    update();
}

void CharacterPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintWhite(*this, painter);
    painter.drawText(rect().adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_character);
}
