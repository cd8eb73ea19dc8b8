#include "html/html_window_test.h"
#include "html/simple/Zlomek.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

using ZlomekWindow = HtmlWindowTest;

TEST_F(ZlomekWindow, FractionGoesBeforeTheSelectionAndEnterInAPartConfirms) {
    EXPECT_EQ(confirmOn<Zlomek>(u"x y z"_s, 2, 1), u"x <SUP>A</SUP>/<SUB>B</SUB>y z"_s);

    select(u"ab"_s, 1, 0);
    Zlomek& window = openDialog<Zlomek>();
    auto* upper = child<QLineEdit>(window, u"Text1"_s);
    upper->setText(u"3"_s);
    child<QLineEdit>(window, u"Text2"_s)->clear(); // an empty part is written empty
    QTest::mouseClick(upper, Qt::LeftButton);
    QTest::keyClick(upper, Qt::Key_Return);
    EXPECT_EQ(form.surface().text(), u"a<SUP>3</SUP>/<SUB></SUB>b"_s);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
