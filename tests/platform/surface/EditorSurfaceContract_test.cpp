#include "platform/surface/surface_contract.h"

#include "core/testing/MemorySurface.h"
#include "core/text/ansi_code_page.h"
#include "core/text/editor_procedures.h"
#include "platform/surface/RichEditSurface.h"

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

// Every implementation of EditorSurface runs the whole contract below.
[[nodiscard]] static std::vector<SurfaceKind> ContractSurfaceKinds() {
    return {
        {"Memory", [] { return std::make_unique<MemorySurface>(); }},
        {"RichEdit", [] { return std::make_unique<RichEditSurface>(); }},
    };
}

INSTANTIATE_TEST_SUITE_P(Surfaces, EditorSurfaceContract,
                         ::testing::ValuesIn(ContractSurfaceKinds()),
                         [](const auto& info) { return info.param.name; });

namespace {

// Twenty-character texts with ordinary characters at 10..12 and line breaks
// of every kind before position 10.
struct CaretAtTen {
    const char* name;
    QString text;
};

[[nodiscard]] std::vector<CaretAtTen> CaretAtTenCases() {
    return {
        {"NoLineBreak", u"abcdefghijklmnopqrst"_s},
        {"CrLf", u"ab\r\ncdefghijklmnopqr"_s},
        {"LoneCr", u"ab\rcdefghijklmnopqrs"_s},
        {"LoneLf", u"ab\ncdefghijklmnopqrs"_s},
        {"CrLfRightBeforeCaret", u"abcdefgh\r\nijklmnopqr"_s},
        {"EveryKind", u"a\r\nb\nc\rdefghijklmnop"_s},
        {"CzechAndNoBreakSpace", u"čř\u00A0ů\r\nžýáíéúůďťňěščř"_s},
    };
}

[[nodiscard]] QString AllAnsiCharacters() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return DecodeAnsi(bytes);
}

const Look Marked{RgbColor(200, 30, 40), u"Arial CE"_s, 17, true, true};

} // namespace

// --- The insertion modes land exactly at the position, whatever breaks precede it.

TEST_P(EditorSurfaceContract, InsertionsLandAtPositionTenAndLeaveTheCaretAfterThem) {
    struct Write {
        const char* name;
        int selLength;
        std::function<void(EditorSurface&)> write;
        std::function<QString(const QString&)> expected;
        int caret;
    };
    const std::vector<Write> writes = {
        {"empty tag pair", 0, [](EditorSurface& s) { WrapSelectionInTag(s, u"B"_s); },
         [](const QString& t) { return t.left(10) + u"<B></B>"_s + t.mid(10); }, 13},
        {"tag around a character", 1, [](EditorSurface& s) { WrapSelectionInTag(s, u"B"_s); },
         [](const QString& t) { return t.left(10) + u"<B>"_s + t[10] + u"</B>"_s + t.mid(11); },
         18},
        {"insert before a selection", 3, [](EditorSurface& s) { InsertAtCaret(s, u"<BR>"_s); },
         [](const QString& t) { return t.left(10) + u"<BR>"_s + t.mid(10); }, 14},
    };
    for (const auto& c : CaretAtTenCases()) {
        ASSERT_EQ(c.text.size(), 20);
        for (const Write& w : writes) {
            SCOPED_TRACE(std::string(c.name) + ", " + w.name);
            surface().setText(c.text);
            select(10, w.selLength);
            w.write(surface());
            EXPECT_EQ(Shown(surface().text()), Shown(w.expected(c.text)));
            EXPECT_EQ(surface().selStart(), w.caret);
            EXPECT_EQ(surface().selLength(), 0);
        }
    }
}

// --- Positions: clamped to the text, never between the CR and LF of a pair.

