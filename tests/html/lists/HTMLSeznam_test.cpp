#include "html/lists/HTMLSeznam.h"

#include "html/html_window_test.h"

#include <QLineEdit>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

class HTMLSeznamWindow : public HtmlWindowTest {
protected:
    static HTMLSeznam& window() { return LoadedWindow<HTMLSeznam>(); }
    static QListWidget* list() { return child<QListWidget>(window(), u"LstPolozky"_s); }
    static QStringList items() {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }
    static void add(const QString& item) {
        child<QLineEdit>(window(), u"TxtPolozka"_s)->setText(item);
        click(window(), u"CmndAdd"_s);
    }
    static void press(const QString& button, int row) {
        list()->setCurrentRow(row);
        click(window(), button);
    }
};

TEST_F(HTMLSeznamWindow, NumberedListFromTheSelectionIsEditedAndGoesBeforeIt) {
    select(u"a\r\nb\r\n"_s, 0, 6);
    run(MenuId::mnu_HTML_sel_num_list);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(items(), (QStringList{u"a"_s, u"b"_s, QString()}));
    EXPECT_FALSE(child(window(), u"FramS"_s)->isVisibleTo(&window()));
    EXPECT_TRUE(child(window(), u"FramC"_s)->isVisibleTo(&window()));

    // The options start greyed; ticking frees them.
    EXPECT_FALSE(child(window(), u"OpCMalar"_s)->isEnabled());
    for (const QString& box : {u"ChkCBod"_s, u"OpCMalar"_s, u"ChkCompact"_s, u"ChkLabel"_s})
        tick(window(), box);
    child<QLineEdit>(window(), u"TxtLabel"_s)->setText(u"Kroky"_s);

    press(u"C_Top"_s, 2);
    press(u"C_Down"_s, 2);
    EXPECT_EQ(items(), (QStringList{QString(), u"a"_s, u"b"_s}));
    EXPECT_EQ(list()->currentRow(), 2);
    press(u"C_Up"_s, 0);
    press(u"C_Bottom"_s, 0);
    EXPECT_EQ(items(), (QStringList{u"a"_s, u"b"_s, QString()}));
    press(u"C_Delete"_s, 0);
    EXPECT_EQ(list()->currentRow(), 0);
    add(u"před b"_s);
    list()->setCurrentRow(-1);
    add(u"konec"_s);
    EXPECT_EQ(items(), (QStringList{u"před b"_s, u"b"_s, QString(), u"konec"_s}));

    click(window(), u"CmndOk"_s);
    EXPECT_EQ(form.surface().text(),
              u"<OL TYPE=\"i\" COMPACT>\r\n<LH>Kroky</LH>\r\n<LI>před b</LI>\r\n<LI>b</LI>\r\n"
              u"<LI></LI>\r\n<LI>konec</LI>\r\n</OL>a\r\nb\r\n"_s);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(HTMLSeznamWindow, BulletedListKeepsItsItemsAndAnEmptySelectionEmptiesThem) {
    select(u"x"_s, 0, 1);
    run(MenuId::mnu_HTML_sel_list);
    click(window(), u"CmndStorno"_s);
    run(MenuId::mnulist);
    EXPECT_EQ(items(), QStringList{u"x"_s});
    EXPECT_TRUE(child(window(), u"FramS"_s)->isVisibleTo(&window()));
    tick(window(), u"ChkSBod"_s);
    tick(window(), u"OpSCtverecek"_s);
    // Each frame's choice counts for its own kind of list only.
    tick(window(), u"ChkCBod"_s);
    select(QString(), 0, 0);
    click(window(), u"CmndOk"_s);
    EXPECT_EQ(form.surface().text(), u"<UL TYPE=\"square\">\r\n<LI>x</LI>\r\n</UL>"_s);

    select(u"y"_s, 1, 0);
    run(MenuId::mnu_HTML_sel_list);
    EXPECT_TRUE(items().isEmpty());
    // Moves and deletes with nothing selected do nothing.
    click(window(), u"C_Delete"_s);
    run(MenuId::mnulistcount);
    click(window(), u"CmndOk"_s);
    EXPECT_EQ(form.surface().text(), u"y<OL TYPE=\"1\">\r\n</OL>"_s);
}

} // namespace
