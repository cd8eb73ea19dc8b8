#pragma once

#include <QDialog>
#include <array>

class QPushButton;
struct KeyboardKey;

// The on-screen keyboard: a click on a key types its character at the
// editor's caret, never over the selection. Shift works for one character,
// Caps keeps it down. Characters typed on the real keyboard while the window
// has the focus are typed into the editor too. No key takes the focus, so
// Space or Enter never presses one a second time.
class Klavesnice : public QDialog {
    Q_OBJECT
public:
    explicit Klavesnice(QWidget* owner = nullptr);

    // The key of one character (the CmnChar array).
    [[nodiscard]] QPushButton* CmnChar(int index) const { return m_keys.at(index); }
    // The right and the left Shift; they always show the same state.
    [[nodiscard]] QPushButton* Check1() const { return m_rightShift; }
    [[nodiscard]] QPushButton* Check2() const { return m_leftShift; }
    [[nodiscard]] QPushButton* chkCaps() const { return m_caps; }
    [[nodiscard]] QPushButton* Command51() const { return m_enter; }
    [[nodiscard]] QPushButton* Command1() const { return m_numericEnter; }
    [[nodiscard]] QPushButton* Command2() const { return m_tab; }
    [[nodiscard]] QPushButton* Command50() const { return m_close; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    QPushButton* makeKey(const KeyboardKey& design);
    void typeKey(int index);
    void type(const QString& text);
    void setShift(bool down);

    std::array<QPushButton*, 64> m_keys{};
    QPushButton* m_rightShift = nullptr;
    QPushButton* m_leftShift = nullptr;
    QPushButton* m_caps = nullptr;
    QPushButton* m_enter = nullptr;
    QPushButton* m_numericEnter = nullptr;
    QPushButton* m_tab = nullptr;
    QPushButton* m_close = nullptr;
};
