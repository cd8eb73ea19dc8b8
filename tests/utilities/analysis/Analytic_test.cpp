#include "utilities/analysis/Analytic.h"

#include "core/text/editor_surface.h"
#include "platform/surface/RichEditSurface.h"
#include "utilities/analysis/frequency_graph_box.h"
#include "utilities/utilities_window_test.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

class AnalyticTest : public UtilitiesWindowTest {
protected:
    Analytic& open() {
        Analytic& analysis = openFromMenu<Analytic>(MenuId::mnu_analysis);
        EXPECT_EQ(form.menu().action(MenuId::mnu_analysis)->shortcut(), QKeySequence(Qt::Key_F4));
        return analysis;
    }
    static QStringList row(const Analytic& analysis, int index) {
        const QTreeWidgetItem* item = analysis.AnaList()->topLevelItem(index);
        QStringList texts;
        for (int column = 0; item && column < 5; ++column)
            texts << item->text(column);
        return texts;
    }
    static QString percent(const char* digits) {
        return QString::fromLatin1(digits).replace(u'.', QLocale().decimalPoint());
    }
};

TEST_F(AnalyticTest, OpeningAnalysesTheDocument) {
    form.surface().setText(u"aab"_s);
    Analytic& analysis = open();
    EXPECT_EQ(analysis.windowTitle(), u"Analýza textu"_s);
    ASSERT_EQ(analysis.AnaList()->topLevelItemCount(), 255);
    EXPECT_EQ(row(analysis, 0),
              (QStringList{u"1"_s, u"2"_s, percent("66.6666666666667"), u"97"_s, u"a"_s}));
    EXPECT_EQ(row(analysis, 1),
              (QStringList{u"2"_s, u"1"_s, percent("33.3333333333333"), u"98"_s, u"b"_s}));
    EXPECT_EQ(row(analysis, 2), (QStringList{u"3"_s, u"0"_s, u"0"_s, u"1"_s, u"\x01"_s}));
    EXPECT_EQ(analysis.Pic()->graph().bars.size(), 2u);
    // The busy display came on and went off again over the main window.
    ASSERT_GE(platform.busyCursor.calls.size(), 2);
    EXPECT_EQ(platform.busyCursor.calls.back(),
              std::make_pair(static_cast<QWidget*>(&form), false));
}

TEST_F(AnalyticTest, OptionsRedrawTheGraphAndReadOutFollowsTheMouse) {
    form.surface().setText(u"    ab"_s);
    Analytic& analysis = open();
    EXPECT_EQ(analysis.Pic()->graph().bars.size(), 3u);
    analysis.Check2()->click();
    EXPECT_EQ(analysis.Pic()->graph().bars.size(), 2u);
    EXPECT_EQ(analysis.Pic()->graph().bars.front(), QLine(194, 0, 194, 200));
    // The blank keeps its row whatever the graph leaves out.
    EXPECT_EQ(row(analysis, 0).mid(1, 1), QStringList{u"4"_s});
    analysis.ChkAlternate()->click();
    EXPECT_EQ(analysis.Pic()->graph().shape, FrequencyGraph::Shape::Curve);
    EXPECT_EQ(analysis.Pic()->graph().points.size(), 256u);
    analysis.Check1()->click();
    EXPECT_EQ(analysis.Pic()->graph().shape, FrequencyGraph::Shape::Polyline);
    EXPECT_EQ(analysis.Pic()->graph().points.size(), 128u);
    EXPECT_EQ(analysis.AnaList()->topLevelItemCount(), 255);

    moveMouseOver(analysis.Pic(), {130, 50});
    EXPECT_EQ(analysis.Label2()->text(), u"Poloha: 32 Znak: \" \""_s);
    analysis.Check1()->click();
    moveMouseOver(analysis.Pic(), {130, 50});
    EXPECT_EQ(analysis.Label2()->text(), u"Poloha: 65 Znak: \"A\""_s);
    EXPECT_EQ(analysis.Pic()->toolTip(), u"Poloha: 65 Znak: \"A\""_s);
    moveMouseOver(analysis.Pic(), {515, 50});
    EXPECT_EQ(analysis.Label2()->text(), u"Poloha: 65 Znak: \"A\""_s);
    QTest::mouseClick(analysis.Picture2(), Qt::LeftButton, Qt::NoModifier, {1, 1});
    EXPECT_TRUE(analysis.Label2()->text().isEmpty());

    // An empty source clears the graph and keeps the table.
    form.surface().setText(QString());
    click(analysis.Command1());
    EXPECT_TRUE(analysis.Pic()->graph().points.empty());
    EXPECT_EQ(row(analysis, 0).mid(1, 1), QStringList{u"4"_s});
}

