#include "core/testing/MemorySurface.h"
#include "core/text/editor_procedures.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

[[nodiscard]] QString Bracketed(const QString& text) {
    return u'[' + text + u']';
}

TEST(EditorProcedures, EachModeWritesOnceAndLeavesTheCaretAfterItsText) {
    using Run = std::function<void(EditorSurface&)>;
    const Run transform = [](EditorSurface& s) { TransformSelection(s, Bracketed); };
    const struct {
        const char* name;
        QString text;
        int selStart, selLength;
        Run run;
        QString expected;
        int caret;
    } cases[] = {
        {"transform gets the exact selection", u"ab\r\ncd"_s, 1, 4, transform, u"a[b\r\nc]d"_s, 7},
        {"transform of nothing", u"abcd"_s, 2, 0, transform, u"ab[]cd"_s, 4},
        {"wrap of nothing", u"abcd"_s, 2, 0,
         [](EditorSurface& s) { WrapSelection(s, u"<I>"_s, u"</I>"_s); }, u"ab<I></I>cd"_s, 9},
        {"replace all", u"ab\r\ncd"_s, 3, 0, [](EditorSurface& s) { ReplaceAllText(s, Bracketed); },
         u"[ab\r\ncd]"_s, 0},
        // The caret lands between the tags whatever the tag's length, and the
        // tag is written as given.
        {"tag pair", u"xy"_s, 1, 0, [](EditorSurface& s) { WrapSelectionInTag(s, u"sub"_s); },
         u"x<sub></sub>y"_s, 6},
        {"tag with a blank", u"x<sub>2</sub>y"_s, 0, 1,
         [](EditorSurface& s) { WrapSelectionInTag(s, u"Font Size=2"_s); },
         u"<Font Size=2>x</Font Size=2><sub>2</sub>y"_s, 28},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySurface surface;
        surface.setText(c.text);
        surface.setSelStart(c.selStart);
        surface.setSelLength(c.selLength);
        int changes = 0;
        QObject::connect(&surface, &EditorSurface::textChanged, &surface, [&] { ++changes; });
        c.run(surface);
        EXPECT_EQ(surface.text(), c.expected);
        EXPECT_EQ(surface.selStart(), c.caret);
        EXPECT_EQ(surface.selLength(), 0);
        EXPECT_EQ(changes, 1);
    }
}

TEST(EditorProcedures, ApplyEditorFontReplacesTheRememberedLookAndKeepsSize) {
    MemorySurface surface;
    surface.setText(u"abc"_s);
    surface.setTextFontSize(20);
    AppliedFont applied{RgbColor(1, 1, 1), true, true, u"Old"_s};
    ApplyEditorFont(surface, applied, RgbColor(0, 0, 9), false, false, u"New"_s);
    EXPECT_EQ(applied.AppliedTextColor, RgbColor(0, 0, 9));
    EXPECT_FALSE(applied.AppliedBold);
    EXPECT_FALSE(applied.AppliedItalic);
    EXPECT_EQ(applied.AppliedFontName, u"New"_s);
    EXPECT_EQ(surface.selFontSize(), 20);
    EXPECT_EQ(surface.selFontName(), u"New"_s);
}

} // namespace
