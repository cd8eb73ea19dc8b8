#include "html/forms/HtmlForm.h"

#include "html/html_window_test.h"
#include "html/images/Obrazek.h"

#include <QCheckBox>
#include <QImage>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

class HtmlFormWindow : public HtmlWindowTest {
protected:
    static HtmlForm& window() { return LoadedWindow<HtmlForm>(); }
    template <class T = QWidget> static T* control(const QString& name) {
        return child<T>(window(), name);
    }
    static void click(const QString& button) { HtmlWindowTest::click(window(), button); }
    static void tick(const QString& box) { HtmlWindowTest::tick(window(), box); }
    static void setText(const QString& box, const QString& text) {
        control<QLineEdit>(box)->setText(text);
    }
    static void chooseType(const QString& type) {
        auto* types = control<QComboBox>(u"CmbType"_s);
        types->setCurrentIndex(types->findText(type));
    }
    static bool shown(const QString& name) { return control(name)->isVisibleTo(&window()); }
    static QTabWidget* tabs() { return control<QTabWidget>(u"TabStrip1"_s); }
    static QString caption(const QString& button) { return control<QPushButton>(button)->text(); }
    static QStringList options() {
        QStringList rows;
        auto* list = control<QTreeWidget>(u"LstOption"_s);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + u'=' + list->topLevelItem(i)->text(1);
        return rows;
    }
    static void addOption(const QString& text, const QString& value) {
        setText(u"TxtOptionText"_s, text);
        setText(u"TxtOptionValue"_s, value);
        click(u"CmndAddOption"_s);
    }
};

TEST_F(HtmlFormWindow, SingleInputReplacesTheSelectionOnEnterAndFreesTheTabs) {
    run(MenuId::Mnu_HTMLFormInput);
    ASSERT_TRUE(window().isVisible());
    EXPECT_EQ(tabs()->currentWidget()->objectName(), u"FramInput"_s);
    EXPECT_FALSE(tabs()->tabBar()->isEnabled());
    EXPECT_FALSE(tabs()->isTabEnabled(0));
    EXPECT_EQ(caption(u"CmndAddInput"_s), u"&Ok"_s);
    EXPECT_EQ(caption(u"CmndAddSelect"_s), u"&Přidej ..."_s);
    EXPECT_FALSE(shown(u"ChkChecked"_s));
    EXPECT_EQ(control<QComboBox>(u"CmbType"_s)->currentText(), QString());

    chooseType(u"CHECKBOX"_s);
    EXPECT_TRUE(shown(u"ChkChecked"_s));
    EXPECT_FALSE(shown(u"ChkSize"_s));
    tick(u"ChkChecked"_s);
    select(u"a[old]b"_s, 1, 5);
    QTest::keyClick(control<QLineEdit>(u"TxtInputName"_s), Qt::Key_Return);
    EXPECT_EQ(form.surface().text(),
              u"a<INPUT TYPE=\"CHECKBOX\" NAME=\"input1\" VALUE=\"\" CHECKED>b"_s);
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(caption(u"CmndAddInput"_s), u"&Přidej ..."_s);
    EXPECT_TRUE(tabs()->tabBar()->isEnabled());
    EXPECT_TRUE(tabs()->isTabEnabled(0));

    // A text area alone: its empty content keeps both line breaks.
    run(MenuId::Mnu_HTMLFromTextArea);
    EXPECT_EQ(tabs()->currentWidget()->objectName(), u"FramTextArea"_s);
    select(QString(), 0, 0);
    click(u"CmndAddTextArea"_s);
    EXPECT_EQ(form.surface().text(), u"<TEXTAREA NAME=\"textarea1\">\r\n\r\n</TEXTAREA>"_s);
}

TEST_F(HtmlFormWindow, InputBoxesStayPutWhicheverTypeIsChosen) {
    run(MenuId::Mnu_HTMLFormInput);
    const auto leftEdges = [] {
        control(u"FramInput"_s)->layout()->activate();
        QList<int> edges;
        for (const QString& box : {u"CmbType"_s, u"TxtInputName"_s, u"TxtValue"_s})
            edges << control(box)->x();
        return edges;
    };
    const QList<int> before = leftEdges();
    for (const QString& type : itemsOf(control<QComboBox>(u"CmbType"_s))) {
        chooseType(type);
        EXPECT_EQ(leftEdges(), before) << type.toStdString();
    }
}

