#include "utilities/ciphers/Confeld.h"

#include "utilities/ciphers/cipher_window_test.h"

using namespace Qt::StringLiterals;

namespace {

class ConfeldTest : public CipherWindowTest {
protected:
    ConfeldTest() : window(open<Confeld>(MenuId::Mnu_Encrypt_Confeld)) {}

    Confeld& window;
    QLineEdit* key = control<QLineEdit>(window, "Text1");
};

TEST_F(ConfeldTest, TheKeyBoxKeepsTheNumberTypedAndTheRandomKeyHasFifteenDigits) {
    EXPECT_EQ(window.windowTitle(), u"Cronfeldův systém"_s);
    EXPECT_EQ(key->text(), u"0"_s);
    const std::pair<QString, QString> cases[] = {{u"007"_s, u"7"_s},
                                                 {u"12abc"_s, u"12"_s},
                                                 {u"abc"_s, u"0"_s},
                                                 {u"1234567890123456789"_s, u"123456789012345"_s}};
    for (const auto& [typed, kept] : cases) {
        key->clear();
        QTest::keyClicks(key, typed);
        EXPECT_EQ(key->text(), kept) << typed.toStdString();
    }
    for (int press = 0; press < 20; ++press) {
        click(window, "Command4");
        ASSERT_EQ(key->text().size(), 15);
        EXPECT_NE(key->text().front(), u'0');
    }
}

TEST_F(ConfeldTest, EncryptsTheDocumentOrThePreviewAndDecryptsItBack) {
    key->setText(u"12"_s);
    setDocument(u"a a"_s);
    click(window, "Command1");
    EXPECT_EQ(document(), u"b b"_s);
    EXPECT_EQ(form.panel(4)->text(), u"Aplikuji Cronfeldovu šifru ..."_s);
    click(window, "Command2");
    EXPECT_EQ(document(), u"a a"_s);
    EXPECT_EQ(form.panel(4)->text(), u"Dešifruji Cronfeldovým systémem ..."_s);
    EXPECT_TRUE(busyWentOnAndOff());

    click(control<QCheckBox>(window, "Check1"));
    QTest::keyClicks(control<QPlainTextEdit>(window, "Text3"), u"Zz"_s);
    auto* output = control<QPlainTextEdit>(window, "Text2");
    // Typing alone does not refresh the output.
    EXPECT_TRUE(output->toPlainText().isEmpty());
    click(window, "Command1");
    EXPECT_EQ(output->toPlainText(), u"Ab"_s);
    click(window, "Command2");
    EXPECT_EQ(output->toPlainText(), u"Yx"_s);
    EXPECT_EQ(document(), u"a a"_s);
}

} // namespace
