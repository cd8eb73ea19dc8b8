// The HTML menu's direct commands, run from the main window's menu.
#include "html/html_window_test.h"
#include "html/menu/html_menu_commands.h"
#include "html/tags/Tagy.h"

#include "html/controls/AttributePairEditor.h"

#include "platform/surface/SurfaceTextEdit.h"
#include "shell/main_window/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

class HtmlMenuCommands : public HtmlWindowTest {
protected:
    HtmlMenuCommands() { RegisterHtmlMenuCommands(commands); }
    ~HtmlMenuCommands() override { platform.unloadWindows(&form); }

    void run(MenuId id) { form.menu().action(id)->trigger(); }
    // The shortcut as the user presses it in the editor.
    void press(Qt::Key key) {
        form.show();
        QApplication::setActiveWindow(&form);
        form.Text1()->setFocus();
        QTest::keyClick(form.Text1(), key, Qt::ControlModifier);
    }
    EditorSurface& surface() { return form.surface(); }
};

TEST_F(HtmlMenuCommands, SelectionCommandsWriteTheirTexts) {
    struct Case {
        MenuId entry;
        QString selected;
        QString result;
    };
    const Case cases[] = {
        {MenuId::Mnu_Html_Effect_Wave, u"abcd"_s, u"[<SUB>a</SUB>b<SUP>c</SUP>d]"_s},
        {MenuId::Mnu_Html_Effect_Wave, u""_s, u"[]"_s},
        {MenuId::Mnu_HTMLpublishcode, u"<B>"_s, u"[<TT><B>&lt;B&gt;</B></TT>]"_s},
        {MenuId::Mnu_PHP_CreateFromHTML, u"a"_s, u"[<?php\r\n echo (\"a\");\r\n?>]"_s},
        {MenuId::mnuComment, u""_s, u"[<!  >]"_s},
        {MenuId::mnuNoHtml, u"<B>tučně</B> a <I>x</I>"_s, u"[tučně a x]"_s},
        {MenuId::mnuComment, u"x"_s, u"[<! x >]"_s},
        {MenuId::mnulinelabel, u"N"_s,
         u"[<HR ALIGN = \"LEFT\" Width = \"60%\"><H2>N</H2><HR ALIGN = \"RIGHT\" Width = \"60%\">]"_s},
        {MenuId::mnulinelabel2, u"N"_s,
         u"[<TABLE BORDER=\"0\" WIDTH=\"100%\">\r\n<TR><TD WIDTH=\"33%\"><HR></TD>"
         u"<TD ALIGN=\"CENTER\">N</TD><TD WIDTH=\"33%\"><HR></TD></TR>\r\n</TABLE>]"_s},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(MainMenuEntry(c.entry).name) + u' ' + c.selected;
        ASSERT_TRUE(form.menu().action(c.entry)->isEnabled()) << name.toStdString();
        select(u"["_s + c.selected + u"]"_s, 1, int(c.selected.size()));
        run(c.entry);
        EXPECT_EQ(surface().text(), c.result) << name.toStdString();
        EXPECT_EQ(surface().selStart(), c.result.size() - 1) << name.toStdString();
    }
}

TEST_F(HtmlMenuCommands, CustomTagBeforeTheBuilderWasOpenedIsTheFirstTag) {
    select(u"ab"_s, 1, 0);
    press(Qt::Key_W);
    EXPECT_EQ(surface().text(), u"a<TAG>b"_s);
    ASSERT_NE(LoadedWindowIfAny<Tagy>(), nullptr);
    EXPECT_FALSE(LoadedWindowIfAny<Tagy>()->isVisible());
}

