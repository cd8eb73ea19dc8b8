#pragma once

#include "utilities/text_tool_window.h"

class QLineEdit;
class QPushButton;

// Translates the selection character for character: the k-th character of
// TxtFrom becomes the k-th of TxtTo, one after another, so replacements
// chain. "&Ok" is enabled only while both sets are equally long.
class Convert : public TextToolWindow {
    Q_OBJECT
public:
    explicit Convert(QWidget* owner = nullptr);

    [[nodiscard]] QLineEdit* TxtFrom() const { return m_from; }
    [[nodiscard]] QLineEdit* TxtTo() const { return m_to; }
    [[nodiscard]] QPushButton* CmndOK() const { return m_ok; }
    [[nodiscard]] QPushButton* CmndStorno() const { return m_storno; }

private:
    void CheckConvertLengths();
    void translateSelection();

    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_storno = nullptr;
};
