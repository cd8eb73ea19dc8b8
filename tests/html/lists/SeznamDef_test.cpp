#include "html/lists/SeznamDef.h"

#include "html/html_window_test.h"

#include <QLineEdit>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

class SeznamDefWindow : public HtmlWindowTest {
protected:
    SeznamDefWindow() { run(MenuId::MnuListDef); }

    static SeznamDef& window() { return LoadedWindow<SeznamDef>(); }
    static QListWidget* list(const QString& name) { return child<QListWidget>(window(), name); }
    static QStringList rows(const QString& name) {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i)
            texts << list(name)->item(i)->text();
        return texts;
    }
    static void add(const QString& term, const QString& definition) {
        child<QLineEdit>(window(), u"Atribut"_s)->setText(term);
        child<QLineEdit>(window(), u"Hodnota"_s)->setText(definition);
        click(window(), u"Command1"_s);
    }
    static bool enabled(const QString& name) { return child(window(), name)->isEnabled(); }
};

TEST_F(SeznamDefWindow, PairsStayInStepThroughAddingSelectingAndRemoving) {
    ASSERT_TRUE(window().isVisible());
    // The preset texts make a first pair at once.
    click(window(), u"Command1"_s);
    add(u"HTML"_s, u"jazyk"_s);
    add(u"CSS"_s, u"styly"_s);
    EXPECT_EQ(rows(u"Atributs"_s), (QStringList{u"Text1"_s, u"HTML"_s, u"CSS"_s}));
    EXPECT_EQ(rows(u"Values"_s), (QStringList{u"Text1"_s, u"jazyk"_s, u"styly"_s}));

    // An empty box disables adding, and a click then adds nothing.
    child<QLineEdit>(window(), u"Hodnota"_s)->clear();
    EXPECT_FALSE(enabled(u"Command1"_s));
    child<QLineEdit>(window(), u"Atribut"_s)->setText(u"X"_s);
    EXPECT_TRUE(enabled(u"Command1"_s));
    click(window(), u"Command1"_s);
    EXPECT_EQ(list(u"Atributs"_s)->count(), 3);

    list(u"Values"_s)->setCurrentRow(0);
    EXPECT_EQ(list(u"Atributs"_s)->currentRow(), 0);
    click(window(), u"Command2"_s);
    EXPECT_EQ(rows(u"Atributs"_s), (QStringList{u"HTML"_s, u"CSS"_s}));
    EXPECT_EQ(rows(u"Values"_s), (QStringList{u"jazyk"_s, u"styly"_s}));

    select(u"x"_s, 0, 1);
    click(window(), u"Command3"_s);
    EXPECT_EQ(form.surface().text(),
              u"<DL>\r\n<DT>HTML</DT>\r\n<DD>jazyk</DD>\r\n<DT>CSS</DT>\r\n<DD>styly</DD>\r\n"
              u"</DL>x"_s);
    EXPECT_FALSE(window().isVisible());

    // Nothing selected: the last pair goes; the list emptied greys removing.
    run(MenuId::MnuListDef);
    click(window(), u"Command2"_s);
    EXPECT_EQ(rows(u"Values"_s), QStringList{u"jazyk"_s});
    click(window(), u"Command2"_s);
    EXPECT_FALSE(enabled(u"Command2"_s));
    select(QString(), 0, 0);
    click(window(), u"Command3"_s);
    EXPECT_EQ(form.surface().text(), u"<DL>\r\n</DL>"_s);
    add(u"a"_s, u"b"_s);
    EXPECT_TRUE(enabled(u"Command2"_s));
}

} // namespace
