#include "shell/shared_procedures.h"

#include "core/editor_surface.h"
#include "platform/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class SharedProcedures : public ::testing::Test {
protected:
    SharedProcedures() { Program() = ProgramState{}; }

    TestPlatform platform;
    MainForm mainForm;
};

TEST_F(SharedProcedures, MainFormHostsTheSurfaceAndTheStatusBar) {
    EXPECT_NE(mainForm.findChild<QWidget*>(QStringLiteral("Text1")), nullptr);
    EXPECT_NE(mainForm.findChild<QStatusBar*>(QStringLiteral("Bar1")), nullptr);
    EXPECT_NE(mainForm.findChild<QProgressBar*>(QStringLiteral("Status")), nullptr);
    EXPECT_EQ(&MainSurface(), static_cast<EditorSurface*>(&mainForm.surface()));
}

TEST_F(SharedProcedures, SetBusyShowsAndHidesTheBusyDisplay) {
    QWidget form;
    SetBusy(true, &form, QStringLiteral("Zaměňuji text ve výběru"));
    EXPECT_EQ(mainForm.panel(4)->text(), QStringLiteral("Zaměňuji text ve výběru"));
    EXPECT_FALSE(mainForm.Status()->isHidden());

    SetBusy(false, &form, QStringLiteral("ignored"));
    EXPECT_TRUE(mainForm.Status()->isHidden());
    EXPECT_EQ(mainForm.panel(4)->text(), QStringLiteral("Zaměňuji text ve výběru"));
    const QList<std::pair<QWidget*, bool>> expected{{&form, true}, {&form, false}};
    EXPECT_EQ(platform.busyCursor.calls, expected);
}

TEST_F(SharedProcedures, BusyScopeEndsTheBusyStateWhenTheWorkThrows) {
    QWidget form;
    EXPECT_THROW(
        {
            BusyScope busy(&form, QStringLiteral("Pracuji"));
            EXPECT_FALSE(mainForm.Status()->isHidden());
            throw std::runtime_error("aborted");
        },
        std::runtime_error);
    EXPECT_TRUE(mainForm.Status()->isHidden());
    ASSERT_FALSE(platform.busyCursor.calls.isEmpty());
    EXPECT_EQ(platform.busyCursor.calls.back(), std::make_pair(&form, false));
}

TEST_F(SharedProcedures, ReportErrorShowsTheStopBoxTitledChyba) {
    ReportError(ProgramError(75, QStringLiteral("Přístup odepřen"), QStringLiteral("Tarvel")));
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    const MessageBoxRequest& box = platform.messageBox.shown.front().request;
    EXPECT_EQ(box.title, QStringLiteral("Chyba"));
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
    EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
    EXPECT_EQ(box.text, QStringLiteral("Vyskytla se chyba:\r\nKód: 75\r\nPopis: Přístup odepřen\r\n"
                                       "Zdroj: Tarvel\r\n\r\nAkce byla přerušena.\r\n"));
    EXPECT_EQ(platform.messageBox.shown.front().owner, &mainForm);
}

TEST_F(SharedProcedures, ApplyEditorFontRemembersTheLookProgramWide) {
    MainSurface().setText(QStringLiteral("Dobrý den"));
    ApplyEditorFont(RgbColor(0, 0, 128), true, false, QStringLiteral("Courier New CE"));
    EXPECT_EQ(Program().Applied.AppliedTextColor, RgbColor(0, 0, 128));
    EXPECT_TRUE(Program().Applied.AppliedBold);
    EXPECT_FALSE(Program().Applied.AppliedItalic);
    EXPECT_EQ(Program().Applied.AppliedFontName, QStringLiteral("Courier New CE"));
    MainSurface().setSelStart(4);
    MainSurface().setSelLength(1);
    EXPECT_EQ(MainSurface().selColor(), RgbColor(0, 0, 128));
    EXPECT_TRUE(MainSurface().selBold());
}

TEST_F(SharedProcedures, WrapSelectionInTagActsOnTheMainSurface) {
    MainSurface().setText(QStringLiteral("slovo"));
    MainSurface().setSelStart(0);
    MainSurface().setSelLength(5);
    WrapSelectionInTag(QStringLiteral("B"));
    EXPECT_EQ(MainSurface().text(), QStringLiteral("<B>slovo</B>"));
}

} // namespace