// The read-out stays while the user clicks on the graph itself; a click on
// the frame around it empties it.
TEST_F(AnalyticTest, OnlyAClickOnTheFrameEmptiesTheReadOut) {
    form.surface().setText(u"AB"_s);
    Analytic& analysis = open();
    const struct {
        QWidget* clicked;
        QPoint at;
        bool emptied;
    } cases[] = {
        {analysis.Pic(), {130, 50}, false},
        {analysis.Pic(), {1, 1}, false},
        {analysis.Picture2(), {1, 1}, true},
    };
    // The frame's own border, not the graph inside it.
    ASSERT_EQ(analysis.Picture2()->childAt({1, 1}), nullptr);
    for (const auto& c : cases) {
        moveMouseOver(analysis.Pic(), {130, 50});
        ASSERT_EQ(analysis.Label2()->text(), u"Poloha: 65 Znak: \"A\""_s);
        QTest::mouseClick(c.clicked, Qt::LeftButton, Qt::NoModifier, c.at);
        EXPECT_EQ(analysis.Label2()->text().isEmpty(), c.emptied)
            << c.clicked->objectName().toStdString();
    }
}

TEST_F(AnalyticTest, TypedTextAndTheRefreshWhileShown) {
    form.surface().setText(u"zz"_s);
    Analytic& analysis = open();
    analysis.Text1()->setPlainText(u"xy"_s);
    EXPECT_TRUE(analysis.Option2()->isChecked());
    EXPECT_EQ(row(analysis, 0).at(3), u"120"_s);

    EXPECT_FALSE(analysis.Timer1()->isActive());
    analysis.Check3()->click();
    EXPECT_TRUE(analysis.Timer1()->isActive());
    EXPECT_EQ(analysis.Timer1()->interval(), 2000);
    analysis.hide();
    EXPECT_FALSE(analysis.Timer1()->isActive());
    analysis.show();
    EXPECT_TRUE(analysis.Timer1()->isActive());
    // The tick analyses the document whichever source is selected.
    analysis.Timer1()->setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return row(analysis, 0).at(3) == u"122"_s; }));
    analysis.Check3()->click();
    EXPECT_FALSE(analysis.Timer1()->isActive());
}

TEST_F(AnalyticTest, SearchSelectsTheRowOfOneCharacter) {
    form.surface().setText(u"Hello"_s);
    Analytic& analysis = open();
    EXPECT_FALSE(analysis.Command3()->isEnabled());
    QTest::keyClick(analysis.Text2(), Qt::Key_Return);
    EXPECT_EQ(analysis.AnaList()->currentItem(), nullptr);
    QTest::keyClicks(analysis.Text2(), u"ok"_s);
    EXPECT_EQ(analysis.Text2()->text(), u"o"_s);
    QTest::keyClick(analysis.Text2(), Qt::Key_Return);
    ASSERT_NE(analysis.AnaList()->currentItem(), nullptr);
    EXPECT_EQ(analysis.AnaList()->currentItem()->text(4), u"o"_s);
    analysis.Text2()->setText(u"O"_s);
    click(analysis.Command3());
    EXPECT_EQ(analysis.AnaList()->currentItem()->text(3), u"79"_s);
    click(analysis.Command2());
    EXPECT_FALSE(analysis.isVisible());
}

} // namespace
