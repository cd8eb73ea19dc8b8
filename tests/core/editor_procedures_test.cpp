#include "core/MemorySurface.h"
#include "core/editor_procedures.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

[[nodiscard]] QString Bracketed(const QString& text) {
    return u'[' + text + u']';
}

} // namespace

TEST(EditorProcedures, TransformSelectionGetsTheExactSelection) {
    MemorySurface surface;
    surface.setText(u"ab\r\ncd"_s);
    surface.setSelStart(1);
    surface.setSelLength(4);
    TransformSelection(surface, Bracketed);
    EXPECT_EQ(surface.text(), u"a[b\r\nc]d"_s);
    EXPECT_EQ(surface.selStart(), 7);
}

TEST(EditorProcedures, TransformWithNothingSelectedInsertsItsResultForEmptyText) {
    MemorySurface surface;
    surface.setText(u"abcd"_s);
    surface.setSelStart(2);
    TransformSelection(surface, Bracketed);
    EXPECT_EQ(surface.text(), u"ab[]cd"_s);
    EXPECT_EQ(surface.selStart(), 4);
}

TEST(EditorProcedures, WrapWithNothingSelectedLeavesCaretAfterClosingText) {
    MemorySurface surface;
    surface.setText(u"abcd"_s);
    surface.setSelStart(2);
    WrapSelection(surface, u"<I>"_s, u"</I>"_s);
    EXPECT_EQ(surface.text(), u"ab<I></I>cd"_s);
    EXPECT_EQ(surface.selStart(), 9);
    EXPECT_EQ(surface.selLength(), 0);
}

TEST(EditorProcedures, ReplaceAllTextTransformsWholeTextWithOneChange) {
    MemorySurface surface;
    surface.setText(u"ab\r\ncd"_s);
    surface.setSelStart(3);
    int changes = 0;
    QObject::connect(&surface, &EditorSurface::textChanged, &surface, [&changes] { ++changes; });
    ReplaceAllText(surface, Bracketed);
    EXPECT_EQ(surface.text(), u"[ab\r\ncd]"_s);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(surface.selStart(), 0);
}

// The caret lands between the tags whatever the tag's length, and the tag is
// written as given.
TEST(EditorProcedures, TagOfAnyLengthIsWrittenAsGiven) {
    MemorySurface surface;
    surface.setText(u"xy"_s);
    surface.setSelStart(1);
    WrapSelectionInTag(surface, u"sub"_s);
    EXPECT_EQ(surface.text(), u"x<sub></sub>y"_s);
    EXPECT_EQ(surface.selStart(), 6);

    surface.setSelStart(6);
    surface.setSelText(u"2"_s);
    surface.setSelStart(0);
    surface.setSelLength(1);
    WrapSelectionInTag(surface, u"Font Size=2"_s);
    EXPECT_EQ(surface.text(), u"<Font Size=2>x</Font Size=2><sub>2</sub>y"_s);
    EXPECT_EQ(surface.selStart(), 28);
}

TEST(EditorProcedures, ApplyEditorFontReplacesTheRememberedLookAndKeepsSize) {
    MemorySurface surface;
    surface.setText(u"abc"_s);
    surface.setSelStart(0);
    surface.setSelLength(3);
    surface.setSelFontSize(20);
    AppliedFont applied{RgbColor(1, 1, 1), true, true, u"Old"_s};
    ApplyEditorFont(surface, applied, RgbColor(0, 0, 9), false, false, u"New"_s);
    EXPECT_EQ(applied.AppliedTextColor, RgbColor(0, 0, 9));
    EXPECT_FALSE(applied.AppliedBold);
    EXPECT_FALSE(applied.AppliedItalic);
    EXPECT_EQ(applied.AppliedFontName, u"New"_s);
    EXPECT_EQ(surface.selFontSize(), 20);
    EXPECT_EQ(surface.selFontName(), u"New"_s);
}
