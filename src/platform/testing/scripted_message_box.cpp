#include "platform/testing/scripted_message_box.h"

MessageBoxAnswer ScriptedMessageBox::show(const MessageBoxRequest& request, QWidget* owner) {
    shown.append({request, owner});
    if (m_answers.empty()) {
        ++unanswered;
        return DefaultAnswer(request);
    }
    const MessageBoxAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}