TEST_P(EditorSurfaceContract, SelectionPositionsClampAndSkipTheInsideOfCrLf) {
    struct Case {
        QString text;
        int start, length;
        int wantStart, wantLength;
        QString wantSelText;
    };
    const std::vector<Case> cases = {
        {u"ab\r\ncd"_s, 2, 0, 2, 0, u""_s},
        {u"ab\r\ncd"_s, 3, 0, 4, 0, u""_s},
        {u"ab\r\ncd"_s, 2, 2, 2, 2, u"\r\n"_s},
        {u"ab\r\ncd"_s, 1, 2, 1, 3, u"b\r\n"_s},
        {u"ab\r\ncd"_s, 3, 2, 4, 2, u"cd"_s},
        {u"ab\r\n"_s, 3, 0, 4, 0, u""_s},
        {u"\r\n"_s, 1, 0, 2, 0, u""_s},
        {u"ab\n\rcd"_s, 3, 1, 3, 1, u"\r"_s},
        {u"ab\r\r\ncd"_s, 3, 1, 3, 2, u"\r\n"_s},
        {u"ab\r\r\ncd"_s, 4, 0, 5, 0, u""_s},
        {u"abcdef"_s, -3, 0, 0, 0, u""_s},
        {u"abcdef"_s, 99, 0, 6, 0, u""_s},
        {u"abcdef"_s, 2, 99, 2, 4, u"cdef"_s},
        {u"abcdef"_s, 6, 5, 6, 0, u""_s},
        {u""_s, 1, 1, 0, 0, u""_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Shown(c.text) + " start " + std::to_string(c.start) + " length " +
                     std::to_string(c.length));
        surface().setText(c.text);
        select(c.start, c.length);
        EXPECT_EQ(surface().selStart(), c.wantStart);
        EXPECT_EQ(surface().selLength(), c.wantLength);
        EXPECT_EQ(Shown(surface().selText()), Shown(c.wantSelText));
    }
}

TEST_P(EditorSurfaceContract, TextMidReadsAPieceWithoutMovingTheSelection) {
    const QString text = u"ab\r\ncd\nef\rg"_s;
    surface().setText(text);
    surface().setSelStart(1);
    surface().setSelLength(1);
    for (int position = -1; position <= text.size() + 1; ++position) {
        for (int length = 0; length <= 5; ++length) {
            const int start = position == 3 ? 4 : std::clamp(position, 0, int(text.size()));
            EXPECT_EQ(Shown(surface().textMid(position, length)), Shown(text.mid(start, length)))
                << position << "," << length;
        }
    }
    EXPECT_EQ(surface().selStart(), 1);
    EXPECT_EQ(surface().selLength(), 1);
}

TEST_P(EditorSurfaceContract, SetSelStartCollapsesTheSelectionAndSetTextPutsCaretAtStart) {
    surface().setText(u"abcdef"_s);
    select(1, 3);
    surface().setSelStart(2);
    EXPECT_EQ(surface().selStart(), 2);
    EXPECT_EQ(surface().selLength(), 0);
    select(2, 3);
    surface().setText(u"xyz\r\n"_s);
    EXPECT_EQ(surface().selStart(), 0);
    EXPECT_EQ(surface().selLength(), 0);
}

// --- Lossless text in Windows-1250.

TEST_P(EditorSurfaceContract, EveryAnsiCharacterSurvivesSetTextAndSetSelText) {
    const QString all = AllAnsiCharacters();
    ASSERT_EQ(all.size(), 256);
    surface().setText(all);
    EXPECT_EQ(surface().textLength(), 256);
    EXPECT_EQ(Shown(surface().text()), Shown(all));

    surface().setText(u"abc\r\ndef"_s);
    surface().setSelStart(5);
    surface().setSelText(all);
    EXPECT_EQ(Shown(surface().text()), Shown(u"abc\r\n"_s + all + u"def"_s));
    EXPECT_EQ(surface().selStart(), 5 + 256);
    select(5, 256);
    EXPECT_EQ(Shown(surface().selText()), Shown(all));
}

TEST_P(EditorSurfaceContract, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    // U+0080 is outside (byte 0x80 is the euro sign); U+0081 stands for an undefined byte.
    const QString written = u"a\u263Ab\u65E5c\u00F1\u0080\u0081\u20AC"_s;
    const QString stored = u"a?b?c??\u0081\u20AC"_s;
    surface().setText(written);
    EXPECT_EQ(Shown(surface().text()), Shown(stored));
    surface().setText(u"[]"_s);
    surface().setSelStart(1);
    surface().setSelText(written);
    EXPECT_EQ(Shown(surface().text()), Shown(u"["_s + stored + u"]"_s));
    EXPECT_EQ(surface().selStart(), 1 + stored.size());
}

// --- Line breaks keep their kinds; lines are counted by breaks.

