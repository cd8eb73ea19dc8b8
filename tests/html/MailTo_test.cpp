#include "html/MailTo.h"
#include "html_window_test.h"

#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/window_instances.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class MailToWindow : public HtmlWindowTest {
protected:
    MailToWindow() { Program().Settings.UserEmail = u"jan@example.cz"_s; }

    static MailTo& open() { return openDialog<MailTo>(); }
    static QLineEdit* address(const MailTo& window) {
        return window.findChild<QLineEdit*>(u"Text1"_s);
    }
};

struct MailCase {
    int start;
    int length;
    QString text;
    int caret;
};

} // namespace

TEST_F(MailToWindow, WrapsTheSelectionOrRepeatsTheAddressAsLinkText) {
    const MailCase cases[] = {
        {3, 0, u"Ps:<A HREF=\"mailto:jan@example.cz\">jan@example.cz</A> hi"_s, 53},
        {4, 2, u"Ps: <A HREF=\"mailto:jan@example.cz\">hi</A>"_s, 42},
    };
    for (const MailCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        select(u"Ps: hi"_s, c.start, c.length);
        MailTo& window = open();
        EXPECT_EQ(window.windowTitle(), u"HTML Mailto"_s);
        EXPECT_EQ(address(window)->text(), u"jan@example.cz"_s);

        click(window, u"Command1"_s);

        EXPECT_EQ(form.surface().text(), c.text);
        EXPECT_EQ(form.surface().selStart(), c.caret);
        EXPECT_EQ(form.surface().selLength(), 0);
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(MailToWindow, TypedAddressStaysUntilClosedFromTheTitleBar) {
    select(u""_s, 0, 0);
    MailTo& window = open();
    address(window)->setText(u"a\"b"_s);
    // Enter in the address writes nothing: the window has no default button.
    QTest::mouseClick(address(window), Qt::LeftButton);
    QTest::keyClick(address(window), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(form.surface().text(), u""_s);
    click(window, u"Command2"_s);

    // A changed setting does not reach the window that already exists.
    Program().Settings.UserEmail = u"eva@example.cz"_s;
    MailTo& kept = open();
    ASSERT_EQ(&kept, &window);
    EXPECT_EQ(address(kept)->text(), u"a\"b"_s);
    click(kept, u"Command1"_s);
    EXPECT_EQ(form.surface().text(), u"<A HREF=\"mailto:a\"b\">a\"b</A>"_s);

    LoadedWindow<MailTo>().showModeless();
    LoadedWindow<MailTo>().close();
    EXPECT_EQ(address(open())->text(), u"eva@example.cz"_s);
}
