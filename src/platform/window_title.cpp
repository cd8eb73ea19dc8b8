#include "platform/window_title.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QWidget>
#include <algorithm>

namespace {

// Title bars draw in bold; the icon and up to three buttons sit at the ends,
// and a centred title keeps clear of the wider end on both sides.
constexpr int DecorationWidth = 140;

// Holds a window at least as wide as its title needs. A least width set on a
// window stands in for the one its layout would set, so a laid-out window
// takes its layout's in too, when first shown and whenever the layout
// changes: else a window held narrow, as on a small screen, cuts off its
// controls.
class TitleWidthKeeper : public QObject {
public:
    explicit TitleWidthKeeper(QWidget& window) : QObject(&window), m_window(window) {
        window.installEventFilter(this);
        fit();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == &m_window && (type == QEvent::Polish || type == QEvent::LayoutRequest ||
                                     type == QEvent::WindowTitleChange))
            fit();
        return false;
    }

private:
    void fit() {
        int needed = TitleWidth(m_window.windowTitle());
        if (const QLayout* layout = m_window.layout())
            needed = std::max(needed, layout->totalMinimumSize().width());
        if (m_window.minimumWidth() < needed)
            m_window.setMinimumWidth(needed);
    }

    QWidget& m_window;
};

} // namespace

int TitleWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + DecorationWidth;
}

void KeepTitleWhole(QWidget& window) {
    new TitleWidthKeeper(window);
}
