#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The program lock's password prompt. While it is loaded the editing surface
// of the main window is hidden; only the lock password, typed exactly, takes
// it away and shows the text again. Closing the prompt from its title bar or
// with Esc does not unlock: the main window stays out of reach until then.
class Pass : public QDialog {
    Q_OBJECT
public:
    explicit Pass(QWidget* parent = nullptr);

    [[nodiscard]] QLabel* Label1() const { return m_label1; }
    [[nodiscard]] QLineEdit* Text1() const { return m_text1; }
    [[nodiscard]] QPushButton* Command1() const { return m_command1; }

    // Esc: the prompt stays.
    void reject() override;

protected:
    // The close box: the prompt stays, unless the program is ending.
    void closeEvent(QCloseEvent* event) override;

private:
    void tryUnlock();

    QLabel* m_label1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QPushButton* m_command1 = nullptr;
};

// Locks the program: hides the editor's text and waits in the password prompt
// until the lock password is typed.
void LockProgram();
