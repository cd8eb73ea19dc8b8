#include "utilities/calculator/Kalkul.h"

#include "core/text/editor_surface.h"
#include "platform/surface/RichEditSurface.h"
#include "shell/main_window/MainMenu.h"
#include "utilities/calculator/Prev.h"
#include "utilities/utilities_window_test.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class KalkulTest : public UtilitiesWindowTest {
protected:
    Kalkul& open() {
        form.menu().action(MenuId::mnucalk)->trigger();
        Kalkul* calculator = LoadedWindowIfAny<Kalkul>();
        EXPECT_NE(calculator, nullptr);
        return *calculator;
    }
    // Clicks the keys by caption, blank-separated, without their "&".
    static void type(const Kalkul& calculator, const QString& keys) {
        for (const QString& caption : keys.split(u' ', Qt::SkipEmptyParts)) {
            QPushButton* found = nullptr;
            // Its own keys: alone it owns the converter, which has digit keys too.
            for (QPushButton* button :
                 calculator.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (button->text().remove(u'&') == caption)
                    found = button;
            }
            ASSERT_NE(found, nullptr) << caption.toStdString();
            click(found);
        }
    }
    [[nodiscard]] static bool operatorsEnabled(const Kalkul& calculator) {
        for (const QPushButton* key : calculator.operatorKeys()) {
            if (key->isEnabled() != calculator.operatorKeys().front()->isEnabled())
                ADD_FAILURE() << "operator keys differ";
        }
        EXPECT_NE(calculator.operatorKeys().front()->isEnabled(),
                  calculator.Command16()->isEnabled());
        return calculator.operatorKeys().front()->isEnabled();
    }
};

TEST_F(KalkulTest, F7ShowsItModelessAboveTheEditor) {
    EXPECT_TRUE(form.menu().action(MenuId::mnucalk)->isEnabled());
    EXPECT_EQ(form.menu().action(MenuId::mnucalk)->shortcut(), QKeySequence(Qt::Key_F7));
    Kalkul& calculator = open();
    EXPECT_TRUE(calculator.isVisible());
    EXPECT_FALSE(calculator.isModal());
    EXPECT_EQ(calculator.parentWidget(), &form);
    EXPECT_EQ(calculator.windowTitle(), u"Tarvel Qor - Kalkulátor"_s);
    EXPECT_EQ(calculator.Cislo()->text(), u"0"_s);
    EXPECT_TRUE(calculator.Cislo()->isReadOnly());
    EXPECT_EQ(calculator.Command19()->text(), u"&Vlož"_s);
    EXPECT_EQ(calculator.Command20()->text(), u"&Zavři"_s);
    EXPECT_EQ(calculator.Command35()->toolTip(), u"Převod mezi hex a dec"_s);
    EXPECT_TRUE(operatorsEnabled(calculator));
}

// Each key reaches its work; the exact outputs are the calculator's own tests.
TEST_F(KalkulTest, KeysComputeAndOperatorsWaitForEquals) {
    const struct {
        const char16_t* keys;
        const char16_t* display;
    } cases[] = {
        {u"1 2 3 4 5 6 7 8 9 0 << >>", u"23456789"},
        {u"2 x^y 1 0 =", u"1024"},
        {u"8 log 2 =", u"3"},
        {u"0 , 1 + 0 , 2 =", u"0,3"},
        {u"9 - 5 0 = Abs", u"41"},
        {u"6 * 7 =", u"42"},
        {u"1 / 4 =", u"0,25"},
        {u"5 + 3 CE 2 =", u"7"},
        {u"1 6 Odmocnina Mocnina", u"16"},
        {u"3 0 Sinus", u"0,5"},
        {u"6 0 Cosinus", u"0,500000000000001"},
        {u"4 5 Tangens", u"0,999999999999998"},
        {u"4 5 Cotangens", u"1"},
        {u"2 , 7 Int", u"3"},
        {u"PI", u"3,14159265358979"},
        {u"e", u"2,718282"},
    };
    for (const auto& c : cases) {
        Kalkul calculator(&form);
        type(calculator, QString::fromUtf16(c.keys));
        EXPECT_EQ(calculator.Cislo()->text().toStdString(),
                  QString::fromUtf16(c.display).toStdString())
            << QString::fromUtf16(c.keys).toStdString();
        EXPECT_TRUE(operatorsEnabled(calculator));
    }
    EXPECT_TRUE(platform.messageBox.shown.isEmpty()) << boxesShown().join(u'\n').toStdString();

    Kalkul& calculator = open();
    type(calculator, u"1 2 +"_s);
    EXPECT_FALSE(operatorsEnabled(calculator));
    EXPECT_EQ(calculator.Cislo()->text(), u"0"_s);
    type(calculator, u"3 ="_s);
    EXPECT_TRUE(operatorsEnabled(calculator));
    EXPECT_EQ(calculator.Cislo()->text(), u"15"_s);
}

