#pragma once

#include "platform/message_box.h"

// The answer that risks nothing: what closing the box with Esc gives, or its
// first button where Esc gives none of its own (Abort of AbortRetryIgnore).
[[nodiscard]] MessageBoxAnswer SafeAnswer(MessageBoxButtons buttons);

// For the time nobody is there to answer, as while the desktop session ends:
// every box is written on standard error, its title and then its text, and
// takes its safe answer at once.
class UnattendedMessageBox : public MessageBoxService {
public:
    MessageBoxAnswer show(const MessageBoxRequest& request, QWidget* owner) override;
};

// From now on every box of the program goes to standard error and waits for
// nobody; the program is ending and no box may hold up its end.
void AnswerEveryBoxUnattended();
