#include "core/utilities/keypad_text.h"

namespace {

const QString Zero = QStringLiteral("0");

QString ZeroWhenEmpty(const QString& text) {
    return text.isEmpty() ? Zero : text;
}

} // namespace

QString TypeKey(const QString& text, QChar key) {
    return text == Zero ? QString(key) : text + key;
}

QString DropLastCharacter(const QString& text) {
    return ZeroWhenEmpty(text.chopped(std::min<qsizetype>(1, text.size())));
}

QString DropFirstCharacter(const QString& text) {
    return ZeroWhenEmpty(text.mid(1));
}