TEST_F(KalkulTest, RandomKeyShowsANumberFromZeroBelowOne) {
    Kalkul& calculator = open();
    for (int draw = 0; draw < 20; ++draw) {
        type(calculator, u"rnd"_s);
        const QString shown = calculator.Cislo()->text();
        EXPECT_TRUE(shown == u"0"_s || shown.startsWith(u"0,"_s) || shown.contains(u"E-"_s))
            << shown.toStdString();
        EXPECT_LE(shown.size(), 12) << shown.toStdString();
    }
}

TEST_F(KalkulTest, DivisionByZeroIsToldAndTheKeysRecover) {
    Kalkul& calculator = open();
    type(calculator, u"1 / 0 ="_s);
    EXPECT_EQ(boxesShown(), QStringList{u"Dělení: Není možno dělit nulou"_s});
    EXPECT_EQ(calculator.Cislo()->text(), u"0"_s);
    EXPECT_TRUE(operatorsEnabled(calculator));
    type(calculator, u"4 + 2 ="_s);
    EXPECT_EQ(calculator.Cislo()->text(), u"6"_s);
}

// Every failure is reported in the error box; the display keeps its text and
// a failed "=" leaves no operation pending.
TEST_F(KalkulTest, FailuresAreReportedAndTheDisplayStaysUsable) {
    const struct {
        const char16_t* keys;
        const char16_t* display;
        const char16_t* code;
    } cases[] = {
        {u"0 Cotangens", u"0", u"Kód: 11"},       {u"8 log 1 =", u"1", u"Kód: 11"},
        {u"0 - 4 = Odmocnina", u"-4", u"Kód: 5"}, {u"1 0 x^y 4 0 0 =", u"400", u"Kód: 6"},
        {u"0 - 5 = << +", u"-", u"Kód: 13"},
    };
    for (const auto& c : cases) {
        platform.messageBox.shown.clear();
        Kalkul calculator(&form);
        type(calculator, QString::fromUtf16(c.keys));
        const std::string keys = QString::fromUtf16(c.keys).toStdString();
        EXPECT_EQ(calculator.Cislo()->text().toStdString(),
                  QString::fromUtf16(c.display).toStdString())
            << keys;
        ASSERT_EQ(platform.messageBox.shown.size(), 1) << keys;
        EXPECT_EQ(platform.messageBox.shown.front().request.title, u"Chyba"_s) << keys;
        EXPECT_TRUE(
            platform.messageBox.shown.front().request.text.contains(QString::fromUtf16(c.code)))
            << platform.messageBox.shown.front().request.text.toStdString();
        EXPECT_TRUE(operatorsEnabled(calculator)) << keys;
        // Still usable: a fresh calculation goes through.
        type(calculator, u"CE 2 + 2 ="_s);
        EXPECT_EQ(calculator.Cislo()->text(), u"4"_s) << keys;
    }
}

// With the focus on a key or on the display, a key's access character typed
// without Alt presses it.
TEST_F(KalkulTest, AccessCharactersPressTheKeysWithoutAlt) {
    RichEditSurface& surface = form.surface();
    surface.setText(u"= "_s);
    surface.setSelStart(2);
    Kalkul& calculator = open();
    for (QWidget* focus : {static_cast<QWidget*>(calculator.Command16()),
                           static_cast<QWidget*>(calculator.Cislo())}) {
        QTest::keyClicks(focus, u"12+30="_s);
        EXPECT_EQ(calculator.Cislo()->text(), u"42"_s);
        QTest::keyClick(focus, Qt::Key_C, Qt::NoModifier); // "&CE"
        EXPECT_EQ(calculator.Cislo()->text(), u"0"_s);
    }
    QTest::keyClicks(calculator.Command16(), u"7v"_s);
    EXPECT_EQ(surface.text(), u"= 7"_s);
}

TEST_F(KalkulTest, VlozInsertsTheNumberBeforeTheSelection) {
    RichEditSurface& surface = form.surface();
    surface.setText(u"cena  Kč"_s);
    surface.setSelStart(5);
    surface.setSelLength(3);
    Kalkul& calculator = open();
    type(calculator, u"1 2 , 5"_s);
    click(calculator.Command19());
    EXPECT_EQ(surface.text(), u"cena 12,5 Kč"_s);
    EXPECT_TRUE(calculator.isVisible());
    EXPECT_TRUE(platform.clipboard.text().isEmpty());
}

