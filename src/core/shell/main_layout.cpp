#include "core/shell/main_layout.h"

#include <algorithm>

std::optional<MainLayout> LayoutMainArea(const MainLayoutInput& input) {
    if (input.minimised)
        return std::nullopt;
    const int reserve = input.tabStripVisible ? TabStripReserve : 0;
    // A window narrower than the reserve leaves the editor no width at all.
    const int editorWidth = std::max(0, input.innerWidth - reserve);
    const int top = input.toolbarVisible ? input.toolbarHeight : 0;
    const int room = input.innerHeight - top - (input.statusBarVisible ? input.statusBarHeight : 0);
    const int editorHeight = room > 0 ? room : input.editorHeight;
    MainLayout layout;
    layout.editor = QRect(0, top, editorWidth, editorHeight);
    layout.tabStrip = QRect(0, top, input.innerWidth, editorHeight);
    return layout;
}

QRect UncoveredTabArea(const MainLayout& layout) {
    const int left = layout.editor.x() + layout.editor.width();
    return {left, layout.tabStrip.y(), std::max(0, layout.tabStrip.width() - left),
            layout.tabStrip.height()};
}
