#include "html/html_window_test.h"
#include "html/simple/MailTo.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

class MailToWindow : public HtmlWindowTest {
protected:
    MailToWindow() { Program().Settings.UserEmail = u"jan@example.cz"_s; }

    static QLineEdit* address() { return child<QLineEdit>(LoadedWindow<MailTo>(), u"Text1"_s); }
};

// The address comes from the settings when the window is made.
TEST_F(MailToWindow, WrapsTheSelectionOrRepeatsTheAddressAsLinkText) {
    EXPECT_EQ(confirmOn<MailTo>(u"Ps: hi"_s, 3, 0),
              u"Ps:<A HREF=\"mailto:jan@example.cz\">jan@example.cz</A> hi"_s);
    EXPECT_EQ(confirmOn<MailTo>(u"Ps: hi"_s, 4, 2),
              u"Ps: <A HREF=\"mailto:jan@example.cz\">hi</A>"_s);
}

TEST_F(MailToWindow, TypedAddressStaysUntilClosedFromTheTitleBar) {
    MailTo& window = openDialog<MailTo>();
    address()->setText(u"a\"b"_s);
    // Enter in the address writes nothing: the window has no default button.
    QTest::mouseClick(address(), Qt::LeftButton);
    QTest::keyClick(address(), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(form.surface().text(), u""_s);

    // A changed setting does not reach the window that already exists.
    Program().Settings.UserEmail = u"eva@example.cz"_s;
    EXPECT_EQ(confirmOn<MailTo>(QString(), 0, 0), u"<A HREF=\"mailto:a\"b\">a\"b</A>"_s);

    openDialog<MailTo>().close();
    EXPECT_EQ(child<QLineEdit>(openDialog<MailTo>(), u"Text1"_s)->text(), u"eva@example.cz"_s);
}

} // namespace
