#pragma once

// The whole program with its tool windows opened from the menu; they are
// unloaded at the end.
#include "whole_program.h"

class ToolWindowsProgram : public WholeProgram {
protected:
    ~ToolWindowsProgram() override { platform.unloadWindows(&form); }

    // Runs the entry and gives the loaded window it shows (the only one up).
    QWidget* open(MenuId entry) {
        form.menu().action(entry)->trigger();
        QCoreApplication::processEvents();
        for (QWidget* window : Platform().windows->windows()) {
            if (window != &form && window->isVisible())
                return window;
        }
        return nullptr;
    }
};
