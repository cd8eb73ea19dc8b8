#pragma once

#include <QString>

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    [[nodiscard]] virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // True while the clipboard holds text, even an empty one; false for a
    // picture or nothing.
    [[nodiscard]] virtual bool hasText() const = 0;
    // Empties the clipboard: afterwards it holds no text at all.
    virtual void clear() = 0;
};

// The desktop clipboard (not the X11 selection).
class QtClipboardService : public ClipboardService {
public:
    [[nodiscard]] QString text() const override;
    void setText(const QString& text) override;
    [[nodiscard]] bool hasText() const override;
    void clear() override;
};
