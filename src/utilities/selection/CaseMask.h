#pragma once

#include "utilities/text_tool_window.h"

class QLineEdit;
class QPushButton;

// Sets the case of each selected character by a mask that cycles over the
// selection. The mask box keeps only mask letters, in upper case; "&Ok"
// writes the masked selection and the window stays open for the next one.
class CaseMask : public TextToolWindow {
    Q_OBJECT
public:
    explicit CaseMask(QWidget* owner = nullptr);

    [[nodiscard]] QLineEdit* TxtMask() const { return m_mask; }
    [[nodiscard]] QPushButton* CmndOK() const { return m_ok; }
    [[nodiscard]] QPushButton* CmndStorno() const { return m_storno; }

protected:
    // Storno is no cancel button here: Esc leaves the window as it is.
    void reject() override {}

private:
    void cleanMask();
    void maskSelection();

    QLineEdit* m_mask = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_storno = nullptr;
};
