#include "shell/editor_look.h"

#include "core/editor_surface.h"
#include "shell/shared_procedures.h"

#include <QWidget>
#include <array>

namespace {
constexpr std::array<int, 6> EditorFontSizes{8, 10, 12, 14, 17, 24};
}

void SetEditorFontSize(int size) {
    EditorSurface& surface = MainSurface();
    const int start = surface.selStart();
    const int length = surface.selLength();
    surface.setSelStart(0);
    surface.setSelLength(surface.textLength());
    const bool allowed =
        std::find(EditorFontSizes.begin(), EditorFontSizes.end(), size) != EditorFontSizes.end();
    surface.setSelFontSize(allowed ? size : EditorFontSizes.front());
    surface.setSelStart(start);
    surface.setSelLength(length);
}

void SetAlwaysOnTop(QWidget& window, bool on) {
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // Changing a window flag hides the window; show it again where it was.
    if (visible)
        window.show();
}
