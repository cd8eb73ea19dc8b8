#pragma once

// The whole program's main window as start-up composes it, shown and active,
// with the desktop's clipboard and the test doubles answering its boxes.
#include "app/program_commands.h"
#include "platform/clipboard.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

inline CommandRegistry& composed(CommandRegistry& commands) {
    RegisterProgramCommands(commands);
    return commands;
}

class WholeProgram : public ::testing::Test {
protected:
    WholeProgram() {
        Program() = ProgramState{};
        // The desktop's clipboard, which the editor's own keys use too.
        Platform().clipboard = &clipboard;
        form.show();
        QApplication::setActiveWindow(&form);
        form.Text1()->setFocus();
        (void)QTest::qWaitForWindowActive(&form);
    }
    ~WholeProgram() override { Program() = ProgramState{}; }

    RichEditSurface& surface() { return form.surface(); }
    void press(int key) { QTest::keyClick(form.Text1(), Qt::Key(key), Qt::ControlModifier); }

    TestPlatform platform;
    QtClipboardService clipboard;
    CommandRegistry commands;
    MainForm form{composed(commands)};
};