TEST_F(HtmlFormWindow, FormCollectsElementsOrdersThemAndWritesThemEachTime) {
    run(MenuId::Mnu_HTMLFormSelect);
    run(MenuId::Mnu_HTMLFormInsert);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(tabs()->tabBar()->isEnabled());
    EXPECT_EQ(caption(u"CmndAddSelect"_s), u"&Přidej ..."_s);

    tabs()->setCurrentIndex(1);
    chooseType(u"TEXT"_s);
    tick(u"ChkSize"_s);
    click(u"CmndAddInput"_s);
    // Hidden with its type, the ticked size is no longer written.
    chooseType(u"HIDDEN"_s);
    EXPECT_FALSE(shown(u"ChkSize"_s));
    click(u"CmndAddInput"_s);
    EXPECT_TRUE(window().isVisible());

    tabs()->setCurrentIndex(3);
    addOption(u"a"_s, u"1"_s);
    addOption(u"c"_s, u"3"_s);
    auto* optionList = control<QTreeWidget>(u"LstOption"_s);
    optionList->setCurrentItem(optionList->topLevelItem(1));
    addOption(u"b"_s, u"2"_s);
    EXPECT_EQ(options(), (QStringList{u"a=1"_s, u"b=2"_s, u"c=3"_s}));
    optionList->clearSelection();
    click(u"CmndDelOption"_s);
    EXPECT_EQ(options().size(), 3);
    optionList->setCurrentItem(optionList->topLevelItem(0));
    click(u"CmndDelOption"_s);
    EXPECT_EQ(options(), (QStringList{u"b=2"_s, u"c=3"_s}));
    click(u"CmndAddSelect"_s);

    tabs()->setCurrentIndex(0);
    auto* elements = control<QListWidget>(u"LstElements"_s);
    ASSERT_EQ(elements->count(), 3);
    elements->setCurrentRow(2);
    click(u"C_Top"_s);
    elements->setCurrentRow(2);
    click(u"C_Delete"_s);
    tick(u"OptMethodPOST"_s);
    tick(u"ChkEnctype"_s);

    const QString written =
        u"<FORM ACTION=\"akce.php\" NAME=\"form1\" METHOD=\"POST\" "
        u"ENCTYPE=\"multipart/form-data\">\r\n<SELECT NAME=\"select1\">\r\n"
        u"<OPTION VALUE=\"2\">b</OPTION>\r\n<OPTION VALUE=\"3\">c</OPTION>\r\n</SELECT>\r\n"
        u"<INPUT TYPE=\"TEXT\" NAME=\"input1\" VALUE=\"\" SIZE=\"0\">\r\n</FORM>"_s;
    select(u"[x]"_s, 1, 1);
    QTest::keyClick(control<QLineEdit>(u"TxtAction"_s), Qt::Key_Return);
    EXPECT_EQ(form.surface().text(), u"["_s + written + u"]"_s);
    EXPECT_FALSE(window().isVisible());

    // The elements stay for the next form.
    run(MenuId::Mnu_HTMLFormInsert);
    select(QString(), 0, 0);
    click(u"CmndOK"_s);
    EXPECT_EQ(form.surface().text(), written);
}

TEST_F(HtmlFormWindow, ImageButtonTakesTheAttributesFromTheImageDialog) {
    QTemporaryDir dir;
    Program().CurrentFilePath = dir.filePath(u"index.html"_s);
    const QString png = dir.filePath(u"send.png"_s);
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(png));

    // The image dialog, already open on its own, takes its modal turn.
    Obrazek& images = openDialog<Obrazek>();
    run(MenuId::Mnu_HTMLFormInput);
    chooseType(u"IMAGE"_s);
    EXPECT_TRUE(shown(u"CmndImage"_s));
    bool wasModal = false;
    WhenModalShown<Obrazek>([&](Obrazek* shownImages) {
        wasModal = shownImages->isModal();
        platform.fileDialogs.openAnswers << png;
        HtmlWindowTest::click(*shownImages, u"FileChoose"_s);
        HtmlWindowTest::click(*shownImages, u"Command1"_s);
    });
    select(u"xy"_s, 1, 0);
    click(u"CmndImage"_s);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(images.isVisible());
    EXPECT_EQ(control<QLineEdit>(u"LblImage"_s)->text(), u"SRC=\"send.png\""_s);
    EXPECT_EQ(form.surface().text(), u"xy"_s);

    // Ticking ACCEPT frees its text, which is then written.
    chooseType(u"FILE"_s);
    EXPECT_FALSE(control(u"TxtAccept"_s)->isEnabled());
    tick(u"ChkAccept"_s);
    EXPECT_TRUE(control(u"TxtAccept"_s)->isEnabled());
    setText(u"TxtAccept"_s, u"text/*"_s);
    click(u"CmndAddInput"_s);
    EXPECT_EQ(form.surface().text(),
              u"x<INPUT TYPE=\"FILE\" NAME=\"input1\" VALUE=\"\" ACCEPT=\"text/*\">y"_s);
}

} // namespace
