#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

// Every window and control carries a free "Tag" text, kept as a dynamic property.
[[nodiscard]] QString WindowTag(const QObject* object);
void SetWindowTag(QObject* object, const QString& tag);

// The collection of loaded windows, in load order. A window leaves it when
// it is destroyed, however that happens.
class WindowRegistry {
public:
    // Adding a window that is already loaded changes nothing.
    void add(QWidget* window);
    [[nodiscard]] QList<QWidget*> windows() const;
    [[nodiscard]] bool contains(const QWidget* window) const;
    // The first loaded window of that objectName, or nullptr.
    [[nodiscard]] QWidget* find(const QString& objectName) const;
    // Deletes the window at once; do not call it from inside the window's own
    // event handlers (post it with QTimer::singleShot instead).
    void unload(QWidget* window);

private:
    QList<QPointer<QWidget>> m_windows;
};
