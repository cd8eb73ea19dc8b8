#include "html/samples/Template.h"

#include "html/html_window_test.h"

#include "core/html/html_document_head.h"
#include "core/text/random_generator.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

class TemplateWindow : public HtmlWindowTest {
protected:
    TemplateWindow() {
        Rnd().reset();
        Rnd().seed(30);
    }

    [[nodiscard]] QTreeWidget* list() const { return child<QTreeWidget>(window, u"ListView1"_s); }
    [[nodiscard]] QString preview() const {
        return child<QPlainTextEdit>(window, u"Text1"_s)->toPlainText();
    }
    // Clicks the row whose first column reads type.
    void clickRow(const QString& type) {
        const QList<QTreeWidgetItem*> found = list()->findItems(type, Qt::MatchExactly, 0);
        ASSERT_EQ(found.size(), 1) << type.toStdString();
        list()->scrollToItem(found.first());
        const QRect row = list()->visualItemRect(found.first());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    }

    Template& window = openDialog<Template>();
};

TEST_F(TemplateWindow, ListsTheElevenSamplesAndWaitsForAChoice) {
    ASSERT_EQ(list()->topLevelItemCount(), 11);
    EXPECT_EQ(list()->topLevelItem(6)->text(0), u"Autorun"_s);
    EXPECT_EQ(list()->topLevelItem(10)->text(1), u"file_ID.diz"_s);
    EXPECT_EQ(preview(), u"Vyber dokument\n"_s);

    // Nothing is chosen yet, so nothing can replace the document.
    select(u"můj text"_s, 0, 0);
    click(window, u"Command1"_s);
    EXPECT_EQ(form.surface().text(), u"můj text"_s);
}

TEST_F(TemplateWindow, OkPutsThePreviewedSampleInPlaceOfTheDocument) {
    Program().Settings.UserName = u"Jan"_s;
    clickRow(u"Autorun"_s);
    EXPECT_EQ(child<QLabel>(window, u"Label1"_s)->text(), u"Zobrazení dokumentu :Autorun"_s);
    const QString autorun = TemplateAutorunInf(Template::CurrentInputs());
    EXPECT_EQ(preview(), QString(autorun).replace(u"\r\n"_s, u"\n"_s));

    select(u"starý text"_s, 3, 2);
    click(window, u"Command1"_s);
    EXPECT_EQ(form.surface().text(), autorun);
    EXPECT_EQ(form.surface().selStart(), 0);
    EXPECT_FALSE(window.isVisible());

    // Reopened, it writes the same text again.
    window.showModeless();
    clickRow(u"info"_s);
    const QString diz = preview();
    window.hide();
    select(u"jiný"_s, 0, 0);
    window.showModeless();
    click(window, u"Command1"_s);
    EXPECT_EQ(form.surface().text(), QString(diz).replace(u'\n', u"\r\n"_s));
    EXPECT_TRUE(form.surface().text().contains(u"Author: Jan\r\n"_s));
}

TEST_F(TemplateWindow, EachClickBuildsTheSampleAfresh) {
    clickRow(u"Jednoduchý HTML dokument 2"_s);
    const QString first = preview();
    clickRow(u"Jednoduchý HTML dokument 2"_s);
    EXPECT_NE(preview(), first);
    EXPECT_TRUE(preview().startsWith(u"<!DOCTYPE HTML"_s));
}

} // namespace
