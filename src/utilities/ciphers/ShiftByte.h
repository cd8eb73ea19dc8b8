#pragma once

#include "utilities/ciphers/cipher_window.h"

class QCheckBox;

// The bit-rotation cipher: the 8 bits of every character code rotated by k
// places, 0 to 8, and back by 8 - k. The buttons always work on the whole
// document; "Rychlotext" switches on a live preview from Text1 into Text2.
class ShiftByte : public CipherWindow {
    Q_OBJECT
public:
    explicit ShiftByte(QWidget* owner = nullptr);

private:
    void refreshPreview();

    QScrollBar* m_shift = nullptr;
    QCheckBox* m_fast = nullptr;
    QPlainTextEdit* m_input = nullptr;
    QPlainTextEdit* m_output = nullptr;
};
