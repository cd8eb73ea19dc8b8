#include "utilities/keyboard/Klavesnice.h"

#include "core/text/editor_surface.h"
#include "platform/surface/RichEditSurface.h"
#include "utilities/utilities_window_test.h"

using namespace Qt::StringLiterals;

namespace {

class KlavesniceTest : public UtilitiesWindowTest {
protected:
    Klavesnice& open() { return openFromMenu<Klavesnice>(MenuId::mnuklavesnice); }
    // Clicks keys given blank-separated: a character key by its caption, or
    // Shift, LeftShift, Caps, Enter, NumEnter, Tab.
    static void press(const Klavesnice& keyboard, const QString& keys) {
        for (const QString& name : keys.split(u' ', Qt::SkipEmptyParts)) {
            QPushButton* key = name == u"Shift"_s       ? keyboard.Check1()
                               : name == u"LeftShift"_s ? keyboard.Check2()
                               : name == u"Caps"_s      ? keyboard.chkCaps()
                               : name == u"Enter"_s     ? keyboard.Command51()
                               : name == u"NumEnter"_s  ? keyboard.Command1()
                               : name == u"Tab"_s       ? keyboard.Command2()
                                                        : characterKey(keyboard, name);
            click(key);
        }
    }
    static QPushButton* characterKey(const Klavesnice& keyboard, const QString& caption) {
        for (int index = 0; index < 64; ++index) {
            if (keyboard.CmnChar(index)->text() == caption)
                return keyboard.CmnChar(index);
        }
        ADD_FAILURE() << caption.toStdString();
        return nullptr;
    }
};

TEST_F(KlavesniceTest, KeysTypeTheirCaptionsWithShiftAndCaps) {
    const struct {
        const char16_t* keys;
        const char16_t* typed;
        bool shiftAfter;
    } cases[] = {
        {u"Shift č e", u"Če", false},
        {u"LeftShift ů", u"Ů", false},
        {u"Caps a b", u"AB", true},
        {u"Caps a Caps b", u"Ab", false},
        {u"Shift 1 a", u"1a", false},
        {u"Caps Shift a", u"a", false},
        {u"Enter NumEnter Tab", u"\r\n\r\n\t", false},
        {u"; ť % \\ ( ) ! ? , . / * - + = 0 9", u";ť%\\()!?,./*-+=09", false},
    };
    for (const auto& c : cases) {
        Klavesnice keyboard(&form);
        form.surface().setText(QString());
        press(keyboard, QString::fromUtf16(c.keys));
        EXPECT_EQ(form.surface().text(), QString::fromUtf16(c.typed));
        EXPECT_EQ(keyboard.Check1()->isChecked(), c.shiftAfter);
        EXPECT_EQ(keyboard.Check2()->isChecked(), c.shiftAfter);
    }
}

TEST_F(KlavesniceTest, TypesAtTheCaretAndKeepsTheSelectedText) {
    Klavesnice& keyboard = open();
    EXPECT_EQ(keyboard.windowTitle(), u"Klávesnice"_s);
    for (QPushButton* key : keyboard.findChildren<QPushButton*>())
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus) << key->text().toStdString();
    form.surface().setText(u"abcd"_s);
    form.surface().setSelStart(1);
    form.surface().setSelLength(2);
    press(keyboard, u"x"_s);
    EXPECT_EQ(form.surface().text(), u"axbcd"_s);
    EXPECT_EQ(form.surface().selLength(), 0);
}

// The real keyboard: printable characters, in capitals while Shift is down,
// and Enter as a lone CR; control keys type nothing; Esc hides the window.
TEST_F(KlavesniceTest, RealKeysTypeIntoTheEditor) {
    Klavesnice& keyboard = open();
    form.surface().setText(QString());
    QTest::keyClick(&keyboard, Qt::Key_A);
    QTest::keyClick(&keyboard, Qt::Key_Return);
    QTest::keyClick(&keyboard, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&keyboard, Qt::Key_Backspace);
    QTest::keyClick(&keyboard, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&keyboard, Qt::Key_Tab);
    QTest::keyClick(&keyboard, Qt::Key_Space);
    EXPECT_EQ(form.surface().text(), u"a\r\r "_s);
    press(keyboard, u"Shift"_s);
    QTest::keyClick(&keyboard, Qt::Key_B);
    QTest::keyClick(&keyboard, Qt::Key_C);
    EXPECT_EQ(form.surface().text(), u"a\r\r BC"_s);
    EXPECT_TRUE(keyboard.Check1()->isChecked());

    QTest::keyClick(&keyboard, Qt::Key_Escape);
    EXPECT_FALSE(keyboard.isVisible());
    // Hidden, not unloaded: Shift is still down when it comes back.
    EXPECT_TRUE(open().Check2()->isChecked());
}

} // namespace