TEST_P(EditorSurfaceContract, LineBreaksKeepTheirKindsAndLinesAreBreaksPlusOne) {
    const std::vector<std::pair<QString, int>> cases = {
        {u""_s, 1},       {u"abc"_s, 1},      {u"\n"_s, 2},       {u"abc\r\n"_s, 2},
        {u"\r\r"_s, 3},   {u"\n\r"_s, 3},     {u"\r\n\r\n"_s, 3}, {u"\r\r\n"_s, 3},
        {u"a\n\nb"_s, 3}, {u"\r\n\n\r"_s, 4}, {u"x\u2029y"_s, 1}, {u"a\r\nb\nc\rd"_s, 4},
    };
    for (const auto& [text, count] : cases) {
        surface().setText(text);
        EXPECT_EQ(surface().lineCount(), count) << Shown(text);
    }
    EXPECT_EQ(Shown(surface().text()), "a\\r\\nb\\nc\\rd");
    // Characters of the last: a  CR LF b  LF c  CR d  (end) (past the end)
    const int line[] = {0, 0, 0, 1, 1, 2, 2, 3, 3, 3};
    for (int p = 0; p < 10; ++p)
        EXPECT_EQ(surface().lineFromPosition(p), line[p]) << "position " << p;
}

TEST_P(EditorSurfaceContract, LineCountFollowsEdits) {
    surface().setText(u"ab\ncd"_s);
    surface().setSelStart(1);
    surface().setSelText(u"\r\n\r"_s);
    EXPECT_EQ(surface().lineCount(), 4);
    EXPECT_EQ(surface().lineFromPosition(surface().textLength()), 3);
    select(0, surface().textLength());
    surface().setSelText(u"z"_s);
    EXPECT_EQ(surface().lineCount(), 1);
}

// Thousands of random selections and replacements of texts full of line
// breaks of every kind: after each, the text, the selection and the line
// count are the plain string model's. A failure names its seed and step.
TEST_P(EditorSurfaceContract, RandomEditsKeepEveryBreakOutsideTheEditAsItWas) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        RandomText random(seed);
        TextModel model;
        surface().setText(QString());
        for (int step = 0; step < 1500; ++step) {
            const int length = static_cast<int>(model.text.size());
            const int op = random.number(0, 9);
            if (op == 0 || length > 300) {
                const QString text = random.pieces(30);
                surface().setText(text);
                model.setText(text);
            } else if (op <= 3) {
                const int start = random.number(-2, length + 2);
                surface().setSelStart(start);
                model.setSelStart(start);
            } else if (op <= 5) {
                const int selected = random.number(-1, length - model.selStart + 2);
                surface().setSelLength(selected);
                model.setSelLength(selected);
            } else {
                const QString text = random.pieces(op == 9 ? 0 : 4);
                surface().setSelText(text);
                model.replaceSelection(text);
            }
            const std::string where = "seed " + std::to_string(seed) + " step " +
                                      std::to_string(step) + " op " + std::to_string(op);
            ASSERT_EQ(Shown(surface().text()), Shown(model.text)) << where;
            ASSERT_EQ(surface().selStart(), model.selStart) << where;
            ASSERT_EQ(surface().selLength(), model.selLength) << where;
            ASSERT_EQ(surface().lineCount(), model.lineCount()) << where;
        }
    }
}

// The three replacements that once changed the kind of the break before them.
TEST_P(EditorSurfaceContract, ReplacingALineWithItsBreakKeepsTheBreakBefore) {
    const std::tuple<const char*, QString, int, int, QString, QString> cases[] = {
        {"typed over b LF after a lone CR", u"a\rb\nc"_s, 2, 2, u"X"_s, u"a\rXc"_s},
        {"b LF deleted after CR LF", u"a\r\nb\nc"_s, 3, 2, u""_s, u"a\r\nc"_s},
        {"b CR deleted after LF", u"a\nb\rc"_s, 2, 2, u""_s, u"a\nc"_s},
        {"two lines after a lone CR", u"a\rb\nc\r\nd"_s, 2, 5, u"Y"_s, u"a\rYd"_s},
    };
    for (const auto& [name, text, start, length, inserted, expected] : cases) {
        SCOPED_TRACE(name);
        surface().setText(text);
        select(start, length);
        surface().setSelText(inserted);
        EXPECT_EQ(Shown(surface().text()), Shown(expected));
        EXPECT_EQ(surface().lineCount(),
                  static_cast<int>(expected.count(u'\n') + expected.count(u'\r') -
                                   expected.count(u"\r\n"_s) + 1));
    }
}

