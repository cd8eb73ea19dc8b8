#pragma once

#include "platform/font_dialog.h"

#include <QList>
#include <deque>

// Answers font dialogs from a queue (nullopt = cancel) and records each one.
class ScriptedFontDialog : public FontDialogService {
public:
    struct Asked {
        FontChoice initial;
        QWidget* owner = nullptr;
    };

    void queue(const std::optional<FontChoice>& answer) {
        m_answers.push_back({answer.has_value(), answer.value_or(FontChoice{})});
    }
    // With the queue empty the dialog is cancelled.
    std::optional<FontChoice> choose(const FontChoice& initial, QWidget* owner) override;

    QList<Asked> asked;

private:
    struct Answer {
        bool confirmed = false;
        FontChoice font;
    };
    std::deque<Answer> m_answers;
};
