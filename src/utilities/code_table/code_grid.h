#pragma once

#include <QPointF>
#include <QWidget>

// The 16 by 16 character table: code r * 16 + c drawn in the cell of row r,
// column c in the box's font; code 0 stays blank. Reports the mouse in cell
// units, so a point outside the cells can be told apart.
class CodeGrid : public QWidget {
    Q_OBJECT
public:
    explicit CodeGrid(QWidget* parent = nullptr);

    // The point of a widget position in cell units.
    [[nodiscard]] QPointF cellPoint(QPointF position) const;
    // The widget position of the middle of a code's cell.
    [[nodiscard]] QPoint cellCentre(int code) const;

Q_SIGNALS:
    void mouseMovedTo(QPointF cells);
    void mouseReleasedAt(QPointF cells);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A white box showing one character large.
class CharacterPreview : public QWidget {
    Q_OBJECT
public:
    explicit CharacterPreview(QWidget* parent = nullptr);
    void setCharacter(const QString& character);
    [[nodiscard]] QString character() const { return m_character; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_character;
};
