#pragma once

#include "core/text/ansi_code_page.h"
#include "platform/surface/RichEditSurface.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/MainTimer.h"
#include "utilities/utilities_window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

// A cipher window opened through its menu entry over the real editing
// surface, with its controls found by name.
class CipherWindowTest : public UtilitiesWindowTest {
protected:
    // Opens Window through the menu entry id, as the user does; the timer's
    // tick first enables an entry that needs text in the document.
    template <class Window> Window& open(MenuId id) {
        form.timer().tick();
        QAction* entry = form.menu().action(id);
        EXPECT_TRUE(entry->isEnabled());
        entry->trigger();
        Window* window = LoadedWindowIfAny<Window>();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(window != nullptr && window->isVisible());
        return *window;
    }
    template <class Control> static Control* control(const QWidget& window, const char* name) {
        auto* found = window.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    using UtilitiesWindowTest::click;
    static void click(QCheckBox* box) {
        ASSERT_NE(box, nullptr);
        box->click();
    }
    static void click(const QWidget& window, const char* button) {
        UtilitiesWindowTest::click(control<QPushButton>(window, button));
    }

    void setDocument(const QString& text) { form.surface().setText(text); }
    [[nodiscard]] QString document() const { return form.surface().text(); }
    // The document's bytes, as a save would write them.
    [[nodiscard]] QByteArray documentBytes() const { return EncodeAnsi(document()); }

    // Whether the busy cursor went on first and off last.
    [[nodiscard]] bool busyWentOnAndOff() const {
        return !platform.busyCursor.calls.isEmpty() && platform.busyCursor.calls.front().second &&
               !platform.busyCursor.calls.back().second;
    }
};
