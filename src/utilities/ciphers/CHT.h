#pragma once

#include "utilities/ciphers/cipher_window.h"

// The look-alike transcription: every letter of the document replaced by a
// random one of its look-alikes, which the window lists.
class CHT : public CipherWindow {
    Q_OBJECT
public:
    explicit CHT(QWidget* owner = nullptr);
};
