#include "platform/testing/scripted_input_box.h"

std::optional<QString> ScriptedInputBox::ask(const QString& prompt, const QString& title,
                                             const QString& defaultText, QWidget* owner) {
    asked.append({prompt, title, defaultText, owner});
    if (m_answers.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    const bool cancelled = !m_answers.front().has_value();
    const QString text = m_answers.front().value_or(QString());
    m_answers.pop_front();
    return cancelled ? std::nullopt : std::optional(text);
}
