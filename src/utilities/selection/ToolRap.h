#pragma once

#include "utilities/text_tool_window.h"

class QLabel;
class QPushButton;
class QSlider;

// Repeats the selection: "&Ok" writes it as many times in a row as the
// slider says. A repetition that would make the document larger than the
// program opens is refused with a message and changes nothing.
class ToolRap : public TextToolWindow {
    Q_OBJECT
public:
    explicit ToolRap(QWidget* owner = nullptr);

    [[nodiscard]] QSlider* SldRapValue() const { return m_count; }
    [[nodiscard]] QLabel* LblValue() const { return m_countShown; }
    [[nodiscard]] QPushButton* CmndOK() const { return m_ok; }
    [[nodiscard]] QPushButton* Command1() const { return m_storno; }

private:
    void repeatSelection();

    QSlider* m_count = nullptr;
    QLabel* m_countShown = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_storno = nullptr;
};