// A lone CR written right before a lone LF, or the text between them deleted,
// makes a CR LF of one position and one line, as the same text set whole.
TEST_P(EditorSurfaceContract, LoneCrMeetingALoneLfBecomesOneBreak) {
    // name, text, selection, inserted text, caret after it
    const std::tuple<const char*, QString, int, int, QString, int> cases[] = {
        {"text between deleted", u"a\rX\nb"_s, 2, 1, u""_s, 3},
        {"CR typed before LF", u"a\nb"_s, 1, 0, u"\r"_s, 3},
        {"LF typed after CR", u"a\rb"_s, 2, 0, u"\n"_s, 3},
        {"x CR typed before LF", u"a\nb"_s, 1, 0, u"x\r"_s, 4},
    };
    for (const auto& [name, text, start, length, inserted, caret] : cases) {
        SCOPED_TRACE(name);
        surface().setText(text);
        select(start, length);
        surface().setSelText(inserted);
        const QString joined = surface().text();
        const int pair = static_cast<int>(joined.indexOf(u"\r\n"_s));
        ASSERT_GE(pair, 0) << Shown(joined);
        EXPECT_EQ(surface().lineCount(), 2);
        EXPECT_EQ(surface().selStart(), caret);
        surface().setSelStart(pair + 1);
        EXPECT_EQ(surface().selStart(), pair + 2);
    }
}

// --- The largest document the program opens.

// Its timing is in bench/surface_bench.
TEST_P(EditorSurfaceContract, LargestDocumentRoundTrips) {
    // 30 000 lines of 46 or 47 characters joined by CR LF: 1 442 401 characters.
    const QString pattern = u" Příliš žluťoučký kůň úpěl ďábelské ódy;\u00A0"_s;
    QString big;
    big.reserve(1442401);
    int lastLineStart = 0;
    for (int i = 0; i < 30000; ++i) {
        if (i > 0)
            big += u"\r\n"_s;
        lastLineStart = static_cast<int>(big.size());
        const qsizetype end = big.size() + (i < 2403 ? 47 : 46);
        big += QString::number(i);
        while (big.size() < end)
            big += pattern[big.size() % pattern.size()];
    }
    ASSERT_EQ(big.size(), 1442401);

    surface().setText(big);
    EXPECT_TRUE(surface().text() == big);
    EXPECT_EQ(surface().textLength(), 1442401);
    EXPECT_EQ(surface().lineCount(), 30000);
    EXPECT_EQ(surface().lineFromPosition(lastLineStart + 45), 29999);
    EXPECT_EQ(surface().lineFromPosition(lastLineStart), 29999);
    EXPECT_EQ(surface().lineFromPosition(lastLineStart - 1), 29998);
    EXPECT_EQ(surface().lineFromPosition(lastLineStart + 100), 29999);
    EXPECT_EQ(surface().lineFromPosition(47 + 2 + 47), 1);

    surface().setSelStart(lastLineStart + 4);
    surface().setSelText(u"\n"_s);
    EXPECT_EQ(surface().lineCount(), 30001);
    EXPECT_EQ(surface().lineFromPosition(surface().textLength()), 30000);
    EXPECT_TRUE(surface().text() ==
                big.left(lastLineStart + 4) + u"\n"_s + big.mid(lastLineStart + 4));
}

// --- Only writes of text notify, each exactly once.

// The editor procedures write through these, once each: their own tests count that.
TEST_P(EditorSurfaceContract, TextChangedOnceForEachWriteAndNeverOtherwise) {
    using S = EditorSurface;
    // name, whether the selection is first collapsed to a caret, the act, changes
    const std::vector<std::tuple<const char*, bool, std::function<void(S&)>, int>> cases = {
        {"setText", false, [](S& s) { s.setText(u"new"_s); }, 1},
        {"setText same", false, [](S& s) { s.setText(u"abcdef\r\nghij"_s); }, 1},
        {"setText empty", false, [](S& s) { s.setText(u""_s); }, 1},
        {"setSelText", false, [](S& s) { s.setSelText(u"xy\r\nz"_s); }, 1},
        {"setSelText deleting", false, [](S& s) { s.setSelText(u""_s); }, 1},
        {"setSelText nothing at caret", true, [](S& s) { s.setSelText(u""_s); }, 1},
        {"setSelStart", false, [](S& s) { s.setSelStart(4); }, 0},
        {"setSelLength", false, [](S& s) { s.setSelLength(6); }, 0},
        {"setSelColor", false, [](S& s) { s.setSelColor(RgbColor(1, 2, 3)); }, 0},
        {"setSelFontName", false, [](S& s) { s.setSelFontName(u"Arial CE"_s); }, 0},
        {"setSelFontSize", false, [](S& s) { s.setSelFontSize(20); }, 0},
        {"setSelBold", false, [](S& s) { s.setSelBold(true); }, 0},
        {"setSelItalic", false, [](S& s) { s.setSelItalic(true); }, 0},
        {"setBackColor", false, [](S& s) { s.setBackColor(RgbColor(0, 0, 80)); }, 0},
        {"replaceText", false, [](S& s) { s.replaceText(u"nové"_s); }, 1},
        {"setTextLook", false, [](S& s) { s.setTextLook(RgbColor(1, 2, 3), true, false, u"A"_s); },
         0},
        {"setTextFontSize", false, [](S& s) { s.setTextFontSize(14); }, 0},
        {"undo", false, [](S& s) { s.undo(); }, 1},
        {"undo and redo", false,
         [](S& s) {
             s.undo();
             s.redo();
         },
         2},
        {"setTag", false, [](S& s) { s.setTag(u"_0"_s); }, 0},
    };
    for (const auto& [name, atCaret, act, expected] : cases) {
        SCOPED_TRACE(name);
        surface().setText(u"abcdef\r\nghij"_s);
        select(9, 0);
        surface().setSelText(u"k"_s); // a step to undo
        select(atCaret ? 1 : 2, atCaret ? 0 : 3);
        changes = 0;
        act(surface());
        EXPECT_EQ(changes, expected);
    }
}

