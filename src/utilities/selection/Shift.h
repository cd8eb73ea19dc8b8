#pragma once

#include "utilities/text_tool_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// Rotates the selection taken when the window opened: the scroll bar moves
// its first n characters to the end in the preview, and "&Ok" writes the
// preview in place of the selection of that moment. Without a selection
// there is nothing to rotate, and the bar and "&Ok" are disabled.
class Shift : public TextToolWindow {
    Q_OBJECT
public:
    explicit Shift(QWidget* owner = nullptr);

    // Takes the selection as the menu command does before showing the
    // window: the preview shows it unrotated, whatever the bar shows.
    void setSource(const QString& selection);

    // What "&Ok" writes.
    [[nodiscard]] QString preview() const { return m_previewText; }

    [[nodiscard]] QLineEdit* Orig() const { return m_source; }
    [[nodiscard]] QLineEdit* Text1() const { return m_preview; }
    [[nodiscard]] QScrollBar* HScroll1() const { return m_amount; }
    [[nodiscard]] QLabel* Label2() const { return m_amountShown; }
    [[nodiscard]] QPushButton* Command1() const { return m_ok; }
    [[nodiscard]] QPushButton* Command2() const { return m_storno; }

private:
    void rotate(int amount);
    void writePreview();

    // The texts themselves: a one-line box would cut line breaks and long
    // texts, so the boxes only show them.
    QString m_sourceText;
    QString m_previewText;

    QLineEdit* m_source = nullptr;
    QLineEdit* m_preview = nullptr;
    QScrollBar* m_amount = nullptr;
    QLabel* m_amountShown = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_storno = nullptr;
};
