#pragma once

#include "platform/clipboard.h"

#include <optional>

// A clipboard of its own, so tests neither read nor disturb the desktop's.
class FakeClipboard : public ClipboardService {
public:
    [[nodiscard]] QString text() const override { return m_text.value_or(QString()); }
    void setText(const QString& text) override {
        m_text = text;
        Q_EMIT changed();
    }
    [[nodiscard]] bool hasText() const override { return m_text.has_value(); }
    // The clipboard then holds no text at all (a picture, or nothing).
    void clear() override {
        m_text.reset();
        Q_EMIT changed();
    }

private:
    std::optional<QString> m_text;
};