// --- Formatting belongs to characters.

TEST_P(EditorSurfaceContract, FormattingChangesOnlyTheSelectedCharacters) {
    using Set = std::function<void(EditorSurface&)>;
    using Has = std::function<bool(const Look&)>;
    const std::vector<std::tuple<const char*, Set, Has>> attributes = {
        {"colour", [](EditorSurface& s) { s.setSelColor(Marked.color); },
         [](const Look& l) { return l.color == Marked.color; }},
        {"font name", [](EditorSurface& s) { s.setSelFontName(Marked.fontName); },
         [](const Look& l) { return l.fontName == Marked.fontName; }},
        {"font size", [](EditorSurface& s) { s.setSelFontSize(Marked.size); },
         [](const Look& l) { return l.size == Marked.size; }},
        {"bold", [](EditorSurface& s) { s.setSelBold(true); },
         [](const Look& l) { return l.bold; }},
        {"italic", [](EditorSurface& s) { s.setSelItalic(true); },
         [](const Look& l) { return l.italic; }},
    };
    for (const auto& [name, set, has] : attributes) {
        SCOPED_TRACE(name);
        surface().setText(u"abc\r\nfghij"_s);
        const Look before = lookAt(2);
        const Look after = lookAt(6);
        ASSERT_FALSE(has(before));
        select(3, 3);
        set(surface());
        for (int p = 3; p < 6; ++p)
            EXPECT_TRUE(has(lookAt(p))) << "position " << p;
        EXPECT_EQ(lookAt(2), before);
        EXPECT_EQ(lookAt(6), after);
        EXPECT_EQ(Shown(surface().text()), "abc\\r\\nfghij");
    }
}

TEST_P(EditorSurfaceContract, FormatIsReadFromFirstSelectedCharacterOrTheOneBeforeCaret) {
    const ColorValue blue = RgbColor(0, 0, 200);
    const ColorValue red = RgbColor(200, 0, 0);
    const ColorValue green = RgbColor(0, 150, 0);
    surface().setText(u"abcdef"_s);
    select(0, 1);
    surface().setSelColor(blue);
    select(2, 1);
    surface().setSelColor(red);
    select(3, 1);
    surface().setSelColor(green);

    const std::vector<std::tuple<int, int, ColorValue>> cases = {
        {2, 2, red},  {3, 2, green}, {0, 6, blue}, // first selected character
        {3, 0, red},  {4, 0, green}, {1, 0, blue}, // character before the caret
        {0, 0, blue},                              // after the caret at the start
    };
    for (const auto& [start, length, colour] : cases) {
        select(start, length);
        EXPECT_EQ(surface().selColor(), colour) << "start " << start << " length " << length;
    }
}

TEST_P(EditorSurfaceContract, FormattingWithNothingSelectedChangesNoCharacter) {
    surface().setText(u"abcdef"_s);
    const Look plain = lookAt(3);
    surface().setSelStart(3);
    format(Marked);
    EXPECT_EQ(look(), plain);
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(lookAt(p), plain) << "position " << p;
}

