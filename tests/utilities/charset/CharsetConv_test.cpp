#include "utilities/charset/CharsetConv.h"

#include "core/text/ansi_code_page.h"
#include "utilities/text_tool_test.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

using CharsetConvWindow = TextToolTest;

// The box's text with its no-break spaces, which the plain-text reading
// turns into blanks: in DOS 852 "á" is the no-break space's code.
QString Raw(const QPlainTextEdit* box) {
    return box->document()->toRawText();
}

TEST_F(CharsetConvWindow, OptionsPreviewTheSampleAndOkConvertsTheWholeDocument) {
    surface().setText(u"Kůň\r\nŽ"_s);
    CharsetConv& window = opened<CharsetConv>(MenuId::Mnu_Conv_Charset);
    EXPECT_EQ(window.windowTitle(), u"Konverze znakové sady ČJ"_s);
    const QString sample = u"Žluťoučký kůň úpěl ďábelské ódy."_s;
    EXPECT_EQ(window.TxtFrom()->toPlainText(), sample);
    EXPECT_TRUE(window.TxtTo()->toPlainText().isEmpty());
    EXPECT_TRUE(window.TxtTo()->isReadOnly());
    EXPECT_TRUE(window.OptFromCHS(1)->isChecked());
    EXPECT_TRUE(window.OptToCHS(1)->isChecked());
    EXPECT_EQ(WindowTag(window.OptFromCHS(1)), u"1"_s);

    // 1250 to 852 and back gives the sample again.
    choose(window.OptFromCHS(2));
    EXPECT_EQ(WindowTag(window.OptFromCHS(1)), u"2"_s);
    const QString dos = Raw(window.TxtTo());
    EXPECT_NE(dos, sample);
    EXPECT_EQ(EncodeAnsi(dos).left(2), QByteArray("\xA6l"));
    window.TxtFrom()->setPlainText(dos);
    EXPECT_EQ(Raw(window.TxtTo()), dos) << "editing the sample does not preview";
    choose(window.OptToCHS(2));
    choose(window.OptFromCHS(1));
    EXPECT_EQ(Raw(window.TxtTo()), sample);

    // The document: 1250 to Mac; the line break stays.
    choose(window.OptFromCHS(2));
    choose(window.OptToCHS(5));
    click(window.Command1());
    EXPECT_EQ(EncodeAnsi(surface().text()), QByteArray("K\xF3\xCB\r\n\xEB"));
    EXPECT_FALSE(window.isVisible());

    // Storno converts nothing; the pages chosen stay for the next opening.
    run(MenuId::Mnu_Conv_Charset);
    EXPECT_TRUE(window.OptToCHS(5)->isChecked());
    click(window.Command2());
    EXPECT_EQ(EncodeAnsi(surface().text()), QByteArray("K\xF3\xCB\r\n\xEB"));
    EXPECT_FALSE(window.isVisible());
}

} // namespace
