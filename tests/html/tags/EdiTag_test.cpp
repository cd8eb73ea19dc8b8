#include "html/html_window_test.h"
#include "html/tags/EdiTag.h"

#include "html/controls/AttributePairEditor.h"
#include "shell/main_window/MainMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

class EdiTagWindow : public HtmlWindowTest {
protected:
    // Opens the editor over the selection with Ctrl+G's entry, lets use
    // work in it while it is shown, then gives what it left in the document.
    QString editOn(const QString& text, int start, int length,
                   const std::function<void(EdiTag&)>& use) {
        select(text, start, length);
        bool shown = false;
        WhenModalShown<EdiTag>([&](EdiTag* window) {
            shown = true;
            EXPECT_EQ(window->parentWidget(), &form);
            use(*window);
        });
        form.menu().action(MenuId::Mnu_Edit_Tag)->trigger();
        EXPECT_TRUE(shown);
        // Each use destroys the window.
        EXPECT_EQ(LoadedWindowIfAny<EdiTag>(), nullptr);
        return form.surface().text();
    }
    static void ok(EdiTag& window) { click(window, u"Command3"_s); }
    static void clickRow(EdiTag& window, const QString& list, int row) {
        auto* view = child<QListView>(window, list);
        const QRect place = view->visualRect(view->model()->index(row, view->modelColumn()));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
    }
    static QString boxText(EdiTag& window, const QString& box) {
        return child<QComboBox>(window, box)->currentText();
    }
    static void type(EdiTag& window, const QString& box, const QString& text) {
        child<QComboBox>(window, box)->setEditText(text);
    }
};

