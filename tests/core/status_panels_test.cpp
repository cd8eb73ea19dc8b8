#include "core/status_panels.h"

#include "core/MemorySurface.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

// Seven CR LF lines "a" to "g"; line n starts at 3 * (n - 1).
const QString SevenLines = QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng");

struct EditorCase {
    const char* name;
    QString text;
    int selStart;
    int selLength;
    QString panel1;
    QString panel2;
    QString panel3;
    QString panel4;
};

void PrintTo(const EditorCase& c, std::ostream* os) {
    *os << c.name;
}

class StatusOfTheEditor : public ::testing::TestWithParam<EditorCase> {};

TEST_P(StatusOfTheEditor, ShowsCountsPositionAndLines) {
    const EditorCase& c = GetParam();
    MemorySurface surface;
    surface.setText(c.text);
    surface.setSelStart(c.selStart);
    surface.setSelLength(c.selLength);

    const StatusPanels panels = ComposeStatusPanels(ReadEditorStatus(surface));

    EXPECT_EQ(panels.panel1, c.panel1);
    EXPECT_EQ(panels.panel2, c.panel2);
    EXPECT_EQ(panels.panel3, c.panel3);
    EXPECT_EQ(panels.panel4, c.panel4);
    EXPECT_EQ(panels.panel4ToolTip, QStringLiteral("Výběr"));
    EXPECT_EQ(panels.picture, c.panel4.isEmpty() ? Panel4Picture::Empty : Panel4Picture::Selection);
}

INSTANTIATE_TEST_SUITE_P(
    StatusPanels, StatusOfTheEditor,
    ::testing::Values(
        EditorCase{"EmptyDocument",
                   {},
                   0,
                   0,
                   QStringLiteral("Počet znaků : 0"),
                   QStringLiteral("Pozice kurzoru : 0"),
                   QStringLiteral("Řádek 1 z 1"),
                   {}},
        EditorCase{"CaretAtTheStartOfOneLine",
                   QStringLiteral("Dobrý den"),
                   0,
                   0,
                   QStringLiteral("Počet znaků : 9"),
                   QStringLiteral("Pozice kurzoru : 0"),
                   QStringLiteral("Řádek 1 z 1"),
                   {}},
        EditorCase{"CaretInTheFourthLine",
                   SevenLines,
                   10,
                   0,
                   QStringLiteral("Počet znaků : 19"),
                   QStringLiteral("Pozice kurzoru : 10"),
                   QStringLiteral("Řádek 4 z 7"),
                   {}},
        EditorCase{"CaretAtTheEnd",
                   SevenLines,
                   19,
                   0,
                   QStringLiteral("Počet znaků : 19"),
                   QStringLiteral("Pozice kurzoru : 19"),
                   QStringLiteral("Řádek 7 z 7"),
                   {}},
        EditorCase{"SelectionFromTheFirstIntoTheThirdLine", SevenLines, 0, 7,
                   QStringLiteral("Znaky Výběru : 7"), QStringLiteral("Pozice výběru : 0"),
                   QStringLiteral("Řádky 1-3 z 7"), QStringLiteral("a\r\nb\r\nc")},
        EditorCase{"SelectionEndingAfterCrLfCountsTheNextLine", SevenLines, 3, 3,
                   QStringLiteral("Znaky Výběru : 3"), QStringLiteral("Pozice výběru : 3"),
                   QStringLiteral("Řádky 2-3 z 7"), QStringLiteral("b\r\n")},
        EditorCase{"SelectionEndingAfterALoneLfCountsTheNextLine", QStringLiteral("x\ny\nz"), 2, 2,
                   QStringLiteral("Znaky Výběru : 2"), QStringLiteral("Pozice výběru : 2"),
                   QStringLiteral("Řádky 2-3 z 3"), QStringLiteral("y\n")},
        EditorCase{"SelectionInsideOneLine", QStringLiteral("Ahoj\r\nsvěte"), 6, 5,
                   QStringLiteral("Znaky Výběru : 5"), QStringLiteral("Pozice výběru : 6"),
                   QStringLiteral("Řádky 2-2 z 2"), QStringLiteral("světe")},
        EditorCase{"LongSelectionPreviewsItsFirstFiftyCharacters",
                   QStringLiteral("0123456789").repeated(7), 5, 60,
                   QStringLiteral("Znaky Výběru : 60"), QStringLiteral("Pozice výběru : 5"),
                   QStringLiteral("Řádky 1-1 z 1"),
                   QStringLiteral("56789") + QStringLiteral("0123456789").repeated(4) +
                       QStringLiteral("01234")}),
    [](const auto& info) { return std::string(info.param.name); });

