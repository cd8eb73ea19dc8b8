// The editor's look and marks over the text of the rich-text surface.
#include "core/text/editor_procedures.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const AppliedFont Wanted{RgbColor(0, 0, 160), true, true, u"Arial CE"_s};

// Formatting the text had before: a bigger bold stretch and a coloured one.
void formatStretches(EditorSurface& surface) {
    surface.setSelStart(2);
    surface.setSelLength(5);
    surface.setSelFontSize(17);
    surface.setSelBold(false);
    surface.setColorRuns({{8, 4, RgbColor(200, 0, 0)}});
}

// The look and the marks are drawn over the text, never stored in it: the
// characters' own formats carry no look, so no formatting can enter the undo
// history, and every document the surface shows takes the look.
TEST(EditorLook, IsNoDocumentContentAndReachesEveryShownDocument) {
    const QString text = u"ab<b>cd</b>\r\nef\ngh\r\n\r\nij"_s;
    RichEditSurface surface;
    surface.setText(text);
    formatStretches(surface);
    AppliedFont applied;
    ApplyEditorFont(surface, applied, Wanted.AppliedTextColor, Wanted.AppliedBold,
                    Wanted.AppliedItalic, Wanted.AppliedFontName);
    surface.setTextFontSize(14);
    surface.setColorRuns({{0, 2, RgbColor(0, 120, 0)}});

    QTextDocument* first = surface.document();
    const QTextDocument& document = *first;
    for (int position = 1; position < document.characterCount(); ++position) {
        QTextCursor cursor(surface.widget()->document());
        cursor.setPosition(position);
        const QTextCharFormat format = cursor.charFormat();
        for (const int property :
             {QTextFormat::ForegroundBrush, QTextFormat::FontWeight, QTextFormat::FontItalic,
              QTextFormat::FontFamilies, QTextFormat::FontPointSize})
            EXPECT_FALSE(format.hasProperty(property)) << "position " << position;
    }
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_EQ(surface.text(), text);

    const std::vector<std::pair<int, ColorValue>> colours = {
        {0, RgbColor(0, 120, 0)}, {2, Wanted.AppliedTextColor}, {9, Wanted.AppliedTextColor}};
    for (const auto& [position, colour] : colours) {
        surface.setSelStart(position);
        surface.setSelLength(1);
        EXPECT_EQ(surface.selColor(), colour) << "position " << position;
        EXPECT_TRUE(surface.selBold());
        EXPECT_TRUE(surface.selItalic());
        EXPECT_EQ(surface.selFontName(), Wanted.AppliedFontName);
        EXPECT_EQ(surface.selFontSize(), 14);
    }

    QTextDocument* other = RichEditSurface::newDocument(&surface);
    surface.setDocument(other);
    EXPECT_EQ(other->defaultFont(), document.defaultFont());
    EXPECT_EQ(surface.selColor(), Wanted.AppliedTextColor);
    surface.setDocument(first);
}

// Marks move with their characters: typing inside or right after a marked
// word continues it (a break too), and undoing the typing and the
// break gives the word its colour back where it stood.
TEST(EditorLook, MarksFollowTheirCharactersThroughEditsAndUndo) {
    const ColorValue red = RgbColor(200, 0, 0);
    RichEditSurface surface;
    const ColorValue plain = surface.selColor();
    surface.setText(u"abc def\r\nghi"_s);
    surface.setColorRuns({{4, 3, red}}); // "def"
    const auto colours = [&surface] {
        std::vector<ColorValue> result;
        for (int p = 0; p < surface.textLength(); ++p) {
            surface.setSelStart(p);
            surface.setSelLength(1);
            result.push_back(surface.selColor());
        }
        return result;
    };
    const auto R = red;
    const auto P = plain;

    surface.setSelStart(5);
    surface.setSelText(u"X"_s); // "abc dXef\r\nghi"
    EXPECT_EQ(colours(), (std::vector{P, P, P, P, R, R, R, R, P, P, P, P, P}));
    surface.setSelStart(6);
    surface.setSelText(u"\r\n"_s); // "abc dX\r\nef\r\nghi"
    EXPECT_EQ(colours(), (std::vector{P, P, P, P, R, R, R, R, R, R, P, P, P, P, P}));
    surface.undo();
    surface.undo();
    EXPECT_EQ(surface.text(), u"abc def\r\nghi"_s);
    EXPECT_EQ(colours(), (std::vector{P, P, P, P, R, R, R, P, P, P, P, P}));
    // Backspace joining a marked line with the one before keeps its marks.
    surface.setColorRuns({{9, 2, red}}); // "gh"
    surface.setSelStart(9);
    QTest::keyClick(surface.widget(), Qt::Key_Backspace);
    EXPECT_EQ(surface.text(), u"abc defghi"_s);
    EXPECT_EQ(colours(), (std::vector{P, P, P, P, R, R, R, R, R, P}));
    // A write that changes nothing leaves nothing behind for the next edit.
    surface.setSelStart(0);
    surface.setSelText(QString());
    surface.setColorRuns({{0, 1, red}});
    surface.setSelStart(10);
    QTest::keyClicks(surface.widget(), u"!"_s);
    EXPECT_EQ(colours(), (std::vector{R, P, P, P, R, R, R, R, R, P, P}));
}

} // namespace
