#include "html/Odstavec.h"

#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/window_instances.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class OdstavecWindow : public ::testing::Test {
protected:
    OdstavecWindow() { dialog.showModeless(); }

    void click(const QString& name) {
        QWidget* control = dialog.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        // Near the left edge: a stretched box reacts only on its mark and caption.
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
    }

    TestPlatform platform;
    MainForm form;
    Odstavec& dialog = LoadedWindow<Odstavec>();
};

TEST_F(OdstavecWindow, InitialStateInsertsAnEmptyJustifiedParagraphAtTheCaret) {
    form.surface().setText(u"abcdef"_s);
    form.surface().setSelStart(3);
    click(u"Command1"_s);
    const QString paragraph = u"<P ALIGN=\"JUSTIFY\"></P>"_s;
    EXPECT_EQ(form.surface().text(), u"abc"_s + paragraph + u"def"_s);
    EXPECT_EQ(form.surface().selStart(), 3 + paragraph.size());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(OdstavecWindow, EachOptionWrapsTheSelectionInItsParagraph) {
    const struct {
        QString option;
        QString opening;
    } cases[] = {
        {u"Option1"_s, u"<P ALIGN=\"LEFT\">"_s},
        {u"Option2"_s, u"<P ALIGN=\"CENTER\">"_s},
        {u"Option3"_s, u"<P ALIGN=\"RIGHT\">"_s},
        {u"Option4"_s, u"<P ALIGN=\"JUSTIFY\">"_s},
        {u"Option5"_s, u"<P>"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option.toStdString());
        form.surface().setText(u"a Text b"_s);
        form.surface().setSelStart(2);
        form.surface().setSelLength(4);
        dialog.showModeless();
        click(c.option);
        click(u"Command1"_s);
        const QString expected = u"a "_s + c.opening + u"Text</P> b"_s;
        EXPECT_EQ(form.surface().text(), expected);
        EXPECT_EQ(form.surface().selStart(), expected.size() - 2);
        EXPECT_EQ(form.surface().selLength(), 0);
    }
}

} // namespace