TEST_F(KalkulTest, ZavriAndEscHideItWithTheConverterAndKeepTheCalculation) {
    Kalkul& calculator = open();
    type(calculator, u"4 2 +"_s);
    click(calculator.Command35());
    Prev* converter = LoadedWindowIfAny<Prev>();
    ASSERT_NE(converter, nullptr);
    EXPECT_TRUE(converter->isVisible());
    EXPECT_EQ(converter->parentWidget(), &form);

    click(calculator.Command20());
    EXPECT_FALSE(calculator.isVisible());
    EXPECT_FALSE(converter->isVisible());
    EXPECT_EQ(&open(), &calculator);
    EXPECT_TRUE(calculator.isVisible());
    type(calculator, u"1 ="_s);
    EXPECT_EQ(calculator.Cislo()->text(), u"43"_s);

    click(calculator.Command35());
    QTest::keyClick(&calculator, Qt::Key_Escape);
    EXPECT_FALSE(calculator.isVisible());
    EXPECT_FALSE(converter->isVisible());
    EXPECT_EQ(LoadedWindowIfAny<Kalkul>(), &calculator);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(KalkulTest, ClosingItFromTheTitleBarStartsAfreshNextTime) {
    Kalkul& calculator = open();
    type(calculator, u"7 +"_s);
    click(calculator.Command35());
    const QPointer<Prev> converter = LoadedWindowIfAny<Prev>();
    calculator.close();
    EXPECT_FALSE(converter->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(LoadedWindowIfAny<Kalkul>(), nullptr);
    EXPECT_FALSE(converter.isNull());
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());

    Kalkul& fresh = open();
    EXPECT_EQ(fresh.Cislo()->text(), u"0"_s);
    EXPECT_TRUE(operatorsEnabled(fresh));
}

class KalkulAloneTest : public KalkulTest {
protected:
    KalkulAloneTest() {
        Program().StartMode = u"C"_s;
        Program().EndProgram = [this] { ++ends; };
        ShowCalculatorAlone();
    }
    ~KalkulAloneTest() override { delete LoadedWindowIfAny<Kalkul>(); }

    [[nodiscard]] static Kalkul& calculator() { return *LoadedWindowIfAny<Kalkul>(); }
    void expectQuestion() {
        ASSERT_EQ(platform.messageBox.shown.size(), 1);
        const MessageBoxRequest& question = platform.messageBox.shown.front().request;
        EXPECT_EQ(question.text, u"OPRAVDU UKONČIT Kalkulačku (Tarvel Qor) ?"_s);
        EXPECT_EQ(question.title, u"Konec"_s);
        EXPECT_EQ(question.buttons, MessageBoxButtons::YesNo);
        EXPECT_EQ(question.icon, MessageBoxIcon::Stop);
        EXPECT_EQ(question.defaultButton, 2);
    }

    int ends = 0;
};

TEST_F(KalkulAloneTest, ShownWithoutOwnerAndClipGoesToTheClipboard) {
    ASSERT_NE(LoadedWindowIfAny<Kalkul>(), nullptr);
    EXPECT_TRUE(calculator().isVisible());
    EXPECT_EQ(calculator().parentWidget(), nullptr);
    EXPECT_EQ(calculator().Command19()->text(), u"&Clip"_s);
    EXPECT_EQ(calculator().Command20()->text(), u"&Quit"_s);
    form.surface().setText(u"dopis"_s);
    type(calculator(), u"2 x^y 8 ="_s);
    click(calculator().Command19());
    EXPECT_EQ(platform.clipboard.text(), u"256"_s);
    EXPECT_EQ(form.surface().text(), u"dopis"_s);
}

TEST_F(KalkulAloneTest, TheConverterBelongsToTheCalculator) {
    click(calculator().Command35());
    ASSERT_NE(LoadedWindowIfAny<Prev>(), nullptr);
    EXPECT_EQ(LoadedWindowIfAny<Prev>()->parentWidget(), &calculator());
    EXPECT_TRUE(LoadedWindowIfAny<Prev>()->isVisible());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(KalkulAloneTest, QuitAsksAndNoKeepsItRunning) {
    type(calculator(), u"6 *"_s);
    click(calculator().Command35());
    platform.messageBox.queue(MessageBoxAnswer::No);
    click(calculator().Command20());
    expectQuestion();
    EXPECT_TRUE(calculator().isVisible());
    EXPECT_FALSE(LoadedWindowIfAny<Prev>()->isVisible());
    EXPECT_EQ(ends, 0);
    EXPECT_FALSE(Program().Ending);
    type(calculator(), u"7 ="_s);
    EXPECT_EQ(calculator().Cislo()->text(), u"42"_s);
}

TEST_F(KalkulAloneTest, EscAndTheCloseBoxAskTooAndYesEndsTheProgram) {
    platform.messageBox.queue(MessageBoxAnswer::No);
    QTest::keyClick(&calculator(), Qt::Key_Escape);
    expectQuestion();
    EXPECT_TRUE(calculator().isVisible());

    platform.messageBox.shown.clear();
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    calculator().close();
    expectQuestion();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(Program().Ending);
    EXPECT_FALSE(calculator().isVisible());
}

} // namespace
