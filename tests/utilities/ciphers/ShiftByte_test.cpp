#include "utilities/ciphers/ShiftByte.h"

#include "utilities/ciphers/cipher_window_test.h"

using namespace Qt::StringLiterals;

namespace {

class ShiftByteTest : public CipherWindowTest {
protected:
    ShiftByteTest() : window(open<ShiftByte>(MenuId::Mnu_Encrypt_ByteShift)) {}

    ShiftByte& window;
    QScrollBar* shift = control<QScrollBar>(window, "HScroll1");
};

TEST_F(ShiftByteTest, RotatesTheDocumentAndBackWhateverThePreviewShows) {
    EXPECT_EQ(window.windowTitle(), u"Bitový posun"_s);
    setDocument(u"A"_s);
    shift->setValue(1);
    EXPECT_EQ(control<QLabel>(window, "Label4")->text(), u"1"_s);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(documentBytes(), QByteArray("\x82"));
    click(window, "Command2");
    EXPECT_EQ(document(), u"A"_s);
    // Neither button shows the busy state.
    EXPECT_TRUE(platform.busyCursor.calls.isEmpty());

    auto* input = control<QPlainTextEdit>(window, "Text1");
    auto* output = control<QPlainTextEdit>(window, "Text2");
    QTest::keyClicks(input, u"A"_s);
    EXPECT_TRUE(output->toPlainText().isEmpty());
    click(control<QCheckBox>(window, "ChkFast"));
    EXPECT_EQ(EncodeAnsi(output->toPlainText()), QByteArray("\x82"));
    shift->setValue(4);
    EXPECT_EQ(output->toPlainText(), u"\u0014"_s);
    QTest::keyClicks(input, u"B"_s);
    EXPECT_EQ(output->toPlainText(), u"\u0014$"_s);
    EXPECT_EQ(document(), u"A"_s);
}

} // namespace
