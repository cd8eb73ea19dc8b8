#include "core/utilities/typed_keys.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What a key typed into the code table or the keyboard passes to the document.
TEST(TypedKeys, OnlyPrintableCharactersAndEnterPass) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::optional<QString> passed;
    } cases[] = {
        {Qt::Key_A, Qt::NoModifier, u"a"_s, u"a"_s},
        {Qt::Key_A, Qt::ShiftModifier, u"A"_s, u"A"_s},
        {Qt::Key_Egrave, Qt::NoModifier, u"č"_s, u"č"_s},
        {Qt::Key_Space, Qt::NoModifier, u" "_s, u" "_s},
        {Qt::Key_5, Qt::KeypadModifier, u"5"_s, u"5"_s},
        {Qt::Key_Return, Qt::NoModifier, u"\r"_s, u"\r"_s},
        {Qt::Key_Enter, Qt::KeypadModifier, u"\r"_s, u"\r"_s},
        {Qt::Key_Backspace, Qt::NoModifier, u"\b"_s, {}},
        {Qt::Key_Delete, Qt::NoModifier, u"\x7f"_s, {}},
        {Qt::Key_Tab, Qt::NoModifier, u"\t"_s, {}},
        {Qt::Key_Escape, Qt::NoModifier, u"\x1b"_s, {}},
        {Qt::Key_C, Qt::ControlModifier, u"\x03"_s, {}},
        {Qt::Key_Return, Qt::ControlModifier, u"\r"_s, {}},
        {Qt::Key_X, Qt::AltModifier, u"x"_s, {}},
        {Qt::Key_Left, Qt::NoModifier, QString(), {}},
        {Qt::Key_Shift, Qt::ShiftModifier, QString(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedKeyText(c.key, c.modifiers, c.text), c.passed) << c.key;
}

} // namespace
