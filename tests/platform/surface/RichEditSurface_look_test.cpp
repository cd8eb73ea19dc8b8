// The editor's look given in one merge leaves every character formatted as
// the four separate settings (colour, weight, slant, font) did.
#include "core/text/editor_procedures.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"

#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const AppliedFont Wanted{RgbColor(0, 0, 160), true, true, u"Arial CE"_s};

void fourSettings(EditorSurface& surface) {
    surface.setSelColor(Wanted.AppliedTextColor);
    surface.setSelBold(Wanted.AppliedBold);
    surface.setSelItalic(Wanted.AppliedItalic);
    surface.setSelFontName(Wanted.AppliedFontName);
}

void selectAll(EditorSurface& surface) {
    surface.setSelStart(0);
    surface.setSelLength(surface.textLength());
}

using Step = std::function<void(EditorSurface&)>;

Step setWhole(const QString& text) {
    return [text](EditorSurface& s) { s.setText(text); };
}

Step typeIn(const QString& text) {
    return [text](EditorSurface& s) { s.setSelText(text); };
}

// A text of the given size emptied by a new text, or by deleting all and
// then choosing the size.
Step emptied(double size, bool deleted) {
    return [size, deleted](EditorSurface& s) {
        s.setText(u"xyz"_s);
        selectAll(s);
        if (!deleted)
            s.setSelFontSize(size);
        s.setSelText(QString());
        if (deleted)
            s.setSelFontSize(size);
    };
}

Step fourAfter(const Step& write) {
    return [write](EditorSurface& s) {
        write(s);
        selectAll(s);
        fourSettings(s);
    };
}

Step mergeBefore(const Step& write) {
    return [write](EditorSurface& s) {
        s.setSelLook(Wanted.AppliedTextColor, Wanted.AppliedBold, Wanted.AppliedItalic,
                     Wanted.AppliedFontName);
        write(s);
    };
}

// Formatting the text had before: a bigger bold stretch and a coloured one.
void formatStretches(EditorSurface& surface) {
    surface.setSelStart(2);
    surface.setSelLength(5);
    surface.setSelFontSize(17);
    surface.setSelBold(false);
    surface.setColorRuns({{8, 4, RgbColor(200, 0, 0)}});
}

struct Format {
    QColor color;
    int weight;
    bool italic;
    QStringList families;
    double size;
    bool operator==(const Format&) const = default;
};

void PrintTo(const Format& f, std::ostream* os) {
    *os << f.color.name().toStdString() << " w" << f.weight << (f.italic ? " italic " : " ")
        << f.families.join(u',').toStdString() << " " << f.size;
}

Format formatAt(const RichEditSurface& surface, int widgetPosition) {
    QTextCursor cursor(surface.widget()->document());
    cursor.setPosition(widgetPosition + 1);
    const QTextCharFormat format = cursor.charFormat();
    return {format.foreground().color(), format.fontWeight(), format.fontItalic(),
            format.fontFamilies().toStringList(), format.fontPointSize()};
}

TEST(EditorLookInOneMerge, FormatsLikeTheFourSettingsOnAnEmptyAndALoadedText) {
    const QString text = u"ab<b>cd</b>\r\nef\ngh\r\n\r\nij"_s;
    const struct {
        const char* name;
        Step before;   // on both surfaces
        Step fourWay;  // the look as four settings
        Step oneMerge; // the look as one merge
    } cases[] = {
        {"loaded text",
         [&text](EditorSurface& s) {
             s.setText(text);
             formatStretches(s);
             s.setSelStart(3);
         },
         fourAfter([](EditorSurface&) {}),
         [](EditorSurface& s) {
             AppliedFont applied;
             ApplyEditorFont(s, applied, Wanted.AppliedTextColor, Wanted.AppliedBold,
                             Wanted.AppliedItalic, Wanted.AppliedFontName);
         }},
        // The four settings once came after the new text; the merge now waits in
        // the empty text and goes in with it.
        {"new text into an emptied one", emptied(14, false), fourAfter(setWhole(text)),
         mergeBefore(setWhole(text))},
        {"typed into an emptied one", emptied(12, true), fourAfter(typeIn(text)),
         mergeBefore(typeIn(text))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RichEditSurface fourWay;
        RichEditSurface oneMerge;
        c.before(fourWay);
        c.before(oneMerge);
        c.fourWay(fourWay);
        c.oneMerge(oneMerge);
        ASSERT_EQ(oneMerge.text(), fourWay.text());
        const int length = fourWay.widget()->document()->characterCount() - 1;
        for (const int position : {0, 2, 4, 6, 9, 11, 12, 15, length - 1})
            EXPECT_EQ(formatAt(oneMerge, position), formatAt(fourWay, position))
                << "position " << position;
        EXPECT_EQ(formatAt(oneMerge, 0).color, QColor(0, 0, 160));
    }
}

} // namespace
