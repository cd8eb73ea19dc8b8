#pragma once

#include <QDialog>
#include <functional>
#include <initializer_list>

class QHBoxLayout;
class QPushButton;

// The common life of the text tool windows: one program-wide instance shown
// modeless above the main window, hidden (and so kept) by its own buttons;
// closing it from the title bar unloads it, so the next opening starts from
// its initial values. Esc hides it unless a window says otherwise.
class TextToolWindow : public QDialog {
    Q_OBJECT
public:
    TextToolWindow(QWidget* owner, const QString& name, const QString& title);

protected:
    // A named push button that runs work on a click.
    QPushButton* makeButton(const QString& name, const QString& caption, const QString& toolTip,
                            std::function<void()> work);
    // The usual bottom row: the given buttons at the left, ok and storno at
    // the right.
    [[nodiscard]] static QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> left,
                                                QPushButton* ok, QPushButton* storno);
    // The fixed-pitch font of boxes whose characters are counted.
    [[nodiscard]] static QFont fixedPitchFont();
    // Enter presses button, whichever control has the focus.
    void setDefaultButton(QPushButton* button);
    // Reading order for Tab: each control after the one before it.
    static void chainTabs(std::initializer_list<QWidget*> controls);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_defaultButton = nullptr;
};
