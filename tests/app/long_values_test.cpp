// Values far longer than a single-line box's default limit pass through the
// windows whole: given from the document or the clipboard and confirmed
// unedited, they reach the document character for character.
#include "whole_program.h"

#include "html/forms/HtmlForm.h"
#include "html/head/Meta.h"
#include "html/images/Obrazek.h"
#include "html/links/OdkazNaJiny.h"
#include "html/simple/Odkaz.h"
#include "html/tags/EdiTag.h"
#include "html/tags/Tagy.h"
#include "platform/testing/modal_driver.h"
#include "shell/find/Zamena.h"
#include "shell/window_instances.h"
#include "utilities/code_table/AsciiKod.h"
#include "utilities/lines/Formatuj.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A picture address as a page may hold it: 40 000 characters, none of them
// a blank, a quote or an angle bracket.
QString LongValue() {
    QString value = u"data:image/png;base64,"_s;
    for (int i = 0; value.size() < 40000; ++i)
        value += QChar(u'0' + i % 10);
    return value;
}

class LongValues : public WholeProgram {
protected:
    LongValues() {
        // The image dialog waits for a picture; one beside the document is
        // written by its bare name.
        QImage(4, 4, QImage::Format_RGB32).save(picture);
        Program().CurrentFilePath = dir.filePath(u"index.html"_s);
    }

    void run(MenuId id) { form.menu().action(id)->trigger(); }
    template <class Window> Window& open(MenuId id) {
        run(id);
        return LoadedWindow<Window>();
    }
    template <class T = QWidget> static T* child(const QWidget& window, const QString& name) {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static void click(const QWidget& window, const QString& button) {
        child<QAbstractButton>(window, button)->click();
    }
    // What Ctrl+V does in a box or an editable combo box: the clipboard's
    // text replaces the box's.
    static void paste(const QWidget& window, const QString& name) {
        QWidget* found = child(window, name);
        auto* combo = qobject_cast<QComboBox*>(found);
        QLineEdit* box = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(found);
        box->selectAll();
        box->paste();
    }
    // The tag editor is modal: use runs while it is shown.
    void editTag(const std::function<void(EdiTag&)>& use) {
        WhenModalShown<EdiTag>([use](EdiTag* window) { use(*window); });
        run(MenuId::Mnu_Edit_Tag);
    }
    static void clickFirstRow(const QWidget& window, const QString& list) {
        auto* view = child<QListView>(window, list);
        const QRect row = view->visualRect(view->model()->index(0, view->modelColumn()));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(row.left() + 4, row.center().y()));
    }

    QTemporaryDir dir;
    const QString picture = dir.filePath(u"pic.png"_s);
};

TEST_F(LongValues, EveryWindowGivesBackTheWholeValueItWasGiven) {
    const QString v = LongValue();
    clipboard.setText(v);
    struct Case {
        const char* window;
        QString document;
        int start;
        int length;
        std::function<void()> use;
        QString written;
    };
    const QString tag = u"x<IMG SRC=\""_s + v + u"\">y"_s;
    const QString comment = u"<!-- "_s + v + u" -->"_s;
    const Case cases[] = {
        {"tag editor, a value loaded by a click on its row", tag, 5, 0,
         [&] {
             editTag([](EdiTag& window) {
                 clickFirstRow(window, u"Values"_s);
                 click(window, u"Command3"_s);
             });
         },
         tag},
        {"tag editor, a comment whole as the name", comment, 1, 0,
         [&] { editTag([](EdiTag& window) { click(window, u"Command3"_s); }); }, comment},
        {"custom tag, its name and a value", u"ab"_s, 1, 0,
         [&] {
             auto& window = open<Tagy>(MenuId::mnuvlastni);
             paste(window, u"TagText"_s);
             paste(window, u"Hodnota"_s);
             click(window, u"Command1"_s);
             click(window, u"Command3"_s);
         },
         u"a<"_s + v + u" Atribut=\""_s + v + u"\">b"_s},
        {"link to an address", u"Klikni zde."_s, 7, 3,
         [&] {
             auto& window = open<OdkazNaJiny>(MenuId::mnuodkazjiny);
             click(window, u"Option2"_s);
             paste(window, u"Text1"_s);
             click(window, u"Command1"_s);
         },
         u"Klikni <A HREF=\""_s + v + u"\">zde</A>."_s},
        {"link to an anchor", u"ab"_s, 1, 0,
         [&] {
             auto& window = open<Odkaz>(MenuId::mnuodkaz);
             paste(window, u"Combo1"_s);
             click(window, u"Command1"_s);
         },
         u"a<A HREF=\"#"_s + v + u"\"></A>b"_s},
        {"image, its alternative text", u"xy"_s, 1, 0,
         [&] {
             auto& window = open<Obrazek>(MenuId::mnuobr);
             platform.fileDialogs.openAnswers << picture;
             click(window, u"FileChoose"_s);
             click(window, u"Check4"_s);
             paste(window, u"Text1"_s);
             click(window, u"Command1"_s);
         },
         u"x<IMG SRC=\"pic.png\" ALT=\""_s + v + u"\">y"_s},
        {"replace, the search text taken from the selection", u"x"_s + v + u"y"_s, 1, int(v.size()),
         [&] {
             auto& window = open<Zamena>(MenuId::mnuchange);
             click(window, u"Command4"_s);
             window.Chage()->setText(u"Z"_s);
             click(window, u"Command1"_s);
             click(window, u"Command6"_s);
         },
         u"xZy"_s},
        {"replace, the replacement pasted", u"xKy"_s, 1, 1,
         [&] {
             auto& window = open<Zamena>(MenuId::mnuchange);
             click(window, u"Command4"_s);
             paste(window, u"Chage"_s);
             click(window, u"Command1"_s);
             click(window, u"Command6"_s);
         },
         u"x"_s + v + u"y"_s},
        {"meta tag", u"ab"_s, 1, 0,
         [&] {
             auto& window = open<Meta>(MenuId::MnuMeta);
             paste(window, u"Combo1"_s);
             click(window, u"Command1"_s);
         },
         u"a"_s + v + u"b"_s},
        {"form input, its value", u"ab"_s, 1, 0,
         [&] {
             auto& window = open<HtmlForm>(MenuId::Mnu_HTMLFormInput);
             paste(window, u"TxtValue"_s);
             click(window, u"CmndAddInput"_s);
         },
         u"a<INPUT TYPE=\"\" NAME=\"input1\" VALUE=\""_s + v + u"\">b"_s},
        {"line formatting, the text put into every line", u"ab\r\ncd"_s, 0, 6,
         [&] {
             auto& window = open<Formatuj>(MenuId::mnu_format);
             paste(window, u"Text1"_s);
             click(window, u"CmndAdd"_s);
             click(window, u"CmndOK"_s);
         },
         v + u"ab\r\n"_s + v + u"cd"_s},
        {"code table, the collected characters", u"ab"_s, 1, 0,
         [&] {
             auto& window = open<AsciiKod>(MenuId::mnuASCII);
             paste(window, u"Text1"_s);
             click(window, u"Command4"_s);
         },
         u"a"_s + v + u"b"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        surface().setText(c.document);
        surface().setSelStart(c.start);
        surface().setSelLength(c.length);
        c.use();
        const QString written = surface().text();
        EXPECT_EQ(written.size(), c.written.size());
        EXPECT_TRUE(written == c.written);
    }
}

} // namespace
