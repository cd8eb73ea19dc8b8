#pragma once

#include "utilities/ciphers/cipher_window.h"

class QCheckBox;
class QLineEdit;

// The digit-key cipher: each character position takes its shift from the
// next digit of the key in turn. The key box keeps only the whole number its
// text begins with. The buttons work on the whole document, or with
// "Rychlotext" ticked from the box Text3 into Text2.
class Confeld : public CipherWindow {
    Q_OBJECT
public:
    explicit Confeld(QWidget* owner = nullptr);

private:
    using Cipher = QString (*)(const QString&, const QString&);
    void apply(Cipher cipher, const QString& busyMessage);

    QLineEdit* m_key = nullptr;
    QCheckBox* m_fast = nullptr;
    QPlainTextEdit* m_input = nullptr;
    QPlainTextEdit* m_output = nullptr;
};
