#include "colour/ApplyColorSet.h"

#include "core/text/editor_surface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr ColorValue Navy = RgbColor(0, 0, 128);
constexpr ColorValue Red = RgbColor(255, 0, 0);
constexpr ColorValue Blue = RgbColor(0, 0, 255);
constexpr ColorValue Green = RgbColor(0, 160, 0);
constexpr ColorValue Cream = RgbColor(255, 250, 220);

class ApplyColorSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        Program() = ProgramState{};
        Program().Applied.AppliedFontName = u"Courier New CE"_s;
    }
    void TearDown() override { Program() = ProgramState{}; }

    // A document as if just opened: text, selection, every character green,
    // and no "*" in the caption.
    void open(const QString& text, int selStart = 0, int selLength = 0) {
        EditorSurface& surface = MainSurface();
        surface.setText(text);
        surface.setSelStart(0);
        surface.setSelLength(surface.textLength());
        surface.setSelColor(Green);
        surface.setSelStart(selStart);
        surface.setSelLength(selLength);
        mainForm.documents().setCaption(u"/tmp/a.htm"_s, false);
    }

    [[nodiscard]] static ColorRuleSet set(const QList<ColorRule>& rules) {
        ColorRuleSet set;
        set.Rules = rules;
        set.DefaultTextColor = Navy;
        set.DefaultBackground = Cream;
        return set;
    }

    // Per character the letter of its colour: '.' the set's default, 'r', 'b',
    // 'g' (the colour before the run), '?' any other; '_' for the LF of a
    // CR LF, which shares the CR's look. Moves the selection.
    [[nodiscard]] static std::string colours() {
        EditorSurface& surface = MainSurface();
        const QString text = surface.text();
        std::string out;
        for (int p = 0; p < surface.textLength(); ++p) {
            if (p > 0 && text[p - 1] == u'\r' && text[p] == u'\n') {
                out += '_';
                continue;
            }
            surface.setSelStart(p);
            surface.setSelLength(1);
            const ColorValue c = surface.selColor();
            out += c == Navy ? '.' : c == Red ? 'r' : c == Blue ? 'b' : c == Green ? 'g' : '?';
        }
        return out;
    }

    TestPlatform platform;
    MainForm mainForm;
};

TEST_F(ApplyColorSetTest, ColoursEveryTagAndResetsTheRestWithTheBusyDisplay) {
    const QString text = u"<p>Dobrý <b>den</b></p>"_s;
    open(text, 3, 4);
    Program().Applied.AppliedBold = true;

    ApplyColorSet(set({{Red, u"<"_s, u">"_s}}), false, true);

    EXPECT_EQ(mainForm.panel(4)->text(), u"Aplikuji nastavení barev ..."_s);
    EXPECT_TRUE(mainForm.Status()->isHidden());
    const QList<std::pair<QWidget*, bool>> busy{{&mainForm, true}, {&mainForm, false}};
    EXPECT_EQ(platform.busyCursor.calls, busy);
    EXPECT_TRUE(MainSurface().isVisible());
    EXPECT_EQ(colours(), "rrr......rrr...rrrrrrrr");
    MainSurface().setSelStart(4);
    MainSurface().setSelLength(1);
    EXPECT_TRUE(MainSurface().selBold());
}

// The search itself is the core's; here the options, the selection and the
// CR LF positions reach it, and the document keeps its text and selection.
TEST_F(ApplyColorSetTest, OptionsSteerTheSearch) {
    struct Case {
        const char* name;
        QString text;
        int selStart, selLength;
        bool selectionOnly, ignoreCase;
        QList<ColorRule> rules;
        std::string expected;
    };
    const ColorRule tags{Red, u"<"_s, u">"_s};
    const ColorRule bold{Red, u"<B>"_s, u"<B>"_s};
    const ColorRule doubled{Red, u"<"_s, u">>"_s};
    const std::vector<Case> cases = {
        {"CR LF counts two", u"<a>\r\n<b\r\nc>"_s, 0, 0, false, true, {tags}, "rrr._rrr_rr"},
        {"empty selection", u"<a> <b>"_s, 2, 0, true, true, {tags, {Blue, {}, u">"_s}}, "......."},
        // A start before the selection is unused; an end on its last character runs past.
        {"selection", u"<a> <b>> <d>"_s, 1, 6, true, true, {doubled}, "....rrrr...."},
        {"ignoring case", u"<b>x<B>"_s, 0, 0, false, true, {bold}, "rrr.rrr"},
        {"matching case", u"<b>x<B>"_s, 0, 0, false, false, {bold}, "....rrr"},
        {"empty document", QString(), 0, 0, false, true, {tags}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open(c.text, c.selStart, c.selLength);
        ApplyColorSet(set(c.rules), c.selectionOnly, c.ignoreCase);
        EXPECT_EQ(MainSurface().text(), c.text);
        EXPECT_EQ(MainSurface().selStart(), c.selStart);
        EXPECT_EQ(MainSurface().selLength(), c.selLength);
        EXPECT_EQ(MainSurface().backColor(), Cream);
        EXPECT_EQ(Program().Applied.AppliedTextColor, Navy);
        EXPECT_FALSE(mainForm.documents().captionModified());
        EXPECT_EQ(mainForm.Status()->maximum(), c.rules.size() + 1);
        EXPECT_EQ(colours(), c.expected);
    }
}

// The colouring is no editing step and leaves the undo history as it was:
// the document is not marked modified, and undo afterwards (key or command)
// takes back the typing before it, never the colours.
TEST_F(ApplyColorSetTest, UndoAfterwardsTakesBackTheTypingNotTheColours) {
    open(u"<a>"_s, 3);
    MainSurface().setSelText(u"x"_s);
    mainForm.documents().setCaption(u"/tmp/a.htm"_s, false);
    QTextDocument* document = mainForm.Text1()->document();
    document->setModified(false);
    ApplyColorSet(set({{Red, u"<"_s, u">"_s}}), false, true);

    EXPECT_FALSE(document->isModified());
    EXPECT_FALSE(mainForm.documents().captionModified());
    EXPECT_TRUE(document->isUndoAvailable());
    QTest::keyClick(mainForm.Text1(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(MainSurface().text(), u"<a>"_s);
    EXPECT_EQ(colours(), "rrr");
    mainForm.Text1()->undo();

    EXPECT_EQ(MainSurface().text(), u"<a>"_s);
    EXPECT_TRUE(mainForm.documents().captionModified());
    EXPECT_EQ(colours(), "rrr");
}

} // namespace
