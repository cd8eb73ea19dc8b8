#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <typeinfo>

// Every window and control carries a free "Tag" text, kept as a dynamic property.
[[nodiscard]] QString WindowTag(const QObject* object);
void SetWindowTag(QObject* object, const QString& tag);

// The collection of loaded windows, in load order. A window leaves it when
// it is destroyed, however that happens. It also keeps each window type to
// one instance: single() hands out the loaded one or loads a new one, and a
// window unloaded or discarded is made afresh by the next single(). A loaded
// window hidden and shown again comes back where it was.
class WindowRegistry {
public:
    // Adding a window that is already loaded changes nothing.
    void add(QWidget* window);
    [[nodiscard]] QList<QWidget*> windows() const;
    [[nodiscard]] bool contains(const QWidget* window) const;
    // The first loaded window of that objectName, or nullptr.
    [[nodiscard]] QWidget* find(const QString& objectName) const;
    // Deletes the window at once; do not call it from inside the window's own
    // event handlers (discard it instead).
    void unload(QWidget* window);
    // Unloads the window from inside its own handlers: it leaves the list at
    // once and is deleted when control returns to the event loop.
    void discard(QWidget* window);

    // The loaded window of exactly this type, or nullptr.
    template <class Window> [[nodiscard]] Window* loaded() const {
        for (QWidget* window : windows()) {
            if (typeid(*window) == typeid(Window))
                return static_cast<Window*>(window);
        }
        return nullptr;
    }
    // The loaded window of this type; when there is none, make() creates one
    // and it is loaded.
    template <class Window, class Make> Window& single(Make make) {
        if (Window* window = loaded<Window>())
            return *window;
        Window* window = make();
        add(window);
        return *window;
    }

private:
    QList<QPointer<QWidget>> m_windows;
};