TEST_P(EditorSurfaceContract, InsertedTextTakesTheFormatOfTheCharacterBefore) {
    // Position 0 is blue, 2..3 are marked, the rest plain; the inserted text
    // copies the character before it, and shows the plain look at the start.
    const std::vector<std::tuple<int, int, int>> cases = {
        // caret, selection length, position whose look the text takes
        {4, 0, 3}, {2, 0, 1}, {0, 0, 5}, {4, 2, 3}, {6, 0, 5},
    };
    for (const auto& [caret, length, source] : cases) {
        SCOPED_TRACE("caret " + std::to_string(caret) + " length " + std::to_string(length));
        surface().setText(u"abcdef"_s);
        select(0, 1);
        surface().setSelColor(RgbColor(0, 0, 200));
        select(2, 2);
        surface().setSelColor(Marked.color);
        surface().setSelBold(true);
        const Look expected = lookAt(source);
        select(caret, length);
        surface().setSelText(u"XY"_s);
        EXPECT_EQ(lookAt(caret), expected);
        EXPECT_EQ(lookAt(caret + 1), expected);
    }
}

TEST_P(EditorSurfaceContract, NewWholeTextShowsTheLookWithoutTheOldMarks) {
    const Look shown{RgbColor(0, 0, 90), u"Times CE"_s, 12, true, false};
    for (const bool asStep : {false, true}) {
        for (const QString& old : {u"abc"_s, u"\r\nabc"_s, u"\n\nabc"_s, u"\r\n"_s}) {
            SCOPED_TRACE(old.toStdString() + (asStep ? " replaceText" : " setText"));
            surface().setText(old);
            surface().setTextLook(shown.color, shown.bold, shown.italic, shown.fontName);
            surface().setTextFontSize(shown.size);
            select(0, static_cast<int>(old.size()));
            format(Marked);
            if (asStep)
                surface().replaceText(u"xy\r\nz"_s);
            else
                surface().setText(u"xy\r\nz"_s);
            EXPECT_EQ(lookAt(0), shown);
            EXPECT_EQ(lookAt(4), shown);
        }
    }
}

TEST_P(EditorSurfaceContract, TextTypedIntoAnEmptiedDocumentTakesTheDefaultLook) {
    const Look fresh = look();
    for (const bool byDeleting : {false, true}) {
        SCOPED_TRACE(byDeleting ? "deleting everything" : "setText");
        surface().setText(u"abc"_s);
        select(0, 3);
        format(Marked);
        if (byDeleting)
            surface().setSelText(u""_s);
        else
            surface().setText(u""_s);
        surface().setSelText(u"q"_s);
        EXPECT_EQ(lookAt(0), fresh);
    }
}

// --- Colour runs: a bulk colouring that is neither an edit nor a selection.

TEST_P(EditorSurfaceContract, ColorRunsPaintInOrderAndKeepEverythingElse) {
    // a b CR LF c d LF e f CR g h
    const QString text = u"ab\r\ncd\nef\rgh"_s;
    const ColorValue red = RgbColor(200, 0, 0);
    const ColorValue blue = RgbColor(0, 0, 200);
    const ColorValue green = RgbColor(0, 150, 0);
    surface().setText(text);
    const ColorValue plain = lookAt(0).color;
    select(5, 1);
    surface().setSelBold(true);
    select(4, 5);
    changes = 0;

    surface().setColorRuns({
        {0, 2, red},
        {1, 3, blue},    // over red at 1; its end inside the CR LF takes the LF
        {6, 0, green},   // empty
        {7, -2, green},  // empty
        {10, 99, green}, // clipped to the text
        {-4, 5, green},  // clipped to the text: only "a"
        {7, 1, red},
        {7, 2, blue}, // wholly over red
        {99, 3, red}, // behind the text
    });

    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Shown(surface().text()), Shown(text));
    EXPECT_EQ(surface().selStart(), 4);
    EXPECT_EQ(surface().selLength(), 5);
    const std::vector<std::pair<int, ColorValue>> expected = {
        {0, green}, {1, blue}, {2, blue},  {4, plain},  {5, plain},  {6, plain},
        {7, blue},  {8, blue}, {9, plain}, {10, green}, {11, green},
    };
    for (const auto& [position, colour] : expected)
        EXPECT_EQ(lookAt(position).color, colour) << "position " << position;
    EXPECT_TRUE(lookAt(5).bold);
    EXPECT_FALSE(lookAt(4).bold);
}

TEST_P(EditorSurfaceContract, ColorRunStartInsideCrLfMovesPastTheLf) {
    const ColorValue red = RgbColor(200, 0, 0);
    surface().setText(u"a\r\nbc"_s);
    const ColorValue plain = lookAt(0).color;
    surface().setColorRuns({{2, 2, red}});
    EXPECT_EQ(lookAt(0).color, plain);
    EXPECT_EQ(lookAt(1).color, plain);
    EXPECT_EQ(lookAt(3).color, red); // reads "b": position 3 lies inside the pair
    EXPECT_EQ(lookAt(4).color, plain);
}

