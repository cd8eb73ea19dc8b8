#pragma once

#include "platform/surface/RichEditSurface.h"
#include "utilities/utilities_window_test.h"

#include <QLineEdit>
#include <QRadioButton>

// A text tool window opened through its menu command over the main window's
// editor, which holds a document with a selection.
class TextToolTest : public UtilitiesWindowTest {
protected:
    [[nodiscard]] RichEditSurface& surface() const { return form.surface(); }
    // The document "<<" + selection + ">>" with the selection selected.
    void selectBetween(const QString& selection) const {
        surface().setText(QStringLiteral("<<") + selection + QStringLiteral(">>"));
        surface().setSelStart(2);
        surface().setSelLength(static_cast<int>(selection.size()));
    }
    void run(MenuId id) { commands.run(id, form); }
    template <class Window> Window& opened(MenuId id) {
        run(id);
        auto* window = LoadedWindowIfAny<Window>();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        return *window;
    }
    // Clicks an option button, as the user picks it.
    static void choose(QRadioButton* option) {
        ASSERT_NE(option, nullptr);
        QTest::mouseClick(option, Qt::LeftButton);
    }
    // Types into a box as the user does, replacing what it held.
    static void retype(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
};
