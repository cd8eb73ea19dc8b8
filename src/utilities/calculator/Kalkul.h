#pragma once

#include "core/utilities/calculator.h"

#include <QDialog>
#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

// The two-operand calculator: the display Cislo over its keys. Beside the
// editor "&Vlož" inserts the display at the caret and "&Zavři" hides the
// window; alone (start mode "C") they are "&Clip", putting the display on the
// clipboard, and "&Quit", which asks and ends the program.
class Kalkul : public QDialog {
    Q_OBJECT
public:
    explicit Kalkul(QWidget* owner = nullptr);

    [[nodiscard]] QLineEdit* Cislo() const { return m_display; }
    // The key of one digit (the cmnNumber array).
    [[nodiscard]] QPushButton* cmnNumber(int digit) const { return m_digits.at(digit); }
    [[nodiscard]] QPushButton* Command16() const { return m_equals; }
    [[nodiscard]] QPushButton* Command19() const { return m_deliver; }
    [[nodiscard]] QPushButton* Command20() const { return m_close; }
    [[nodiscard]] QPushButton* Command35() const { return m_converter; }
    // The keys of the six two-operand operators.
    [[nodiscard]] const std::array<QPushButton*, 6>& operatorKeys() const { return m_operatorKeys; }

    // The captions of the stand-alone setting: "&Clip" and "&Quit".
    void relabelForStandAlone();

protected:
    // Esc presses "&Zavři".
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    // Beside the editor the window is unloaded, so the next opening starts
    // afresh; alone it asks whether to end the program.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildKeys();
    QPushButton* key(const QString& name, const QString& caption);
    // A key whose click runs work through press().
    QPushButton* keyDoing(const QString& name, const QString& caption,
                          std::function<void(Calculator&)> work);
    // Runs a key's work on the calculator, reports a failure and shows the
    // display and the keys as the calculator now stands.
    void press(const std::function<void(Calculator&)>& work);
    void evaluate();
    void showState();
    void deliver();
    void closeKey();
    void openConverter();

    Calculator m_calculator;
    QLineEdit* m_display = nullptr;
    std::array<QPushButton*, 10> m_digits{};
    std::array<QPushButton*, 6> m_operatorKeys{};
    QPushButton* m_equals = nullptr;
    QPushButton* m_deliver = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_converter = nullptr;
};

// The calculator alone, for the start mode "C": shown modeless without an
// owner, with its stand-alone captions.
void ShowCalculatorAlone();

// Ends the program at once, as the calculator alone does when the user
// confirms: nothing is asked or saved.
void EndCalculatorAlone();