TEST_P(EditorSurfaceContract, ColorRunsOutOfOrderOverALargeText) {
    // Every second character of a large text of many lines, given back to
    // front: the result depends on the runs, not on their order.
    const QString line = u"<p>slovo</p>\r\n"_s;
    const int lineLength = 14;
    const QString text = line.repeated(20000);
    const ColorValue red = RgbColor(200, 0, 0);
    surface().setText(text);
    const ColorValue plain = lookAt(1).color;
    std::vector<ColorRun> runs;
    for (int p = static_cast<int>(text.size()) - 2; p >= 0; p -= 2)
        runs.push_back({p, 1, red});
    changes = 0;
    surface().setColorRuns(runs);
    EXPECT_EQ(changes, 0);
    for (const int p : {0, 2, 100, 13 * lineLength, int(text.size()) - 4})
        EXPECT_EQ(lookAt(p).color, red) << "position " << p;
    for (const int p : {1, 3, 101, 13 * lineLength + 1, int(text.size()) - 3})
        EXPECT_EQ(lookAt(p).color, plain) << "position " << p;
}

// --- ApplyEditorFont formats the whole text and leaves the selection alone.

TEST_P(EditorSurfaceContract, ApplyEditorFontFormatsEveryCharacterAndKeepsSelection) {
    const QString text = u"abcdefghij\r\nklmnopqrst"_s;
    const Look fresh = look();
    const Look wanted{Marked.color, Marked.fontName, fresh.size, true, true};
    // An empty document shows the look, and what is typed into it.
    const std::tuple<QString, int, int> cases[] = {{text, 7, 5}, {text, 4, 0}, {QString(), 0, 0}};
    for (const auto& [written, start, length] : cases) {
        SCOPED_TRACE(Shown(written) + " from " + std::to_string(start));
        surface().setText(written);
        select(start, length);
        changes = 0;
        AppliedFont applied;
        ApplyEditorFont(surface(), applied, Marked.color, true, true, Marked.fontName);

        EXPECT_EQ(surface().selStart(), start);
        EXPECT_EQ(surface().selLength(), length);
        EXPECT_EQ(applied.AppliedTextColor, Marked.color); // the rest: the procedure's own test
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(Shown(surface().text()), Shown(written));
        if (written.isEmpty()) {
            EXPECT_EQ(look(), wanted);
            surface().setSelText(u"q"_s);
            EXPECT_EQ(lookAt(0), wanted);
            continue;
        }
        for (const int p : {0, 10, 12, 21})
            EXPECT_EQ(lookAt(p), wanted) << "position " << p;
        // Typing at the start of the second line continues in the applied look.
        surface().setSelStart(12);
        surface().setSelText(u"Z"_s);
        EXPECT_EQ(lookAt(12), wanted);
    }
}

// --- The undo history: one step per write, formatting never in it.

// Each write of a command is one step: undoing gives back the text before
// it (break kinds and NUL included), the step before stays, and redoing
// makes it again. Formatting between the writes leaves every step in place.
TEST_P(EditorSurfaceContract, EachWriteIsOneUndoStepAndFormattingIsNone) {
    using Act = std::function<void(EditorSurface&)>;
    const std::vector<std::pair<const char*, Act>> formatting = {
        {"nothing", [](EditorSurface&) {}},
        {"text look",
         [](EditorSurface& s) { s.setTextLook(RgbColor(0, 0, 90), true, true, u"Times CE"_s); }},
        {"font size", [](EditorSurface& s) { s.setTextFontSize(14); }},
        {"colour runs",
         [](EditorSurface& s) {
             s.setColorRuns({{0, 3, RgbColor(9, 9, 9)}});
         }},
        {"marks",
         [](EditorSurface& s) {
             s.setSelStart(1);
             s.setSelLength(4);
             s.setSelColor(RgbColor(200, 0, 0));
             s.setSelBold(true);
         }},
        {"bulk step",
         [](EditorSurface& s) {
             const FormattingScope bulk(s);
             s.setTextLook(RgbColor(5, 5, 5), false, true, u"Arial CE"_s);
             s.setColorRuns({{2, 5, RgbColor(0, 90, 0)}});
         }},
    };
    const std::vector<std::pair<const char*, Act>> writes = {
        {"setSelText",
         [](EditorSurface& s) {
             s.setSelStart(3);
             s.setSelLength(2);
             s.setSelText(u"X\rY\nZ"_s);
         }},
        {"replaceText", [](EditorSurface& s) { s.replaceText(u"nový\ntext\r\n\u0000"_s); }},
    };
    const QString original = u"a\rb\nc\r\nd\u0000e"_s;
    for (const auto& [formatName, format] : formatting) {
        for (const auto& [writeName, write] : writes) {
            SCOPED_TRACE(std::string(writeName) + " with " + formatName);
            surface().setText(original);
            EXPECT_FALSE(surface().isUndoAvailable());
            surface().setSelStart(surface().textLength());
            surface().setSelText(u"!"_s);
            const QString typed = surface().text();
            format(surface());
            write(surface());
            const QString written = surface().text();
            format(surface());

            surface().undo();
            EXPECT_EQ(Shown(surface().text()), Shown(typed));
            surface().undo();
            EXPECT_EQ(Shown(surface().text()), Shown(original));
            EXPECT_FALSE(surface().isUndoAvailable());
            surface().redo();
            surface().redo();
            EXPECT_EQ(Shown(surface().text()), Shown(written));
            EXPECT_FALSE(surface().isRedoAvailable());
        }
    }
}

