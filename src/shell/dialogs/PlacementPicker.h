#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>

// The 3 x 3 picker of the settings dialog's window page: a small picture of
// the screen whose cells stand for the places of the main window. It works in
// a scale of 3 by 3 units and outlines the region of the cell under the mouse.
class PlacementPicker : public QWidget {
    Q_OBJECT
public:
    explicit PlacementPicker(QWidget* parent = nullptr);

    // A point of the widget in the picker's 3 x 3 scale.
    [[nodiscard]] QPointF toUnits(QPointF pixels) const;
    // The outline drawn now, in units; empty when none.
    [[nodiscard]] QRectF outline() const { return m_outline; }

Q_SIGNALS:
    // The mouse moved over a cell: its name.
    void cellHovered(const QString& caption);
    // A mouse button came up here, in units; outside every cell too, since a
    // pressed button keeps the mouse.
    void releasedAt(QPointF units);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF m_outline;
};
