#include "platform/window_title.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace {

// Title bars draw in bold; the icon and up to three buttons sit at the ends,
// and a centred title keeps clear of the wider end on both sides.
constexpr int DecorationWidth = 140;

void fitTitle(QWidget& window, const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    const int needed = QFontMetrics(font).horizontalAdvance(title) + DecorationWidth;
    if (window.minimumWidth() < needed)
        window.setMinimumWidth(needed);
}

} // namespace

void KeepTitleWhole(QWidget& window) {
    fitTitle(window, window.windowTitle());
    QObject::connect(&window, &QWidget::windowTitleChanged, &window,
                     [&window](const QString& title) { fitTitle(window, title); });
}
