#pragma once

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QScrollBar;

// The frame in which a dialog sets the room around its content: a check box
// (Check3) for both margins, and scroll bars for the horizontal (VScroll4,
// 0 to 400) and the vertical margin (VScroll5, 0 to 300), each beside its
// value label (Label11, Label12). The bars are usable only while the box is
// ticked; the labels show their values.
class MarginFrame : public QGroupBox {
    Q_OBJECT
public:
    MarginFrame(QWidget* parent, const QString& checkCaption);

    [[nodiscard]] QCheckBox* check() const { return m_check; }
    [[nodiscard]] QLabel* horizontalLabel() const { return m_horizontalLabel; }
    [[nodiscard]] QLabel* verticalLabel() const { return m_verticalLabel; }
    [[nodiscard]] QScrollBar* horizontalBar() const { return m_horizontalBar; }
    [[nodiscard]] QScrollBar* verticalBar() const { return m_verticalBar; }

private:
    QCheckBox* m_check;
    QScrollBar* m_horizontalBar = nullptr;
    QScrollBar* m_verticalBar = nullptr;
    QLabel* m_horizontalLabel = nullptr;
    QLabel* m_verticalLabel = nullptr;
};
