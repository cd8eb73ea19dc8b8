#include "platform/tab_order.h"

#include <QLayout>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

const char* const OrderedOnChange = "tarvelOrderedOnChange";

bool readBefore(const QRect& a, const QRect& b) {
    const bool sameColumn = a.left() < b.x() + b.width() && b.left() < a.x() + a.width();
    const bool sameRow = a.top() < b.y() + b.height() && b.top() < a.y() + a.height();
    return (sameColumn && a.y() + a.height() <= b.top()) ||
           (sameRow && a.x() + a.width() <= b.left());
}

// A control inside another one that takes focus (a tab strip's scroll
// buttons) moves with it.
bool insideAControl(const QWidget& control, const QWidget& window) {
    for (const QWidget* up = control.parentWidget(); up != nullptr && up != &window;
         up = up->parentWidget())
        if (up->focusPolicy() & Qt::TabFocus)
            return true;
    return false;
}

// The chain is a ring through the window, which Qt counts as in order
// wherever the ring starts. Tab from the window must reach the first
// control first: the controls between the window and it move behind.
void startChainWith(const QWidget& window, const std::vector<QWidget*>& order) {
    for (std::size_t round = 0; round < order.size(); ++round) {
        const QWidget* first = window.nextInFocusChain();
        while (first != &window && std::find(order.begin(), order.end(), first) == order.end())
            first = first->nextInFocusChain();
        const auto at = std::find(order.begin(), order.end(), first);
        if (at == order.end() || at == order.begin())
            return;
        // Taken out of the ring's start first, or Qt finds it in order already.
        QWidget::setTabOrder(order.front(), *at);
        if (at - order.begin() > 1)
            QWidget::setTabOrder(*(at - 1), *at);
    }
}

} // namespace

void SetReadingTabOrder(QWidget& window) {
    // The controls of a page are laid out when it is shown: order them then.
    for (QTabWidget* pages : window.findChildren<QTabWidget*>()) {
        if (pages->property(OrderedOnChange).toBool())
            continue;
        pages->setProperty(OrderedOnChange, true);
        QObject::connect(pages, &QTabWidget::currentChanged, &window,
                         [&window] { SetReadingTabOrder(window); });
    }
    // Nested layouts place their controls only when their turn comes in the
    // event loop: place them all now, from the window inwards.
    if (window.layout() != nullptr)
        window.layout()->activate();
    for (QWidget* inner : window.findChildren<QWidget*>())
        if (inner->layout() != nullptr && inner->isVisibleTo(&window))
            inner->layout()->activate();
    std::vector<QWidget*> controls;
    std::vector<QRect> places;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == &window &&
            w->focusProxy() == nullptr && w->isVisibleTo(&window) && !insideAControl(*w, window)) {
            controls.push_back(w);
            places.emplace_back(w->mapTo(&window, QPoint()), w->size());
        }
    }
    // Each time the first control in the old order that no other one left
    // reads before; the first left when the places contradict each other.
    std::vector<bool> taken(controls.size(), false);
    std::vector<QWidget*> order;
    QWidget* before = nullptr;
    for (std::size_t round = 0; round < controls.size(); ++round) {
        std::size_t next = controls.size();
        std::size_t firstLeft = controls.size();
        for (std::size_t i = 0; i < controls.size() && next == controls.size(); ++i) {
            if (taken[i])
                continue;
            if (firstLeft == controls.size())
                firstLeft = i;
            bool free = true;
            for (std::size_t j = 0; j < controls.size() && free; ++j)
                free = taken[j] || j == i || !readBefore(places[j], places[i]);
            if (free)
                next = i;
        }
        if (next == controls.size())
            next = firstLeft;
        taken[next] = true;
        if (before != nullptr)
            QWidget::setTabOrder(before, controls[next]);
        before = controls[next];
        order.push_back(before);
    }
    startChainWith(window, order);
}
