#pragma once

#include "utilities/text_tool_window.h"

#include <QString>
#include <functional>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

// What the cipher windows add to the life of a text tool window: their
// cancel button and Esc hide it. Controls are made in reading order, which is
// the Tab order.
class CipherWindow : public TextToolWindow {
    Q_OBJECT
protected:
    using TextToolWindow::TextToolWindow;

    // A button that hides the window, also pressed by Esc.
    [[nodiscard]] QPushButton* makeCancelButton(const QString& name, const QString& caption);
    // A horizontal bar from minimum to maximum, starting at minimum, whose
    // value label shows every value it takes.
    [[nodiscard]] QScrollBar* makeValueBar(const QString& name, int minimum, int maximum,
                                           QLabel* valueLabel);
    // The row "Posun :", the bar HScroll1 from 0 to maximum and its value
    // label Label4, wide enough for widestValue.
    [[nodiscard]] QHBoxLayout* makeShiftRow(QScrollBar*& bar, int maximum,
                                            const QString& widestValue);
    // A key box of at most 15 characters that keeps only the whole number
    // its text begins with, rewritten at every change.
    [[nodiscard]] QLineEdit* makeKeyBox(const QString& name, const QString& text);

    // The "Rychlotext" box over an input box beside the read-only output
    // box Text2, as one layout.
    struct Preview {
        QCheckBox* fast = nullptr;
        QPlainTextEdit* input = nullptr;
        QPlainTextEdit* output = nullptr;
    };
    [[nodiscard]] QLayout* makePreview(Preview& preview, const QString& fastName,
                                       const QString& fastCaption, const QString& inputName);
    // The row of the two cipher buttons Command1 and Command2 at the left and
    // the cancel button Command3 at the right.
    [[nodiscard]] QHBoxLayout* makeButtonRow(QPushButton* forward, QPushButton* back,
                                             const QString& cancelCaption);

    // The whole document := transform(document), under the busy message
    // unless it is empty.
    void replaceDocument(const QString& busyMessage,
                         const std::function<QString(const QString&)>& transform);
};
