#include "html/FilePickerGroup.h"

#include "platform/testing/test_platform.h"
#include "platform/window_registry.h"
#include "shell/ProgramState.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class FilePickerGroupTest : public ::testing::Test {
protected:
    FilePickerGroupTest() {
        Program() = ProgramState{};
        Program().AppFolder = u"/opt/tarvel/"_s;
        Program().CurrentFilePath = u"/web/site/index.html"_s;
    }
    ~FilePickerGroupTest() override { Program() = ProgramState{}; }

    template <typename T> T* control(const QString& name) {
        T* found = group->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Picks a file as the user would: a click on FileChoose answered by the
    // scripted open dialog ("" cancels).
    void choose(const QString& answer) {
        platform.fileDialogs.openAnswers.append(answer);
        QTest::mouseClick(control<QPushButton>(u"FileChoose"_s), Qt::LeftButton);
    }
    void clickRelative() {
        QTest::mouseClick(control<QCheckBox>(u"RelativePathChk"_s), Qt::LeftButton);
    }
    [[nodiscard]] QString shownPath() {
        return control<QPlainTextEdit>(u"PathText"_s)->toPlainText();
    }

    TestPlatform platform;
    QDialog dialog;
    FilePickerGroup* group = new FilePickerGroup(FilePickerGroup::pictureFilter(), &dialog);
};

TEST_F(FilePickerGroupTest, StartsEmptyWithItsCaptionsAndTooltips) {
    auto* choose = control<QPushButton>(u"FileChoose"_s);
    auto* relative = control<QCheckBox>(u"RelativePathChk"_s);
    auto* path = control<QPlainTextEdit>(u"PathText"_s);
    auto* browse = control<QPushButton>(u"Browzde"_s);
    EXPECT_EQ(choose->text(), u"&Vyber soubor"_s);
    EXPECT_EQ(choose->toolTip(), u"Vyber soubor obrázku"_s);
    EXPECT_EQ(relative->text(), u"Relativně"_s);
    EXPECT_EQ(relative->toolTip(), u"Relativní cestu"_s);
    EXPECT_TRUE(relative->isChecked());
    EXPECT_EQ(path->toolTip(), u"Cesta k souboru"_s);
    EXPECT_TRUE(path->isReadOnly());
    EXPECT_EQ(browse->toolTip(), u"Zobrazit v interním html browseru"_s);
    EXPECT_TRUE(browse->text().isEmpty());
    EXPECT_FALSE(browse->isEnabled());
    EXPECT_FALSE(group->hasFile());
    EXPECT_EQ(group->address(), QString());
}

TEST_F(FilePickerGroupTest, ChoiceShowsPathRelativeToTheDocument) {
    struct Case {
        QString document;
        QString chosen;
        QString shown;
    };
    const Case cases[] = {
        {u"/web/site/index.html"_s, u"/web/site/Logo.GIF"_s, u"Logo.GIF"_s},
        {u"/web/site/index.html"_s, u"/web/site/img/a b.png"_s, u"img/a b.png"_s},
        {u"/web/site/index.html"_s, u"/web/pics/a.png"_s, u"../pics/a.png"_s},
        // An unsaved document measures from the program folder.
        {QString(), u"/opt/tarvel/pics/a.png"_s, u"pics/a.png"_s},
    };
    for (const Case& c : cases) {
        Program().CurrentFilePath = c.document;
        QSignalSpy chosen(group, &FilePickerGroup::fileChosen);
        choose(c.chosen);
        EXPECT_EQ(shownPath(), c.shown) << c.chosen.toStdString();
        EXPECT_EQ(group->pathText(), c.shown);
        EXPECT_EQ(group->address(), c.shown);
        EXPECT_EQ(group->fullPath(), c.chosen);
        EXPECT_EQ(WindowTag(control<QPushButton>(u"FileChoose"_s)), c.chosen);
        ASSERT_EQ(chosen.size(), 1);
        EXPECT_EQ(chosen.at(0).at(0).toString(), c.chosen);
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

TEST_F(FilePickerGroupTest, SavingLaterDoesNotRewriteTheShownPath) {
    choose(u"/web/pics/a.png"_s);
    Program().CurrentFilePath = u"/web/pics/index.html"_s;
    EXPECT_EQ(shownPath(), u"../pics/a.png"_s);
}

TEST_F(FilePickerGroupTest, TogglingBeforeAnyChoiceGivesTheBareAddressOnlyWhenAbsolute) {
    clickRelative();
    EXPECT_EQ(shownPath(), QString());
    EXPECT_EQ(group->address(), u"file:///"_s);
    clickRelative();
    EXPECT_EQ(shownPath(), QString());
    EXPECT_EQ(group->address(), QString());
}

TEST_F(FilePickerGroupTest, CancelChangesNothing) {
    QSignalSpy chosen(group, &FilePickerGroup::fileChosen);
    choose(QString());
    EXPECT_FALSE(group->hasFile());
    EXPECT_EQ(shownPath(), QString());

    choose(u"/web/site/a.png"_s);
    choose(QString());
    EXPECT_EQ(group->fullPath(), u"/web/site/a.png"_s);
    EXPECT_EQ(shownPath(), u"a.png"_s);
    EXPECT_EQ(chosen.size(), 1);
    EXPECT_EQ(platform.fileDialogs.openRequests.size(), 3);
}

TEST_F(FilePickerGroupTest, DisablingTheGroupKeepsPreviewOffWhenEnabledAgain) {
    group->setEnabled(false);
    EXPECT_FALSE(control<QPushButton>(u"FileChoose"_s)->isEnabled());
    group->setEnabled(true);
    EXPECT_TRUE(control<QPushButton>(u"FileChoose"_s)->isEnabled());
    EXPECT_FALSE(control<QPushButton>(u"Browzde"_s)->isEnabled());
}

} // namespace
