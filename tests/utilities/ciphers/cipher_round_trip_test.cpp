#include "core/text/string_functions.h"
#include "core/utilities/cipher_texts.h"
#include "core/utilities/code_ciphers.h"
#include "core/utilities/letter_ciphers.h"
#include "platform/window_registry.h"
#include "utilities/ciphers/cipher_window_test.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Every cipher through its window and the real editing surface. The
// enciphered document must be exactly the cipher's output, which holds every
// code from 1 to 255 and lone CRs and LFs; deciphering must give the
// document back byte for byte.
class CipherRoundTrip : public CipherWindowTest {
protected:
    struct Cipher {
        const char* name;
        MenuId entry;
        // Sets the key in the opened window.
        std::function<void(QWidget&)> setKey;
        const char* encipherButton;
        const char* decipherButton;
        std::function<QString(const QString&)> encipher;
    };

    QWidget& openWindow(const Cipher& cipher) {
        form.timer().tick();
        form.menu().action(cipher.entry)->trigger();
        QWidget* window = Platform().windows->find(QString::fromLatin1(cipher.name));
        EXPECT_NE(window, nullptr) << cipher.name;
        return *window;
    }
};

TEST_F(CipherRoundTrip, EveryCipherGivesBackADocumentOfEveryCodeByteForByte) {
    const QString everyCode = EveryCode(1);
    // Any key gives the text back whole; this one writes both CR and LF.
    const int streamKey = 1;
    const Cipher ciphers[] = {
        {"ShiftKod", MenuId::mnu_encrypt_shift,
         [](QWidget& w) { control<QScrollBar>(w, "HScroll1")->setValue(5); }, "Command1",
         "Command2", [](const QString& t) { return ShiftCipher(t, 5); }},
        {"Confeld", MenuId::Mnu_Encrypt_Confeld,
         [](QWidget& w) { control<QLineEdit>(w, "Text1")->setText(u"9081726354"_s); }, "Command1",
         "Command2", [](const QString& t) { return CronfeldEncrypt(t, u"9081726354"_s); }},
        {"ShiftByte", MenuId::Mnu_Encrypt_ByteShift,
         [](QWidget& w) { control<QScrollBar>(w, "HScroll1")->setValue(3); }, "Command1",
         "Command2", [](const QString& t) { return RotateCharBits(t, 3); }},
        {"ZaKod", MenuId::mnucode,
         [streamKey](QWidget& w) {
             control<QLineEdit>(w, "Text1")->setText(QString::number(streamKey));
         },
         "Command1", "Command1",
         [streamKey](const QString& t) { return KeyedStream(t, streamKey); }},
    };
    for (const Cipher& cipher : ciphers) {
        SCOPED_TRACE(cipher.name);
        setDocument(everyCode);
        ASSERT_EQ(documentBytes(), EncodeAnsi(everyCode));
        QWidget& window = openWindow(cipher);
        cipher.setKey(window);
        click(window, cipher.encipherButton);
        const QString enciphered = cipher.encipher(everyCode);
        EXPECT_EQ(documentBytes(), EncodeAnsi(enciphered));
        EXPECT_TRUE(enciphered.contains(u'\r') && enciphered.contains(u'\n'));
        click(window, cipher.decipherButton);
        EXPECT_EQ(documentBytes(), EncodeAnsi(everyCode));
    }
}

// Random texts of every code, as the property tests of the cipher functions
// use, through the surface: what the window writes is what the function gives.
TEST_F(CipherRoundTrip, RandomTextsOfEveryCodeSurviveTheSurfaceBothWays) {
    QWidget& shift = openWindow({"ShiftByte", MenuId::Mnu_Encrypt_ByteShift, {}, "", "", {}});
    control<QScrollBar>(shift, "HScroll1")->setValue(1);
    for (const QString& text : RandomCodeTexts(1, 7)) {
        setDocument(text);
        click(shift, "Command1");
        ASSERT_EQ(documentBytes(), EncodeAnsi(RotateCharBits(text, 1)));
        click(shift, "Command2");
        ASSERT_EQ(documentBytes(), EncodeAnsi(text));
    }
    QWidget& stream = openWindow({"ZaKod", MenuId::mnucode, {}, "", "", {}});
    control<QLineEdit>(stream, "Text1")->setText(u"-77"_s);
    for (const QString& text : RandomCodeTexts(1, 8)) {
        if (text.isEmpty())
            continue;
        setDocument(text);
        click(stream, "Command1");
        const QString once = KeyedStream(text, -77);
        ASSERT_EQ(documentBytes(), EncodeAnsi(once));
        click(stream, "Command1");
        ASSERT_EQ(documentBytes(), EncodeAnsi(text));
    }
}

TEST_F(CipherRoundTrip, TheRandomCodeCipherGivesBackThePreparedDocument) {
    QWidget& window = openWindow({"RND_Sifra", MenuId::mnu_rnd_encrypt, {}, "", "", {}});
    click(window, "Command2");
    for (const QString& text : RandomCodeTexts(1, 9)) {
        setDocument(text);
        click(window, "Command1");
        click(window, "Command5");
        click(window, "Command1");
        click(window, "Command6");
        ASSERT_EQ(document(), PrepareCipherText(text));
    }
}

} // namespace
