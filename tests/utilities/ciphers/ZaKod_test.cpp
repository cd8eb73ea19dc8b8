#include "utilities/ciphers/ZaKod.h"

#include "core/text/random_generator.h"
#include "core/utilities/code_ciphers.h"
#include "utilities/ciphers/cipher_window_test.h"

using namespace Qt::StringLiterals;

namespace {

class ZaKodTest : public CipherWindowTest {
protected:
    ZaKodTest() {
        // The entry needs text in the document.
        setDocument(u"Tajná zpráva\r\n"_s);
    }
};

TEST_F(ZaKodTest, TheSameKeyGivesTheSameStreamAndLeavesTheProgramsDrawsAlone) {
    ZaKod& window = open<ZaKod>(MenuId::mnucode);
    EXPECT_EQ(window.windowTitle(), u"Kódovat"_s);
    auto* key = control<QLineEdit>(window, "Text1");
    EXPECT_TRUE(key->text().isEmpty());
    QTest::keyClicks(key, u"0042x"_s);
    EXPECT_EQ(key->text(), u"42"_s);

    const QString plain = document();
    RandomGenerator expectedDraws = Rnd();
    QTest::keyClick(&window, Qt::Key_Return);
    const QString once = document();
    EXPECT_EQ(once, KeyedStream(plain, 42));
    EXPECT_EQ(form.panel(4)->text(), u"Aplikuji RND šifru ..."_s);
    EXPECT_TRUE(busyWentOnAndOff());
    EXPECT_EQ(Rnd().draw(), expectedDraws.draw());

    click(window, "Command1");
    EXPECT_EQ(document(), plain);
    // Draws in between change nothing.
    for (int draw = 0; draw < 7; ++draw)
        (void)Rnd().draw();
    click(window, "Command1");
    EXPECT_EQ(document(), once);

    // An emptied box counts as the key 0.
    key->clear();
    EXPECT_EQ(key->text(), u"0"_s);
    setDocument(plain);
    click(window, "Command1");
    EXPECT_EQ(document(), KeyedStream(plain, 0));
}

TEST_F(ZaKodTest, TheEntryNeedsText) {
    setDocument(QString());
    form.timer().tick();
    EXPECT_FALSE(form.menu().action(MenuId::mnucode)->isEnabled());
}

} // namespace
