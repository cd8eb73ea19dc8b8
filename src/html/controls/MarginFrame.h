#pragma once

#include <QGroupBox>

class QCheckBox;
class QLabel;

// The frame in which a dialog sets the room around its content: a check box
// (Check3) for both margins, and value tracks for the horizontal (VScroll4,
// 0 to 400) and the vertical margin (VScroll5, 0 to 300), each before its
// value label (Label11, Label12). The tracks are usable only while the box is
// ticked; the labels show their values.
class MarginFrame : public QGroupBox {
    Q_OBJECT
public:
    MarginFrame(QWidget* parent, const QString& checkCaption);

    [[nodiscard]] QCheckBox* check() const { return m_check; }
    [[nodiscard]] QLabel* horizontalLabel() const { return m_horizontalLabel; }
    [[nodiscard]] QLabel* verticalLabel() const { return m_verticalLabel; }

private:
    QCheckBox* m_check;
    QLabel* m_horizontalLabel = nullptr;
    QLabel* m_verticalLabel = nullptr;
};
