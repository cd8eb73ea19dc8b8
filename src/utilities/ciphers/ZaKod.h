#pragma once

#include "utilities/ciphers/cipher_window.h"

// The keyed stream cipher: every code of the document XOR a stream byte that
// the numeric key decides; applying it again with the same key decodes.
class ZaKod : public CipherWindow {
    Q_OBJECT
public:
    explicit ZaKod(QWidget* owner = nullptr);

private:
    QLineEdit* m_key = nullptr;
};
