#include "utilities/ciphers/CHT.h"

#include "core/text/random_generator.h"
#include "core/utilities/code_ciphers.h"
#include "utilities/ciphers/cipher_window_test.h"

using namespace Qt::StringLiterals;

namespace {

using CHTTest = CipherWindowTest;

TEST_F(CHTTest, ShowsTheSetsAndWritesEachLetterAsOneOfItsLookAlikes) {
    CHT& window = open<CHT>(MenuId::Mnu_Hack_cry);
    EXPECT_EQ(window.windowTitle(), u"C.H.T: (common hacker transcription)"_s);
    auto* overview = control<QPlainTextEdit>(window, "Text1");
    EXPECT_TRUE(overview->isReadOnly());
    const QStringList lines = overview->toPlainText().split(u'\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.at(0), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s);
    EXPECT_EQ(lines.at(2), u"&8(>3[6#1?<7~%09  5+ ^M*/2"_s);

    const QString plain = u"QRUqru Ahoj 42, Žluť!\r\n"_s;
    setDocument(plain);
    RandomGenerator draws = Rnd();
    click(window, "Command1");
    EXPECT_EQ(document(), LookAlikeTranscription(plain, draws));
    EXPECT_EQ(document().left(6).toUpper(), u"QRUQRU"_s);
    EXPECT_EQ(document().mid(11, 6), u" 42, Ž"_s);
    EXPECT_EQ(document().mid(19), u"ť!\r\n"_s);
    EXPECT_TRUE(platform.busyCursor.calls.isEmpty());

    click(window, "Command2");
    EXPECT_FALSE(window.isVisible());
}

} // namespace
