#pragma once

#include "platform/message_box.h"

#include <QList>
#include <deque>

// Answers message boxes from a queue and records every box shown.
class ScriptedMessageBox : public MessageBoxService {
public:
    struct Shown {
        MessageBoxRequest request;
        QWidget* owner = nullptr;
    };

    void queue(MessageBoxAnswer answer) { m_answers.push_back(answer); }
    // With the queue empty the box takes its default button and counts as unanswered.
    MessageBoxAnswer show(const MessageBoxRequest& request, QWidget* owner) override;

    QList<Shown> shown;
    int unanswered = 0;

private:
    std::deque<MessageBoxAnswer> m_answers;
};
