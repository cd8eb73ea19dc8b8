// The address rule itself is the core's; these check what the group adds:
// the dialog, the program's folders at the click, the signal and the controls.
#include "html/controls/FilePickerGroup.h"
#include "html/html_window_test.h"

#include "platform/window_registry.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

class FilePickerGroupTest : public HtmlWindowTest {
protected:
    FilePickerGroupTest() {
        Program().AppFolder = u"/opt/tarvel/"_s;
        Program().CurrentFilePath = u"/web/site/index.html"_s;
    }

    // Picks a file as the user would: a click on FileChoose answered by the
    // scripted open dialog ("" cancels).
    void choose(const QString& answer) {
        platform.fileDialogs.openAnswers.append(answer);
        click(*group, u"FileChoose"_s);
    }
    void clickRelative() {
        QTest::mouseClick(child<QCheckBox>(*group, u"RelativePathChk"_s), Qt::LeftButton);
    }
    [[nodiscard]] QString shownPath() const {
        return child<QPlainTextEdit>(*group, u"PathText"_s)->toPlainText();
    }

    QDialog dialog;
    FilePickerGroup* group = new FilePickerGroup(FilePickerGroup::pictureFilter(), &dialog);
};

TEST_F(FilePickerGroupTest, StartsEmptyAndKeepsThePreviewOffWhenEnabledAgain) {
    EXPECT_TRUE(child<QCheckBox>(*group, u"RelativePathChk"_s)->isChecked());
    EXPECT_TRUE(child<QPlainTextEdit>(*group, u"PathText"_s)->isReadOnly());
    choose(QString());
    EXPECT_FALSE(group->hasFile());
    EXPECT_EQ(shownPath(), QString());
    EXPECT_EQ(group->address(), QString());

    group->setEnabled(false);
    EXPECT_FALSE(child(*group, u"FileChoose"_s)->isEnabled());
    group->setEnabled(true);
    EXPECT_TRUE(child(*group, u"FileChoose"_s)->isEnabled());
    EXPECT_FALSE(child(*group, u"Browzde"_s)->isEnabled());
}

TEST_F(FilePickerGroupTest, ChoiceShowsThePathRelativeToTheDocumentOfTheClick) {
    struct Case {
        QString document, chosen, shown;
    };
    const Case cases[] = {
        {u"/web/site/index.html"_s, u"/web/pics/a b.png"_s, u"../pics/a b.png"_s},
        // An unsaved document measures from the program folder.
        {QString(), u"/opt/tarvel/pics/a.png"_s, u"pics/a.png"_s},
    };
    QSignalSpy chosen(group, &FilePickerGroup::fileChosen);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        Program().CurrentFilePath = c.document;
        choose(c.chosen);
        choose(QString());                                  // a cancelled choice changes nothing,
        Program().CurrentFilePath = u"/elsewhere/b.html"_s; // nor does a later save
        EXPECT_EQ(shownPath(), c.shown);
        EXPECT_EQ(group->address(), c.shown);
        EXPECT_EQ(group->fullPath(), c.chosen);
        EXPECT_EQ(WindowTag(child(*group, u"FileChoose"_s)), c.chosen);
        ASSERT_EQ(chosen.size(), 1);
        EXPECT_EQ(chosen.takeFirst().at(0).toString(), c.chosen);
    }
    ASSERT_EQ(platform.fileDialogs.openRequests.size(), 4);
    EXPECT_EQ(platform.fileDialogs.openRequests[0].request.filter,
              FilePickerGroup::pictureFilter());
    EXPECT_EQ(platform.fileDialogs.openRequests[0].owner, &dialog);
}

TEST_F(FilePickerGroupTest, UntickingRelativeGivesTheFileAddress) {
    choose(u"/web/pics/a.png"_s);
    clickRelative();
    EXPECT_FALSE(group->isRelative());
    EXPECT_EQ(shownPath(), u"/web/pics/a.png"_s);
    EXPECT_EQ(group->address(), u"file:///web/pics/a.png"_s);

    // Ticking again measures from the document open now.
    Program().CurrentFilePath = u"/web/pics/index.html"_s;
    clickRelative();
    EXPECT_EQ(shownPath(), u"a.png"_s);
    EXPECT_EQ(group->address(), u"a.png"_s);
}

TEST_F(FilePickerGroupTest, PreviewShowsTheChosenFileInTheBrowser) {
    choose(u"/web/pics/a b#1.png"_s);
    QPushButton* browzde = child<QPushButton>(*group, u"Browzde"_s);
    ASSERT_TRUE(browzde->isEnabled());
    Program().CurrentFilePath = u"/elsewhere/b.html"_s;
    clickRelative();
    QTest::mouseClick(browzde, Qt::LeftButton);
    ASSERT_NE(platform.webViews.latest, nullptr);
    ASSERT_EQ(platform.webViews.latest->navigations.size(), 1);
    EXPECT_EQ(platform.webViews.latest->navigations.front().toLocalFile(),
              u"/web/pics/a b#1.png"_s);
    platform.unloadWindows();
}

} // namespace
