#pragma once

#include "platform/input_box.h"

#include <QList>
#include <deque>

// Answers input boxes from a queue (nullopt = cancel) and records every box.
class ScriptedInputBox : public InputBoxService {
public:
    struct Asked {
        QString prompt;
        QString title;
        QString defaultText;
        QWidget* owner = nullptr;
    };

    void queue(std::optional<QString> answer) { m_answers.push_back(std::move(answer)); }
    // With the queue empty the box is cancelled and counts as unanswered.
    std::optional<QString> ask(const QString& prompt, const QString& title,
                               const QString& defaultText, QWidget* owner) override;

    QList<Asked> asked;
    int unanswered = 0;

private:
    std::deque<std::optional<QString>> m_answers;
};