TEST_F(HtmlMenuCommands, CustomTagWritesWhatTheBuilderHolds) {
    struct Case {
        const char* name;
        QString tag;
        QStringList attributes;
        QStringList values;
        bool paired;
        int selStart;
        int selLength;
        QString result;
        int caret;
    };
    const Case cases[] = {
        {"paired around the selection",
         u"DIV"_s,
         {u"ALIGN"_s},
         {u"CENTER"_s},
         true,
         1,
         4,
         u"[<DIV ALIGN=\"CENTER\">text</DIV>]"_s,
         31},
        {"paired at the caret", u"P"_s, {}, {}, true, 1, 0, u"[<P></P>text]"_s, 8},
        {"single before the selection",
         u"IMG"_s,
         {u"SRC"_s},
         {u"a.png"_s},
         false,
         1,
         4,
         u"[<IMG SRC=\"a.png\">text]"_s,
         18},
        {"a missing value is empty",
         u"A"_s,
         {u"HREF"_s, u"NAME"_s},
         {u"x"_s},
         false,
         0,
         0,
         u"<A HREF=\"x\" NAME=\"\">[text]"_s,
         20},
        {"no name is written as it stands",
         u""_s,
         {u"HREF"_s},
         {u"x"_s},
         true,
         1,
         4,
         u"[< HREF=\"x\">text</>]"_s,
         19},
    };
    Tagy& tagy = LoadedWindow<Tagy>();
    for (const Case& c : cases) {
        child<QLineEdit>(tagy, u"TagText"_s)->setText(c.tag);
        child<QCheckBox>(tagy, u"Check1"_s)->setChecked(c.paired);
        QList<AttributePair> pairs;
        for (qsizetype i = 0; i < c.attributes.size(); ++i)
            pairs.append({c.attributes[i], c.values.value(i)});
        tagy.pairs()->setPairs(pairs);
        select(u"[text]"_s, c.selStart, c.selLength);
        run(MenuId::Mnu_Insert_Custom_Tag);
        EXPECT_EQ(surface().text(), c.result) << c.name;
        EXPECT_EQ(surface().selStart(), c.caret) << c.name;
        EXPECT_EQ(surface().selLength(), 0) << c.name;
    }
}

TEST_F(HtmlMenuCommands, ColourEditChangesTheValueTheCaretStandsIn) {
    const QString page = u"<FONT COLOR=\"#ff0000\">x</FONT>"_s;
    select(page, 16, 0);
    pickNext({0, 128, 255});
    press(Qt::Key_Y);
    EXPECT_EQ(surface().text(), u"<FONT COLOR=\"#0080FF\">x</FONT>"_s);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());

    // Cancelled, the value comes back as it reads, written in upper case: the
    // seven characters from the nearest quoted "#" before the caret, whatever
    // they are.
    const struct {
        const char* name;
        QString text;
        int caret;
        QString result;
    } cancelled[] = {
        {"caret on the hash", page, 13, u"<FONT COLOR=\"#FF0000\">x</FONT>"_s},
        {"caret at the end", u"<FONT COLOR=\"#ff0000\">x"_s, 23, u"<FONT COLOR=\"#FF0000\">x"_s},
        {"short value", u"<FONT COLOR=\"#F00\">x"_s, 15, u"<FONT COLOR=\"#F00000"_s},
        {"cut off", u"C=\"#1"_s, 5, u"C=\"#010000"_s},
    };
    for (const auto& c : cancelled) {
        select(c.text, c.caret, 0);
        WhenModalShown<ColorDialog>([](ColorDialog* picker) { picker->reject(); });
        run(MenuId::Mnu_HTML_HexColorEdit);
        EXPECT_EQ(surface().text(), c.result) << c.name;
    }
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(HtmlMenuCommands, ColourEditElsewhereSaysThereIsNoColourAndChangesNothing) {
    struct Case {
        const char* name;
        QString text;
        int caret;
    };
    const Case cases[] = {
        {"before the first value", u"<FONT COLOR=\"#FF0000\">"_s, 5},
        {"just before its quotation mark", u"<FONT COLOR=\"#FF0000\">"_s, 12},
        {"no value", u"<FONT COLOR=red>"_s, 14},
    };
    for (const Case& c : cases) {
        platform.messageBox.shown.clear();
        select(c.text, c.caret, 0);
        run(MenuId::Mnu_HTML_HexColorEdit);
        EXPECT_EQ(surface().text(), c.text) << c.name;
        ASSERT_EQ(platform.messageBox.shown.size(), 1) << c.name;
        const MessageBoxRequest& message = platform.messageBox.shown.front().request;
        EXPECT_EQ(message.text, u"Není barva!"_s);
        EXPECT_EQ(message.title, u"EdiBarva"_s);
        EXPECT_EQ(message.buttons, MessageBoxButtons::Ok);
        EXPECT_EQ(message.icon, MessageBoxIcon::None);
    }
}

} // namespace