TEST_F(EdiTagWindow, OkWritesTheTagBackOverTheOneItFound) {
    struct Case {
        QString text;
        int caret;
        QString name;
        QString written;
    };
    const Case cases[] = {
        {u"x<IMG SRC=\"a.gif\" WIDTH=100>y"_s, 5, u"IMG"_s,
         u"x<IMG SRC=\"a.gif\" WIDTH=\"100\">y"_s},
        {u"<A HREF=\"p.php?a=1&b=2\">x</A>"_s, 3, u"A"_s, u"<A HREF=\"p.php?a=1&b=2\">x</A>"_s},
        {u"a<BR />b"_s, 7, u"BR"_s, u"a<BR />b"_s},
        {u"<TD\r\nALIGN=\"left\" NOWRAP>"_s, 3, u"TD"_s, u"<TD ALIGN=\"left\" NOWRAP=\"True\">"_s},
    };
    for (const Case& c : cases) {
        QString name;
        const QString written = editOn(c.text, c.caret, 0, [&](EdiTag& window) {
            name = child<QLineEdit>(window, u"Text1"_s)->text();
            ok(window);
        });
        EXPECT_EQ(name, c.name) << c.text.toStdString();
        EXPECT_EQ(written, c.written) << c.text.toStdString();
        EXPECT_EQ(form.surface().selLength(), 0) << c.text.toStdString();
    }
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(EdiTagWindow, WithoutATagItSaysSoAndWritesNothing) {
    struct Case {
        QString text;
        int start;
        int length;
    };
    const Case cases[] = {
        {u"plain words"_s, 2, 3},
        {u"ab<I>"_s, 1, 0},
        {u"<B>x<y and more"_s, 5, 4},
    };
    for (const Case& c : cases) {
        platform.messageBox.shown.clear();
        EXPECT_EQ(editOn(c.text, c.start, c.length, ok), c.text);
        EXPECT_EQ(form.surface().selStart(), c.start);
        EXPECT_EQ(form.surface().selLength(), c.length);
        ASSERT_EQ(platform.messageBox.shown.size(), 1);
        EXPECT_EQ(platform.messageBox.shown[0].request.text, u"Není tag!"_s);
        EXPECT_EQ(platform.messageBox.shown[0].request.title, u"EdiTag"_s);
    }
}

TEST_F(EdiTagWindow, WithoutATagOkWritesWhatWasTypedIntoTheEmptyWindow) {
    struct Case {
        QString text;
        int start;
        int length;
        QString name;
        QList<AttributePair> pairs;
        QString written;
    };
    const Case cases[] = {
        {u"plain words"_s, 2, 3, u"BR"_s, {}, u"pl<BR> words"_s},
        {u"ab<I>"_s, 1, 0, u"HR"_s, {{u"SIZE"_s, u"2"_s}}, u"a<HR SIZE=\"2\">b<I>"_s},
        {u"xy"_s, 0, 1, QString(), {{u"N"_s, u"v"_s}}, u"< N=\"v\">y"_s},
        // Nothing typed: the selection is not replaced by an empty tag.
        {u"<B>x<y and more"_s, 5, 4, QString(), {}, u"<B>x<y and more"_s},
    };
    for (const Case& c : cases) {
        const QString written = editOn(c.text, c.start, c.length, [&](EdiTag& window) {
            child<QLineEdit>(window, u"Text1"_s)->setText(c.name);
            for (const AttributePair& pair : c.pairs) {
                type(window, u"Atribut"_s, pair.name);
                type(window, u"Hodnota"_s, pair.value);
                click(window, u"Command1"_s);
            }
            ok(window);
        });
        EXPECT_EQ(written, c.written) << c.text.toStdString();
    }
    EXPECT_EQ(platform.messageBox.shown.size(), std::size(cases));
}

TEST_F(EdiTagWindow, StornoLeavesTheFoundTagSelected) {
    const QString text = u"ab<HR SIZE=2>cd"_s;
    EXPECT_EQ(editOn(text, 5, 0, [](EdiTag& window) { click(window, u"Command4"_s); }), text);
    EXPECT_EQ(form.surface().selStart(), 2);
    EXPECT_EQ(form.surface().selLength(), 11);
}

TEST_F(EdiTagWindow, PairsAreEditedInStepWithTheValueAids) {
    const QString written = editOn(u"<TD ALIGN=\"left\" NOWRAP>"_s, 1, 0, [this](EdiTag& window) {
        // A click on a value selects its pair and loads both boxes.
        clickRow(window, u"Values"_s, 1);
        EXPECT_EQ(boxText(window, u"Atribut"_s), u"NOWRAP"_s);
        EXPECT_EQ(boxText(window, u"Hodnota"_s), u"True"_s);
        type(window, u"Atribut"_s, u"WIDTH"_s);
        child<QScrollBar>(window, u"HScroll1"_s)->setValue(25);
        EXPECT_EQ(boxText(window, u"Hodnota"_s), u"25%"_s);

        // The colour goes into the pair clicked; add copies it above
        // that pair, which stays selected and is renamed by typing.
        clickRow(window, u"Atributs"_s, 0);
        pickNext({0, 128, 255});
        click(window, u"Command5"_s);
        EXPECT_EQ(boxText(window, u"Hodnota"_s), u"#0080FF"_s);
        click(window, u"Command1"_s);
        type(window, u"Atribut"_s, u"BGCOLOR"_s);
        EXPECT_EQ(window.pairs()->pairs(), (QList<AttributePair>{{u"ALIGN"_s, u"#0080FF"_s},
                                                                 {u"BGCOLOR"_s, u"#0080FF"_s},
                                                                 {u"WIDTH"_s, u"25%"_s}}));

        // Remove takes the selected pair.
        clickRow(window, u"Values"_s, 0);
        EXPECT_EQ(boxText(window, u"Atribut"_s), u"ALIGN"_s);
        click(window, u"Command2"_s);
        ok(window);
    });
    EXPECT_EQ(written, u"<TD BGCOLOR=\"#0080FF\" WIDTH=\"25%\">"_s);
}

TEST_F(EdiTagWindow, RemoveWithoutASelectionTakesTheLastPairUntilNoneIsLeft) {
    const QString written = editOn(u"<P A=1 B=\"2\">"_s, 0, 0, [](EdiTag& window) {
        click(window, u"Command2"_s);
        EXPECT_EQ(window.pairs()->pairs(), (QList<AttributePair>{{u"A"_s, u"1"_s}}));
        EXPECT_TRUE(child(window, u"Command2"_s)->isEnabled());
        click(window, u"Command2"_s);
        EXPECT_FALSE(child(window, u"Command2"_s)->isEnabled());
        // An empty name box leaves nothing to add.
        type(window, u"Atribut"_s, QString());
        EXPECT_FALSE(child(window, u"Command1"_s)->isEnabled());
        type(window, u"Hodnota"_s, u"v"_s);
        type(window, u"Atribut"_s, u"N"_s);
        click(window, u"Command1"_s);
        EXPECT_TRUE(child(window, u"Command2"_s)->isEnabled());
        ok(window);
    });
    EXPECT_EQ(written, u"<P N=\"v\">"_s);
}

TEST_F(EdiTagWindow, FileAidWritesAnAddressRelativeToTheDocumentOrAFileAddress) {
    Program().CurrentFilePath = u"/web/site/index.html"_s;
    platform.fileDialogs.openAnswers << u"/web/site/img/a.png"_s << QString() << u"/web/b.html"_s;
    const QString written = editOn(u"<IMG>"_s, 0, 0, [](EdiTag& window) {
        type(window, u"Atribut"_s, u"SRC"_s);
        child<QCheckBox>(window, u"Check1"_s)->click();
        click(window, u"Command6"_s);
        EXPECT_EQ(boxText(window, u"Hodnota"_s), u"img/a.png"_s);
        click(window, u"Command1"_s);
        // A cancelled dialog changes nothing.
        click(window, u"Command6"_s);
        EXPECT_EQ(boxText(window, u"Hodnota"_s), u"img/a.png"_s);
        child<QCheckBox>(window, u"Check1"_s)->click();
        click(window, u"Command6"_s);
        EXPECT_EQ(boxText(window, u"Hodnota"_s), u"file:///web/b.html"_s);
        ok(window);
    });
    EXPECT_EQ(written, u"<IMG SRC=\"img/a.png\">"_s);
    ASSERT_EQ(platform.fileDialogs.openRequests.size(), 3);
    EXPECT_EQ(platform.fileDialogs.openRequests[0].request.filter,
              u"Všechno (*.*)|*.*|jen text (*.txt)|*.txt|dávky (*.bat)|*.bat|"
              u"Html dokument (*.html)|*.html|htm dokument (*.htm)|*.htm|"
              u"ini soubor (*.ini)|*.ini|Php stránky (*.php)|*.php|"
              u"Php3 stránky (*.php3)|*.php3|Include soubory (*.inc)|*.inc|"
              u"Všechno (*.*)|*.*|Jpeg Pressed Graphics (*.jpg)|*.jpg|"
              u"Jpeg (*.jpeg)|*.jpeg|Graphic Interchange Format (*.gif)|*.gif|"
              u"Portable Network Graphics (*.png)|*.png|BitMaP (*.bmp)|*.bmp"_s);
}

} // namespace
