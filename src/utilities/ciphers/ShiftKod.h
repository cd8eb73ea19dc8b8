#pragma once

#include "utilities/ciphers/cipher_window.h"

class QCheckBox;

// The letter-shift cipher: every letter moved k places (0 to 26) in the
// alphabet, the shifted alphabet shown under the plain one. The buttons work
// on the whole document, or with "Rychlotext" ticked from the preview box
// Text1 into Text2; Text2 follows Text1 as the user types.
class ShiftKod : public CipherWindow {
    Q_OBJECT
public:
    explicit ShiftKod(QWidget* owner = nullptr);

private:
    // ShiftCipher under its busy message, as every use of it shows.
    [[nodiscard]] QString shifted(const QString& text, int places);
    void refreshPreview();
    void apply(int places);

    QScrollBar* m_shift = nullptr;
    QLabel* m_shiftedAlphabet = nullptr;
    QLabel* m_plainAlphabet = nullptr;
    QCheckBox* m_fast = nullptr;
    QPlainTextEdit* m_input = nullptr;
    QPlainTextEdit* m_output = nullptr;
};
