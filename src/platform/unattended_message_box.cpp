#include "platform/unattended_message_box.h"

#include "platform/platform.h"

#include <cstdio>

MessageBoxAnswer SafeAnswer(MessageBoxButtons buttons) {
    const QList<MessageBoxAnswer> answers = ButtonAnswers(buttons);
    const MessageBoxAnswer escape = EscapeAnswer(buttons);
    return answers.contains(escape) ? escape : answers.first();
}

MessageBoxAnswer UnattendedMessageBox::show(const MessageBoxRequest& request, QWidget*) {
    QString told = request.title + QLatin1Char('\n') + request.text;
    told.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // An empty line after each box, so one tells where the next begins.
    told += told.endsWith(QLatin1Char('\n')) ? QStringLiteral("\n") : QStringLiteral("\n\n");
    std::fputs(told.toUtf8().constData(), stderr);
    std::fflush(stderr);
    return SafeAnswer(request.buttons);
}

void AnswerEveryBoxUnattended() {
    static UnattendedMessageBox unattended;
    Platform().messageBox = &unattended;
}
