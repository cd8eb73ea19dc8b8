#pragma once

#include "html/HtmlDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

// Wraps the selection in a FONT tag with an optional size, face and colour.
class Barva : public HtmlDialog {
    Q_OBJECT
public:
    explicit Barva(QWidget* owner = nullptr);

protected:
    void confirm() override;

private:
    void buildSize();
    void buildFace();
    void buildColour();
    // Offers the picker on the current colour and shows what it gives back.
    void pickColour();
    void showColour(ColorValue color);

    QCheckBox* m_check1;
    QScrollBar* m_vscroll4;
    QLabel* m_label4;
    QCheckBox* m_check2;
    QComboBox* m_combo1;
    QCheckBox* m_check3;
    QPushButton* m_command3;
    QLabel* m_label1;
    QLabel* m_label2;
    ColorValue m_color = 0;

    TARVEL_HTML_DIALOG_DISCARD(Barva)
};
