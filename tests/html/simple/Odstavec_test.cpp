#include "html/html_window_test.h"
#include "html/simple/Odstavec.h"

using namespace Qt::StringLiterals;

namespace {

using OdstavecWindow = HtmlWindowTest;

TEST_F(OdstavecWindow, InitialStateOrEachOptionWrapsTheSelectionInItsParagraph) {
    const std::pair<QString, QString> cases[] = {
        {QString(), u"<P ALIGN=\"JUSTIFY\">"_s},    {u"Option1"_s, u"<P ALIGN=\"LEFT\">"_s},
        {u"Option2"_s, u"<P ALIGN=\"CENTER\">"_s},  {u"Option3"_s, u"<P ALIGN=\"RIGHT\">"_s},
        {u"Option4"_s, u"<P ALIGN=\"JUSTIFY\">"_s}, {u"Option5"_s, u"<P>"_s},
    };
    for (const auto& [option, opening] : cases) {
        SCOPED_TRACE(option.toStdString());
        if (!option.isEmpty())
            tick(openDialog<Odstavec>(), option);
        const QString expected = u"a "_s + opening + u"Text</P> b"_s;
        EXPECT_EQ(confirmOn<Odstavec>(u"a Text b"_s, 2, 4), expected);
        EXPECT_EQ(form.surface().selStart(), expected.size() - 2);
        EXPECT_EQ(form.surface().selLength(), 0);
    }
}

} // namespace
