#pragma once

#include "html/controls/ColourSwatch.h"
#include "html/controls/HtmlDialog.h"

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

    QCheckBox* m_check1;
    QScrollBar* m_vscroll4;
    QLabel* m_label4;
    QCheckBox* m_check2;
    QComboBox* m_combo1;
    QCheckBox* m_check3;
    QPushButton* m_command3;
    ColourSwatch* m_colour; // Label1 and Label2
};
