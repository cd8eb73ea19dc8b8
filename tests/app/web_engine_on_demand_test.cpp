// The web engine is a library of its own: a session that edits and never
// previews never maps it, and the first preview loads it and shows the page.
#include "app/program_commands.h"

#include "platform/browser/web_engine_library.h"
#include "platform/browser/web_view.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/testing/real_web_engine.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/browser/frmBrowser.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/MainTimer.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

bool engineMapped() {
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

TEST(WebEngineOnDemand, EditingMapsNoEngineAndTheFirstPreviewLoadsItAndShowsThePage) {
    SKIP_WHERE_THE_WEB_ENGINE_FAILS_THE_SANITIZER();
    TestPlatform platform;
    RealWebEngine engine;
    Program() = ProgramState{};
    CommandRegistry commands;
    RegisterProgramCommands(commands);
    MainForm form(commands);
    form.show();
    QTest::keyClicks(form.Text1(), u"<html><head><title>Nahled</title></head>ahoj</html>"_s);
    form.timer().tick();
    ASSERT_FALSE(engineMapped());
    ASSERT_FALSE(WebEngineLoaded());

    form.menu().action(MenuId::Mnu_Internal_Browser)->trigger();
    frmBrowser* browser = LoadedWindowIfAny<frmBrowser>();
    ASSERT_NE(browser, nullptr);
    QSignalSpy finished(&browser->brwWebBrowser(), &WebView::loadFinished);
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(finished.front().front().toBool());
    EXPECT_TRUE(engineMapped());
    EXPECT_EQ(browser->windowTitle(), u"HTML testovací browser (Nahled)"_s);
    delete browser;
    RemoveTempFiles();
    Program() = ProgramState{};
}

} // namespace
