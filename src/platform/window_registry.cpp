#include "platform/window_registry.h"

#include "platform/window_place.h"

#include <QVariant>

namespace {
constexpr char TagProperty[] = "Tag";
}

QString WindowTag(const QObject* object) {
    return object->property(TagProperty).toString();
}

void SetWindowTag(QObject* object, const QString& tag) {
    object->setProperty(TagProperty, tag);
}

void WindowRegistry::add(QWidget* window) {
    m_windows.removeAll(QPointer<QWidget>());
    if (window == nullptr || contains(window))
        return;
    m_windows.append(window);
    KeepPlaceWhileHidden(*window);
}

QList<QWidget*> WindowRegistry::windows() const {
    QList<QWidget*> result;
    for (const QPointer<QWidget>& window : m_windows) {
        if (window)
            result.append(window.data());
    }
    return result;
}

bool WindowRegistry::contains(const QWidget* window) const {
    if (window == nullptr)
        return false;
    for (const QPointer<QWidget>& loaded : m_windows) {
        if (loaded.data() == window)
            return true;
    }
    return false;
}

QWidget* WindowRegistry::find(const QString& objectName) const {
    for (QWidget* window : windows()) {
        if (window->objectName() == objectName)
            return window;
    }
    return nullptr;
}

void WindowRegistry::unload(QWidget* window) {
    if (window == nullptr)
        return;
    m_windows.removeAll(window);
    delete window;
}

void WindowRegistry::discard(QWidget* window) {
    if (window == nullptr)
        return;
    m_windows.removeAll(window);
    window->deleteLater();
}
