#include "html/head/Meta.h"

#include "core/html/html_head_lines.h"
#include "core/settings/app_version.h"
#include "html/html_window_test.h"

#include <QAbstractItemView>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

class MetaWindow : public HtmlWindowTest {
protected:
    Meta& open() {
        run(MenuId::MnuMeta);
        return LoadedWindow<Meta>();
    }
    static QComboBox* combo(const Meta& window) { return child<QComboBox>(window, u"Combo1"_s); }
};

TEST_F(MetaWindow, OffersSamplesAndTheSettingsOfItsLoadAndInsertsTheBoxText) {
    Program().Settings.UserName = QString();
    Program().Settings.UserEmail = u"jan@example.cz"_s;
    Meta& window = open();
    ASSERT_TRUE(window.isVisible());
    const QStringList loaded = MetaSettingsLines(QString(), u"jan@example.cz"_s, AppVersionText());
    EXPECT_EQ(itemsOf(combo(window)), MetaSampleLines() + loaded);
    EXPECT_TRUE(loaded.contains(u"<META NAME=\"AUTHOR\" CONTENT=\"\">"_s));

    // Enter does not confirm; Ok before any choice inserts the prompt itself.
    select(u"ab"_s, 1, 1);
    QTest::keyClick(combo(window)->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(form.surface().text(), u"ab"_s);
    click(window, u"Command1"_s);
    EXPECT_EQ(form.surface().text(), u"aVyber meta-tagb"_s);
    EXPECT_FALSE(window.isVisible());

    Program().Settings.UserName = u"Jan"_s;
    open();
    EXPECT_EQ(combo(window)->count(), 20);
    EXPECT_EQ(itemsOf(combo(window)).mid(16), loaded);
    combo(window)->setEditText(u"<META \"vlastní\">"_s);
    select(QString(), 0, 0);
    click(window, u"Command1"_s);
    EXPECT_EQ(form.surface().text(), u"<META \"vlastní\">"_s);
    EXPECT_EQ(combo(window)->count(), 20);

    // Closed from its title bar, it loads again from the settings of now.
    open().close();
    EXPECT_TRUE(itemsOf(combo(open())).contains(u"<META NAME=\"AUTHOR\" CONTENT=\"Jan\">"_s));
}

TEST_F(MetaWindow, OpenListShowsItsLongestLinesWhole) {
    Program().Settings.UserName = u"Jan Novák"_s;
    QComboBox* box = combo(open());
    box->showPopup();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(list->isVisible());
    for (const QString& line : itemsOf(box))
        EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(line))
            << line.toStdString();
    box->hidePopup();
}

} // namespace
