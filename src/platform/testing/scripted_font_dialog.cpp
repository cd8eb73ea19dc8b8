#include "platform/testing/scripted_font_dialog.h"

std::optional<FontChoice> ScriptedFontDialog::choose(const FontChoice& initial, QWidget* owner) {
    asked.append({initial, owner});
    if (m_answers.empty())
        return std::nullopt;
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer.confirmed ? std::optional(answer.font) : std::nullopt;
}
