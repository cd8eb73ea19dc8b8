#include "core/utilities/typed_keys.h"

std::optional<QString> TypedKeyText(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return QStringLiteral("\r");
    if (text.size() != 1 || !text.front().isPrint())
        return std::nullopt;
    return text;
}
