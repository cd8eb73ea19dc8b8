#include "platform/window_title.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace {

// Title bars draw in bold; the icon and up to three buttons sit at the ends,
// and a centred title keeps clear of the wider end on both sides.
constexpr int DecorationWidth = 140;

void fitTitle(QWidget& window, const QString& title) {
    const int needed = TitleWidth(title);
    if (window.minimumWidth() < needed)
        window.setMinimumWidth(needed);
}

} // namespace

int TitleWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + DecorationWidth;
}

void KeepTitleWhole(QWidget& window) {
    fitTitle(window, window.windowTitle());
    QObject::connect(&window, &QWidget::windowTitleChanged, &window,
                     [&window](const QString& title) { fitTitle(window, title); });
}
