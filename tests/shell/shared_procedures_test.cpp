#include "shell/shared_procedures.h"

#include "core/text/editor_surface.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

class SharedProcedures : public ::testing::Test {
protected:
    SharedProcedures() { Program() = ProgramState{}; }

    TestPlatform platform;
    MainForm mainForm;
};

TEST_F(SharedProcedures, MainFormHostsTheSurfaceAndTheStatusBar) {
    EXPECT_NE(mainForm.findChild<QWidget*>(u"Text1"_s), nullptr);
    EXPECT_NE(mainForm.findChild<QStatusBar*>(u"Bar1"_s), nullptr);
    EXPECT_NE(mainForm.findChild<QProgressBar*>(u"Status"_s), nullptr);
    EXPECT_EQ(&MainSurface(), static_cast<EditorSurface*>(&mainForm.surface()));
}

TEST_F(SharedProcedures, SetBusyShowsAndHidesTheBusyDisplay) {
    QWidget form;
    SetBusy(true, &form, u"Zaměňuji text ve výběru"_s);
    EXPECT_EQ(mainForm.panel(4)->text(), u"Zaměňuji text ve výběru"_s);
    EXPECT_FALSE(mainForm.Status()->isHidden());

    // The message has the bar to itself; the counts come back afterwards.
    const QList<QWidget*> counts{mainForm.panel(1), mainForm.panel(2), mainForm.panel(3),
                                 mainForm.Panel4Picture()};
    for (const QWidget* panel : counts)
        EXPECT_TRUE(panel->isHidden()) << panel->objectName().toStdString();

    SetBusy(false, &form, u"ignored"_s);
    EXPECT_TRUE(mainForm.Status()->isHidden());
    for (const QWidget* panel : counts)
        EXPECT_FALSE(panel->isHidden()) << panel->objectName().toStdString();
    EXPECT_EQ(mainForm.panel(4)->text(), u"Zaměňuji text ve výběru"_s);
    const QList<std::pair<QWidget*, bool>> expected{{&form, true}, {&form, false}};
    EXPECT_EQ(platform.busyCursor.calls, expected);
}

TEST_F(SharedProcedures, BusyScopeEndsTheBusyStateWhenTheWorkThrows) {
    QWidget form;
    EXPECT_THROW(
        {
            BusyScope busy(&form, u"Pracuji"_s);
            EXPECT_FALSE(mainForm.Status()->isHidden());
            throw std::runtime_error("aborted");
        },
        std::runtime_error);
    EXPECT_TRUE(mainForm.Status()->isHidden());
    ASSERT_FALSE(platform.busyCursor.calls.isEmpty());
    EXPECT_EQ(platform.busyCursor.calls.back(), std::make_pair(&form, false));
}

TEST_F(SharedProcedures, ReportErrorShowsTheStopBoxTitledChyba) {
    ReportError(ProgramError(75, u"Přístup odepřen"_s, u"Tarvel"_s));
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    const MessageBoxRequest& box = platform.messageBox.shown.front().request;
    EXPECT_EQ(box.title, u"Chyba"_s);
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
    EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
    EXPECT_EQ(box.text, QStringLiteral("Vyskytla se chyba:\r\nKód: 75\r\nPopis: Přístup odepřen\r\n"
                                       "Zdroj: Tarvel\r\n\r\nAkce byla přerušena.\r\n"));
    EXPECT_EQ(platform.messageBox.shown.front().owner, &mainForm);
}

TEST_F(SharedProcedures, ApplyEditorFontRemembersTheLookProgramWide) {
    MainSurface().setText(u"Dobrý den"_s);
    ApplyEditorFont(RgbColor(0, 0, 128), true, false, u"Courier New CE"_s);
    EXPECT_EQ(Program().Applied.AppliedTextColor, RgbColor(0, 0, 128));
    EXPECT_TRUE(Program().Applied.AppliedBold);
    EXPECT_FALSE(Program().Applied.AppliedItalic);
    EXPECT_EQ(Program().Applied.AppliedFontName, u"Courier New CE"_s);
    MainSurface().setSelStart(4);
    EXPECT_EQ(MainSurface().selColor(), RgbColor(0, 0, 128));
}

} // namespace
