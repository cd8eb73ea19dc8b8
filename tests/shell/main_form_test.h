#pragma once

#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/files/document_files.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/shell_commands.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The program's main window with the shell's commands, shown and active, an
// untitled document with the editor holding the focus, and a fresh program
// folder; the windows it loads go with it.
class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() {
        RegisterShellCommands(commands);
        Program() = ProgramState{};
        Program().AppFolder = folder.path() + QStringLiteral("/");
        form.documents().setCaption(QString(), false);
        form.show();
        QApplication::setActiveWindow(&form);
        form.Text1()->setFocus();
    }
    ~MainFormTest() override {
        SetRecentMenuFiller({});
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    QAction* item(MenuId id) { return form.menu().action(id); }
    void run(MenuId id) { item(id)->trigger(); }
    EditorSurface& surface() { return form.surface(); }

    QTemporaryDir folder;
    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{commands};
};
