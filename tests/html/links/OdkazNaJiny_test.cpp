#include "html/html_window_test.h"
#include "html/links/OdkazNaJiny.h"

#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

class OdkazNaJinyWindow : public HtmlWindowTest {
protected:
    OdkazNaJinyWindow() { Program().CurrentFilePath = dir.filePath(u"index.html"_s); }

    static OdkazNaJiny& dialog() { return LoadedWindow<OdkazNaJiny>(); }
    static void tick(const QString& name) { HtmlWindowTest::tick(dialog(), name); }
    static bool enabled(const QString& name) { return child(dialog(), name)->isEnabled(); }
    static QLineEdit* box(const QString& name) { return child<QLineEdit>(dialog(), name); }
    void choose(const QString& path) {
        platform.fileDialogs.openAnswers << path;
        click(dialog(), u"FileChoose"_s);
    }
    [[nodiscard]] QString file(const QString& name, const QByteArray& bytes) const {
        const QString path = dir.filePath(name);
        WriteFileAtomically(path, bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(OdkazNaJinyWindow, MenuEntryAndToolbarButtonShowItModeless) {
    ASSERT_TRUE(form.menu().action(MenuId::mnuodkazjiny)->isEnabled());
    form.menu().action(MenuId::mnuodkazjiny)->trigger();
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_FALSE(dialog().isModal());
    EXPECT_EQ(dialog().parentWidget(), &form);
    dialog().hide();
    ASSERT_TRUE(form.Toolbar1()->button(u"Link"_s)->isEnabled());
    form.Toolbar1()->ButtonClick(u"Link"_s);
    EXPECT_TRUE(dialog().isVisible());
}

TEST_F(OdkazNaJinyWindow, AddressAroundTheSelectedWord) {
    openDialog<OdkazNaJiny>();
    EXPECT_FALSE(enabled(u"Command1"_s));
    EXPECT_FALSE(enabled(u"Text1"_s));
    tick(u"Option2"_s);
    EXPECT_TRUE(enabled(u"Text1"_s));
    EXPECT_FALSE(enabled(u"FileChoose"_s));
    EXPECT_FALSE(enabled(u"PathText"_s));
    EXPECT_FALSE(enabled(u"RelativePathChk"_s));
    // The preset address is enough to link to; an empty one is not.
    EXPECT_TRUE(enabled(u"Command1"_s));
    box(u"Text1"_s)->clear();
    EXPECT_FALSE(enabled(u"Command1"_s));
    QTest::keyClicks(box(u"Text1"_s), u"http://www."_s);
    EXPECT_TRUE(enabled(u"Command1"_s));

    EXPECT_EQ(confirmOn<OdkazNaJiny>(u"Klikni zde."_s, 7, 3),
              u"Klikni <A HREF=\"http://www.\">zde</A>."_s);
    EXPECT_EQ(form.surface().selStart(), 36);
    EXPECT_FALSE(dialog().isVisible());

    tick(u"Option1"_s);
    EXPECT_FALSE(enabled(u"Text1"_s));
    EXPECT_TRUE(enabled(u"FileChoose"_s));
    EXPECT_FALSE(enabled(u"Command1"_s));
}

TEST_F(OdkazNaJinyWindow, BackOnTheFileOptionTheWholePickerIsOfferedChosenFileOrNot) {
    const QString picker[] = {u"FileChoose"_s, u"PathText"_s, u"RelativePathChk"_s, u"Browzde"_s};
    for (const bool fileChosen : {false, true}) {
        openDialog<OdkazNaJiny>();
        if (fileChosen)
            choose(file(u"a.html"_s, "a"));
        // Before the switching there is only a chosen file to preview.
        EXPECT_EQ(enabled(u"Browzde"_s), fileChosen);
        tick(u"Option2"_s);
        for (const QString& name : picker)
            EXPECT_FALSE(enabled(name)) << name.toStdString() << " file " << fileChosen;
        tick(u"Option1"_s);
        for (const QString& name : picker)
            EXPECT_TRUE(enabled(name)) << name.toStdString() << " file " << fileChosen;
        // Closed from its title bar, the next opening starts afresh.
        dialog().close();
    }
}

TEST_F(OdkazNaJinyWindow, FileWithAnchorBecomesItsOwnLinkText) {
    openDialog<OdkazNaJiny>();
    choose(QString());
    EXPECT_FALSE(enabled(u"Command1"_s));
    const QString page = file(u"B.html"_s, QByteArray(1100, 'x'));
    choose(page);
    EXPECT_TRUE(enabled(u"Command1"_s));
    EXPECT_EQ(box(u"Text3"_s)->text(), u"b.html, "_s + FormatFileSize(1100));
    tick(u"Check1"_s);
    EXPECT_TRUE(enabled(u"Text2"_s));
    EXPECT_EQ(confirmOn<OdkazNaJiny>(u"ab"_s, 1, 0),
              u"a<A HREF=\"B.html#Kotva1\">B.html#Kotva1</A>b"_s);

    // An emptied anchor writes no "#".
    box(u"Text2"_s)->clear();
    EXPECT_EQ(confirmOn<OdkazNaJiny>(u""_s, 0, 0), u"<A HREF=\"B.html\">B.html</A>"_s);
}

TEST_F(OdkazNaJinyWindow, TargetThenTitleAndTheAutoTitleOnRequest) {
    openDialog<OdkazNaJiny>();
    tick(u"ChkAutoAlt"_s);
    const QString page = file(u"c.php"_s, "<?php ?>");
    choose(page);
    EXPECT_EQ(box(u"Text3"_s)->text(), u"Odkaz"_s);
    tick(u"ChkAutoAlt"_s);
    EXPECT_EQ(box(u"Text3"_s)->text(), u"c.php, 8b"_s);

    EXPECT_FALSE(enabled(u"Combo2"_s));
    tick(u"Check3"_s);
    auto* target = child<QComboBox>(dialog(), u"Combo2"_s);
    EXPECT_EQ(itemsOf(target), (QStringList{u"_blank"_s, u"_self"_s, u"_parent"_s, u"_top"_s}));
    target->setCurrentIndex(3);
    tick(u"Check2"_s);
    tick(u"RelativePathChk"_s);
    EXPECT_EQ(confirmOn<OdkazNaJiny>(u"x"_s, 0, 1),
              u"<A HREF=\"file://"_s + QFileInfo(page).absoluteFilePath() +
                  u"\" TARGET=\"_top\" TITLE=\"c.php, 8b\">x</A>"_s);
}

} // namespace