StatusInputs caretOnly() {
    StatusInputs in;
    in.textLength = 12;
    in.selStart = 4;
    return in;
}

TEST(StatusPanels, WithoutASelectionPanel4ShowsTheWholeClipboardText) {
    StatusInputs in = caretOnly();
    in.clipboardHasText = true;
    in.clipboardText = QStringLiteral("Obsah schránky, delší než padesát znaků, "
                                      "a přes dva řádky\r\ndruhý řádek");
    const StatusPanels panels = ComposeStatusPanels(in);
    EXPECT_EQ(panels.panel4, in.clipboardText);
    EXPECT_EQ(panels.panel4ToolTip, QStringLiteral("Schránka"));
    EXPECT_EQ(panels.picture, Panel4Picture::Clipboard);
}

TEST(StatusPanels, EmptyClipboardTextShowsTheEmptyPicture) {
    StatusInputs in = caretOnly();
    in.clipboardHasText = true;
    const StatusPanels panels = ComposeStatusPanels(in);
    EXPECT_EQ(panels.panel4, QString());
    EXPECT_EQ(panels.panel4ToolTip, QStringLiteral("Schránka"));
    EXPECT_EQ(panels.picture, Panel4Picture::Empty);
}

TEST(StatusPanels, ClipboardWithoutTextLeavesPanel4Empty) {
    StatusInputs in = caretOnly();
    in.clipboardText = QStringLiteral("stale");
    const StatusPanels panels = ComposeStatusPanels(in);
    EXPECT_EQ(panels.panel4, QString());
    EXPECT_EQ(panels.panel4ToolTip, QStringLiteral("Výběr"));
    EXPECT_EQ(panels.picture, Panel4Picture::Empty);
}

TEST(StatusPanels, ASelectionWinsOverTheClipboard) {
    StatusInputs in = caretOnly();
    in.selLength = 3;
    in.selectionHead = QStringLiteral("oj ");
    in.clipboardHasText = true;
    in.clipboardText = QStringLiteral("schránka");
    const StatusPanels panels = ComposeStatusPanels(in);
    EXPECT_EQ(panels.panel4, QStringLiteral("oj "));
    EXPECT_EQ(panels.panel4ToolTip, QStringLiteral("Výběr"));
    EXPECT_EQ(panels.picture, Panel4Picture::Selection);
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
    surface.setText(QStringLiteral("řádek\r\n").repeated(1000));
    surface.setSelStart(7);
    surface.setSelLength(7000);
    const StatusInputs in = ReadEditorStatus(surface);
    EXPECT_EQ(in.selectionHead, QStringLiteral("řádek\r\n").repeated(8).left(50));
    EXPECT_EQ(in.startLine, 1);
    EXPECT_EQ(in.endLine, 1000);
    EXPECT_EQ(in.lineCount, 1001);
}

TEST(PanelDisplayText, ShowsOneLineOfWhatFits) {
    EXPECT_EQ(PanelDisplayText(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a b c d"));
    EXPECT_EQ(PanelDisplayText(QStringLiteral("Ahoj")), QStringLiteral("Ahoj"));
    const QString longText = QStringLiteral("x").repeated(PanelDisplayLength + 500);
    EXPECT_EQ(PanelDisplayText(longText), QStringLiteral("x").repeated(PanelDisplayLength));
}

} // namespace
