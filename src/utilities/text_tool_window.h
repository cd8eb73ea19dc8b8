#pragma once

#include <QDialog>
#include <functional>
#include <initializer_list>

class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;

// The common life of the text tool windows: one program-wide instance shown
// modeless above the main window, hidden (and so kept) by its own buttons;
// closing it from the title bar unloads it, so the next opening starts from
// its initial values. Esc hides it unless a window says otherwise.
class TextToolWindow : public QDialog {
    Q_OBJECT
public:
    TextToolWindow(QWidget* owner, const QString& name, const QString& title);

    // The fixed-pitch font of boxes whose characters are counted or codes
    // lined up.
    [[nodiscard]] static QFont fixedPitchFont();

protected:
    // A named push button that Enter presses only as the default button; it
    // runs work, when given, on a click.
    QPushButton* makeButton(const QString& name, const QString& caption,
                            const QString& toolTip = {}, std::function<void()> work = {});
    // A bottom row: the left buttons, a stretch, the right buttons.
    [[nodiscard]] static QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> left,
                                                std::initializer_list<QPushButton*> right);
    // A multi-line box with a vertical scroll bar, which Tab leaves.
    [[nodiscard]] QPlainTextEdit* makeTextBox(const QString& name, bool readOnly);
    // Enter presses button, whichever control has the focus.
    void setDefaultButton(QPushButton* button);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_defaultButton = nullptr;
};
