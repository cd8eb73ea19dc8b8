#include "core/shell/status_panels.h"

#include "core/testing/MemorySurface.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(StatusOfTheEditor, ShowsCountsPositionAndLines) {
    // Seven CR LF lines "a" to "g"; line n starts at 3 * (n - 1).
    const QString seven = u"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng"_s;
    const QString digits = u"0123456789"_s.repeated(7);
    const struct {
        const char* name;
        QString text;
        int selStart, selLength;
        QString panel1, panel2, panel3, panel4;
    } cases[] = {
        {"empty document", u""_s, 0, 0, u"Počet znaků : 0"_s, u"Pozice kurzoru : 0"_s,
         u"Řádek 1 z 1"_s, u""_s},
        {"caret in the fourth line", seven, 10, 0, u"Počet znaků : 19"_s, u"Pozice kurzoru : 10"_s,
         u"Řádek 4 z 7"_s, u""_s},
        {"caret at the end", seven, 19, 0, u"Počet znaků : 19"_s, u"Pozice kurzoru : 19"_s,
         u"Řádek 7 z 7"_s, u""_s},
        {"selection over lines 1 to 3", seven, 0, 7, u"Znaky Výběru : 7"_s, u"Pozice výběru : 0"_s,
         u"Řádky 1-3 z 7"_s, u"a\r\nb\r\nc"_s},
        {"selection ending after CR LF", seven, 3, 3, u"Znaky Výběru : 3"_s, u"Pozice výběru : 3"_s,
         u"Řádky 2-3 z 7"_s, u"b\r\n"_s},
        {"selection ending after a lone LF", u"x\ny\nz"_s, 2, 2, u"Znaky Výběru : 2"_s,
         u"Pozice výběru : 2"_s, u"Řádky 2-3 z 3"_s, u"y\n"_s},
        {"selection inside one line", u"Ahoj\r\nsvěte"_s, 6, 5, u"Znaky Výběru : 5"_s,
         u"Pozice výběru : 6"_s, u"Řádky 2-2 z 2"_s, u"světe"_s},
        {"long selection shows its first fifty", digits, 5, 60, u"Znaky Výběru : 60"_s,
         u"Pozice výběru : 5"_s, u"Řádky 1-1 z 1"_s, digits.mid(5, 50)},
    };
    for (const auto& c : cases) {
        MemorySurface surface;
        surface.setText(c.text);
        surface.setSelStart(c.selStart);
        surface.setSelLength(c.selLength);
        const Panel4Picture picture =
            c.panel4.isEmpty() ? Panel4Picture::Empty : Panel4Picture::Selection;
        EXPECT_EQ(ComposeStatusPanels(ReadEditorStatus(surface)),
                  (StatusPanels{c.panel1, c.panel2, c.panel3, c.panel4, u"Výběr"_s, picture}))
            << c.name;
    }
}

TEST(StatusPanels, Panel4ShowsTheSelectionElseTheClipboardText) {
    const QString clip = u"Obsah schránky, delší než padesát znaků, a přes řádky\r\ndruhý"_s;
    const struct {
        const char* name;
        int selLength;
        QString selectionHead;
        bool clipboardHasText;
        QString clipboardText;
        QString panel4, tip;
        Panel4Picture picture;
    } cases[] = {
        {"whole clipboard text", 0, u""_s, true, clip, clip, u"Schránka"_s,
         Panel4Picture::Clipboard},
        {"empty clipboard text", 0, u""_s, true, u""_s, u""_s, u"Schránka"_s, Panel4Picture::Empty},
        {"clipboard without text", 0, u""_s, false, u"stale"_s, u""_s, u"Výběr"_s,
         Panel4Picture::Empty},
        {"selection wins", 3, u"oj "_s, true, u"schránka"_s, u"oj "_s, u"Výběr"_s,
         Panel4Picture::Selection},
    };
    for (const auto& c : cases) {
        StatusInputs in;
        in.textLength = 12;
        in.selStart = 4;
        in.selLength = c.selLength;
        in.selectionHead = c.selectionHead;
        in.clipboardHasText = c.clipboardHasText;
        in.clipboardText = c.clipboardText;
        const StatusPanels panels = ComposeStatusPanels(in);
        EXPECT_EQ(panels.panel4, c.panel4) << c.name;
        EXPECT_EQ(panels.panel4ToolTip, c.tip) << c.name;
        EXPECT_EQ(panels.picture, c.picture) << c.name;
    }
}

// Fails the test if the whole text or the whole selection is built.
class CountingSurface : public MemorySurface {
public:
    [[nodiscard]] QString text() const override {
        ADD_FAILURE() << "text() read";
        return MemorySurface::text();
    }
    [[nodiscard]] QString selText() const override {
        ADD_FAILURE() << "selText() read";
        return MemorySurface::selText();
    }
};

TEST(StatusPanels, ReadingTheEditorBuildsNeitherTextNorSelection) {
    CountingSurface surface;
    surface.setText(u"řádek\r\n"_s.repeated(1000));
    surface.setSelStart(7);
    surface.setSelLength(7000);
    const StatusInputs in = ReadEditorStatus(surface);
    EXPECT_EQ(in.selectionHead, u"řádek\r\n"_s.repeated(8).left(50));
    EXPECT_EQ(in.startLine, 1);
    EXPECT_EQ(in.endLine, 1000);
    EXPECT_EQ(in.lineCount, 1001);
}

TEST(PanelDisplayText, ShowsOneLineOfWhatFits) {
    EXPECT_EQ(PanelDisplayText(u"a\r\nb\rc\nd"_s), u"a b c d"_s);
    const QString longText = u"x"_s.repeated(PanelDisplayLength + 500);
    EXPECT_EQ(PanelDisplayText(longText), u"x"_s.repeated(PanelDisplayLength));
}

} // namespace
