#pragma once

#include <QList>
#include <QString>

class QWidget;

enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageBoxIcon { None, Stop, Question, Exclamation, Information };
enum class MessageBoxAnswer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

struct MessageBoxRequest {
    QString text;
    QString title;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
    MessageBoxIcon icon = MessageBoxIcon::None;
    // 1, 2 or 3: the first, second or third button.
    int defaultButton = 1;
};

// The answers of the buttons, in the order they are numbered.
[[nodiscard]] QList<MessageBoxAnswer> ButtonAnswers(MessageBoxButtons buttons);
// The answer of the default button; a number past the last button means the first.
[[nodiscard]] MessageBoxAnswer DefaultAnswer(const MessageBoxRequest& request);
// The answer when the box is closed with Esc or its close button.
[[nodiscard]] MessageBoxAnswer EscapeAnswer(MessageBoxButtons buttons);

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MessageBoxAnswer show(const MessageBoxRequest& request, QWidget* owner) = 0;
};

// The box belongs to the window it is raised from (see ExecForOpener), which
// is active again once it is answered; owner stands in when no window is.
class QtMessageBoxService : public MessageBoxService {
public:
    MessageBoxAnswer show(const MessageBoxRequest& request, QWidget* owner) override;
};
