#pragma once

#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"

#include <QTextEdit>

// The shown main window with scripted services and one feature's commands,
// beside a bare QTextEdit of the same size, for timing a command's work next
// to the bare widget doing the same.
struct ShownWindows {
    explicit ShownWindows(void (*registerCommands)(CommandRegistry&)) {
        Program() = ProgramState{};
        registerCommands(commands);
        form.resize(1000, 700);
        form.show();
        bare.resize(1000, 700);
        bare.show();
    }
    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{commands};
    QTextEdit bare;
};
