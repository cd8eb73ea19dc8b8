#pragma once

class QString;
class QWidget;

// The width a window needs for its title to show whole beside the window
// manager's icon and buttons.
[[nodiscard]] int TitleWidth(const QString& title);

// Keeps window at least as wide as its title needs: a window manager centres
// the title between its icon and its buttons and cuts off what does not fit.
// Follows every later change of the title.
void KeepTitleWhole(QWidget& window);
