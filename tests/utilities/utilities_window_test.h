#pragma once

#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/window_instances.h"
#include "utilities/utilities_commands.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// A main window with scripted services and the utilities' commands, for
// driving one tool window.
class UtilitiesWindowTest : public ::testing::Test {
protected:
    UtilitiesWindowTest() {
        RegisterUtilitiesCommands(commands);
        Program() = ProgramState{};
    }
    ~UtilitiesWindowTest() override { Program() = ProgramState{}; }

    static void click(QPushButton* button) {
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled())
            << button->objectName().toStdString() << " " << button->text().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The message boxes shown so far, as "title: text".
    [[nodiscard]] QStringList boxesShown() const {
        QStringList boxes;
        for (const auto& shown : platform.messageBox.shown)
            boxes << shown.request.title + QStringLiteral(": ") + shown.request.text;
        return boxes;
    }

    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{commands};
};
