#pragma once

#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

// Chooses a menu entry of the main window and returns the window it loaded.
template <class Window> Window& OpenFromMenu(MainForm& form, MenuId id) {
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
inline void MoveMouseOver(QWidget* widget, QPoint position) {
    QMouseEvent move(QEvent::MouseMove, QPointF(position), QPointF(widget->mapToGlobal(position)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
