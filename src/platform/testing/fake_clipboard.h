#pragma once

#include "platform/clipboard.h"

// A clipboard of its own, so tests neither read nor disturb the desktop's.
class FakeClipboard : public ClipboardService {
public:
    [[nodiscard]] QString text() const override { return m_text; }
    void setText(const QString& text) override { m_text = text; }
    [[nodiscard]] bool hasText() const override { return !m_text.isEmpty(); }

private:
    QString m_text;
};
