#pragma once

#include "shell/find/SearchWindow.h"

// The find window: finds a text step by step, forward only, and counts the
// hits. Enter in Find starts a search; a click in History puts the entry into
// Find.
class Hledani : public SearchWindow {
    Q_OBJECT
public:
    explicit Hledani(QWidget* owner = nullptr);
};
