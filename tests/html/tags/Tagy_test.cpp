#include "html/html_window_test.h"
#include "html/tags/Tagy.h"

#include "html/controls/AttributePairEditor.h"
#include "shell/main_window/MainMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>

using namespace Qt::StringLiterals;

namespace {

class TagyWindow : public HtmlWindowTest {
protected:
    Tagy& open(MenuId entry) {
        form.menu().action(entry)->trigger();
        return LoadedWindow<Tagy>();
    }
    // Adds a pair as the user does: both boxes typed, then "Přidej".
    static void addPair(Tagy& window, const QString& name, const QString& value) {
        child<QComboBox>(window, u"Atribut"_s)->setEditText(name);
        child<QComboBox>(window, u"Hodnota"_s)->setEditText(value);
        click(window, u"Command1"_s);
    }
    QString confirmOver(Tagy& window, const QString& text, int start, int length) {
        select(text, start, length);
        click(window, u"Command3"_s);
        return form.surface().text();
    }
};

TEST_F(TagyWindow, CustomTagModeWritesTheWholeTag) {
    Tagy& window = open(MenuId::mnuvlastni);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), u"HTML - vlastní tag"_s);
    EXPECT_TRUE(child(window, u"TagText"_s)->isEnabled());
    child<QLineEdit>(window, u"TagText"_s)->setText(u"DIV"_s);
    addPair(window, u"ALIGN"_s, u"CENTER"_s);
    child<QCheckBox>(window, u"Check1"_s)->click();

    EXPECT_EQ(confirmOver(window, u"[text]"_s, 1, 4), u"[<DIV ALIGN=\"CENTER\">text</DIV>]"_s);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(form.surface().selLength(), 0);

    open(MenuId::mnuvlastni);
    EXPECT_EQ(confirmOver(window, u"[]"_s, 1, 0), u"[<DIV ALIGN=\"CENTER\"></DIV>]"_s);
    EXPECT_EQ(form.surface().selStart(), 27);

    // Without the end tag the opening tag goes before the selection.
    open(MenuId::mnuvlastni);
    child<QCheckBox>(window, u"Check1"_s)->click();
    EXPECT_EQ(confirmOver(window, u"[text]"_s, 1, 4), u"[<DIV ALIGN=\"CENTER\">text]"_s);
    EXPECT_EQ(form.surface().selStart(), 21);
    EXPECT_EQ(form.surface().selLength(), 0);
}

TEST_F(TagyWindow, AttributesModeWritesThePairsAloneAndKeepsThemForTheTag) {
    Tagy& window = open(MenuId::mnuatr);
    EXPECT_EQ(window.windowTitle(), u"HTML - atributy"_s);
    EXPECT_FALSE(child(window, u"TagText"_s)->isEnabled());
    EXPECT_FALSE(child(window, u"Check1"_s)->isEnabled());
    addPair(window, u"WIDTH"_s, u"100%"_s);
    addPair(window, u"HEIGHT"_s, u"50%"_s);
    EXPECT_EQ(confirmOver(window, u"<TD>"_s, 3, 0), u"<TD WIDTH=\"100%\" HEIGHT=\"50%\">"_s);

    // No pairs: nothing written, yet the selection is let go.
    open(MenuId::mnuatr);
    click(window, u"Command2"_s);
    click(window, u"Command2"_s);
    EXPECT_FALSE(child(window, u"Command2"_s)->isEnabled());
    EXPECT_EQ(confirmOver(window, u"abc"_s, 1, 2), u"abc"_s);
    EXPECT_EQ(form.surface().selLength(), 0);

    open(MenuId::mnuatr);
    addPair(window, u"SRC"_s, u"a.png"_s);
    click(window, u"Command4"_s);
    open(MenuId::mnuvlastni);
    EXPECT_TRUE(child(window, u"TagText"_s)->isEnabled());
    EXPECT_EQ(confirmOver(window, u""_s, 0, 0), u"<TAG SRC=\"a.png\">"_s);
}

TEST_F(TagyWindow, TypingOnlyEnablesAddAndAClickOnlySelectsThePair) {
    Tagy& window = open(MenuId::mnuvlastni);
    addPair(window, u"A"_s, u"1"_s);
    addPair(window, u"B"_s, u"2"_s);
    auto* values = child<QListView>(window, u"Values"_s);
    QTest::mouseClick(values->viewport(), Qt::LeftButton, {},
                      values->visualRect(values->model()->index(0, 1)).center());
    EXPECT_EQ(child<QListView>(window, u"Atributs"_s)->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(child<QComboBox>(window, u"Atribut"_s)->currentText(), u"B"_s);

    child<QComboBox>(window, u"Hodnota"_s)->setEditText(QString());
    EXPECT_FALSE(child(window, u"Command1"_s)->isEnabled());
    child<QComboBox>(window, u"Atribut"_s)->setEditText(u"C"_s);
    EXPECT_TRUE(child(window, u"Command1"_s)->isEnabled());
    click(window, u"Command1"_s);
    // The new pair goes above the selected one; the selected one is untouched.
    EXPECT_EQ(window.pairs()->pairs(),
              (QList<AttributePair>{{u"C"_s, u""_s}, {u"A"_s, u"1"_s}, {u"B"_s, u"2"_s}}));
    click(window, u"Command2"_s);
    EXPECT_EQ(window.pairs()->pairs(), (QList<AttributePair>{{u"C"_s, u""_s}, {u"B"_s, u"2"_s}}));
}

} // namespace
