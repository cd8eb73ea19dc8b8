#include "utilities/ciphers/ShiftKod.h"

#include "utilities/ciphers/cipher_window_test.h"

using namespace Qt::StringLiterals;

namespace {

class ShiftKodTest : public CipherWindowTest {
protected:
    ShiftKodTest() : window(open<ShiftKod>(MenuId::mnu_encrypt_shift)) {}

    ShiftKod& window;
    QScrollBar* shift = control<QScrollBar>(window, "HScroll1");
    QPlainTextEdit* input = control<QPlainTextEdit>(window, "Text1");
    QPlainTextEdit* output = control<QPlainTextEdit>(window, "Text2");
};

TEST_F(ShiftKodTest, ShiftsTheDocumentAndBackAndShowsTheShiftedAlphabet) {
    EXPECT_EQ(window.windowTitle(), u"Posunová šifra"_s);
    EXPECT_EQ(control<QLabel>(window, "Label2")->text(), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s);
    shift->setValue(13);
    EXPECT_EQ(control<QLabel>(window, "Label4")->text(), u"13"_s);
    EXPECT_EQ(control<QLabel>(window, "Label2")->text(), u"NOPQRSTUVWXYZABCDEFGHIJKLM"_s);

    setDocument(u"Abc xyz\r\nŽluťoučký"_s);
    shift->setValue(3);
    platform.busyCursor.calls.clear();
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(document(), u"Def abc\r\nŽoxťrxčný"_s);
    EXPECT_TRUE(busyWentOnAndOff());
    EXPECT_EQ(form.panel(4)->text(), u"Aplikuji Shiftovou šifru ..."_s);
    click(window, "Command2");
    EXPECT_EQ(document(), u"Abc xyz\r\nŽluťoučký"_s);
    EXPECT_TRUE(input->toPlainText().isEmpty());
}

TEST_F(ShiftKodTest, RychlotextWorksOnThePreviewBoxesAndLeavesTheDocument) {
    setDocument(u"document"_s);
    shift->setValue(1);
    // The preview follows typing whether the box is ticked or not.
    QTest::keyClicks(input, u"Zebra"_s);
    EXPECT_EQ(output->toPlainText(), u"Afcsb"_s);
    shift->setValue(2);
    EXPECT_EQ(output->toPlainText(), u"Afcsb"_s);
    click(control<QCheckBox>(window, "Check1"));
    EXPECT_EQ(output->toPlainText(), u"Bgdtc"_s);
    shift->setValue(3);
    EXPECT_EQ(output->toPlainText(), u"Cheud"_s);
    click(window, "Command2");
    EXPECT_EQ(output->toPlainText(), u"Wbyox"_s);
    EXPECT_EQ(document(), u"document"_s);
}

TEST_F(ShiftKodTest, RandomShiftStaysInRangeAndTheCloseBoxUnloads) {
    for (int press = 0; press < 40; ++press) {
        click(window, "Command4");
        ASSERT_GE(shift->value(), 0);
        ASSERT_LE(shift->value(), 26);
        EXPECT_EQ(control<QLabel>(window, "Label4")->text(), QString::number(shift->value()));
    }
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(LoadedWindowIfAny<ShiftKod>(), &window);
    window.show();
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(LoadedWindowIfAny<ShiftKod>(), nullptr);
}

} // namespace
