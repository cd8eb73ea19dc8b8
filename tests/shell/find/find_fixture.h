#pragma once

#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/shell_commands.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

// A shown main window with the shell's commands, the find and text menu
// commands among them, and the test doubles answering its boxes.
class FindFixture : public ::testing::Test {
protected:
    FindFixture() {
        Program() = ProgramState{};
        RegisterShellCommands(commands);
        form.show();
        QApplication::setActiveWindow(&form);
    }
    ~FindFixture() override { Program() = ProgramState{}; }

    [[nodiscard]] QAction* item(MenuId id) const { return form.menu().action(id); }
    [[nodiscard]] EditorSurface& surface() const { return form.surface(); }
    void setText(const QString& text, int selStart = 0, int selLength = 0) const {
        surface().setText(text);
        surface().setSelStart(selStart);
        surface().setSelLength(selLength);
    }

    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{commands};
};