// Undoing a whole-text step gives back the selection from before it, also
// after a redo; a step made in its place once it is undone is no such step.
TEST_P(EditorSurfaceContract, UndoingAWholeTextStepGivesBackTheSelection) {
    for (const auto& [start, length] : {std::pair(2, 5), std::pair(9, 5)}) {
        surface().setText(u"ab\r\ncd\ref\nghij"_s);
        surface().setSelStart(start);
        surface().setSelLength(length);
        surface().replaceText(u"nový\ntext"_s);
        for (int pass = 0; pass < 2; ++pass) {
            surface().undo();
            EXPECT_EQ(std::pair(surface().selStart(), surface().selLength()),
                      std::pair(start, length))
                << start << " " << pass;
            surface().redo();
        }
        surface().undo();
        surface().setSelStart(0);
        surface().setSelText(u"y"_s);
        surface().undo();
        EXPECT_EQ(std::pair(surface().selStart(), surface().selLength()), std::pair(0, 0));
    }
}

// Only a new document starts the history afresh; a write drops the redo.
TEST_P(EditorSurfaceContract, NewDocumentStartsAFreshHistory) {
    surface().setText(u"abc"_s);
    surface().setSelText(u"x"_s);
    surface().setText(u"new\r\n"_s);
    EXPECT_FALSE(surface().isUndoAvailable());
    surface().undo();
    EXPECT_EQ(Shown(surface().text()), "new\\r\\n");

    surface().setSelText(u"1"_s);
    surface().undo();
    EXPECT_TRUE(surface().isRedoAvailable());
    surface().setSelText(u"2"_s);
    EXPECT_FALSE(surface().isRedoAvailable());
    EXPECT_EQ(Shown(surface().text()), "2new\\r\\n");
}

// --- The box's own properties.

// Core tests run on the in-memory surface, so both must start as the editor does.
TEST_P(EditorSurfaceContract, StartsEmptyWithTheEditorDefaults) {
    EXPECT_EQ(surface().textLength(), 0);
    EXPECT_EQ(surface().selStart(), 0);
    EXPECT_EQ(surface().selLength(), 0);
    EXPECT_EQ(surface().lineCount(), 1);
    EXPECT_EQ(look(), (Look{0, u"Courier New CE"_s, 10, false, false}));
    EXPECT_EQ(surface().backColor(), RgbColor(255, 255, 255));
    surface().setBackColor(RgbColor(1, 2, 3));
    EXPECT_EQ(surface().backColor(), RgbColor(1, 2, 3));
    surface().setVisible(false);
    EXPECT_FALSE(surface().isVisible());
    surface().setVisible(true);
    EXPECT_TRUE(surface().isVisible());
}

// Thousands of distinct looks, then each overwritten: the formats nobody uses
// any more are dropped and every character keeps its own.
TEST(MemorySurface, ManyDistinctFormatsStayWithTheirCharacters) {
    constexpr int Count = 9000;
    MemorySurface surface;
    surface.setText(QString(Count, u'a'));
    const auto colourOf = [](int i, int layer) { return RgbColor(i % 256, i / 256, layer); };
    for (const int layer : {1, 2}) {
        for (int i = 0; i < Count; ++i) {
            surface.setSelStart(i);
            surface.setSelLength(1);
            surface.setSelColor(colourOf(i, layer));
        }
    }
    for (int i = 0; i < Count; ++i) {
        surface.setSelStart(i);
        surface.setSelLength(1);
        ASSERT_EQ(surface.selColor(), colourOf(i, 2)) << "position " << i;
    }
}
