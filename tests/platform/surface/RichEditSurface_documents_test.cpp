// Documents swapped on the one surface keep their text, break kinds and
// positions.
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"

#include <QSignalSpy>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(RichEditSurfaceDocuments, EachDocumentKeepsItsBreakKindsAndPositionsWhenTakenBack) {
    const QString texts[] = {u"a\nb\rc\r\nd"_s, u"x\r\ny\r\nz"_s, u"\0\n\r\r\nq"_s, QString()};
    RichEditSurface surface;
    std::vector<QTextDocument*> documents;
    for (const QString& text : texts) {
        documents.push_back(RichEditSurface::newDocument(&surface));
        surface.setDocument(documents.back());
        surface.setText(text);
    }
    QSignalSpy changes(&surface, &EditorSurface::textChanged);
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < documents.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(RichEditSurface::textOf(*documents[i]), texts[i]);
            surface.setDocument(documents[i]);
            EXPECT_EQ(surface.text(), texts[i]);
            EXPECT_EQ(surface.textLength(), texts[i].size());
            // The last character of every text lies after its breaks.
            const int last = std::max(0, static_cast<int>(texts[i].size()) - 1);
            surface.setSelStart(last);
            surface.setSelLength(1);
            EXPECT_EQ(surface.selText(), texts[i].mid(last, 1));
        }
    }
    EXPECT_EQ(changes.count(), 0);

    // Editing the document taken back counts its own breaks.
    surface.setDocument(documents[0]);
    surface.setSelStart(5);
    surface.setSelText(u"\n"_s);
    EXPECT_EQ(surface.text(), u"a\nb\rc\n\r\nd"_s);
    surface.setDocument(documents[1]);
    surface.setSelStart(8);
    surface.setSelText(u"!"_s);
    EXPECT_EQ(surface.text(), u"x\r\ny\r\nz!"_s);
}

} // namespace
