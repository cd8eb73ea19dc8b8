#pragma once

#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/window_instances.h"
#include "utilities/utilities_commands.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
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
    // Chooses a menu entry of the main window and returns the window it loaded.
    template <class Window> Window& openFromMenu(MenuId id) {
        QAction* action = form.menu().action(id);
        EXPECT_TRUE(action->isEnabled());
        action->trigger();
        Window* window = LoadedWindowIfAny<Window>();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        EXPECT_EQ(window->parentWidget(), &form);
        return *window;
    }
    // The mouse moved over a widget, no button held, as a tracking widget sees it.
    static void moveMouseOver(QWidget* widget, QPoint position) {
        QMouseEvent move(QEvent::MouseMove, QPointF(position),
                         QPointF(widget->mapToGlobal(position)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
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
