#pragma once

#include <QObject>
#include <QString>

class ClipboardService : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ClipboardService() override = default;
    [[nodiscard]] virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // True while the clipboard holds text, even an empty one; false for a
    // picture or nothing.
    [[nodiscard]] virtual bool hasText() const = 0;
    // Empties the clipboard: afterwards it holds no text at all.
    virtual void clear() = 0;

Q_SIGNALS:
    // The clipboard's content changed, by this program or another.
    void changed();
};

// The desktop clipboard (not the X11 selection).
class QtClipboardService : public ClipboardService {
public:
    // Needs the application object.
    QtClipboardService();
    [[nodiscard]] QString text() const override;
    void setText(const QString& text) override;
    [[nodiscard]] bool hasText() const override;
    void clear() override;
};
