// The one test that starts the real web engine: a page whose folder name
// holds a blank and "#" is loaded from its file and read back by its title.
#include "core/files/file_io.h"
#include "platform/browser/web_view.h"
#include "platform/testing/real_web_engine.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/browser/frmBrowser.h"
#include "shell/window_instances.h"

#include <QComboBox>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(RealBrowser, ShowsALocalPageWhoseFolderNameHoldsABlankAndAHash) {
    SKIP_WHERE_THE_WEB_ENGINE_FAILS_THE_SANITIZER();
    TestPlatform platform;
    RealWebEngine engine;
    Program() = ProgramState{};
    QTemporaryDir folder(QDir::tempPath() + u"/tvq page #1 XXXXXX"_s);
    ASSERT_TRUE(folder.isValid());
    const QString page = folder.filePath(u"stránka 50%.html"_s);
    WriteFileAtomically(page, "<html><head><meta charset=\"utf-8\"><title>Zku\xc5\xa1"
                              "ebn\xc3\xad</title></head><body>x</body></html>");

    ShowFileInBrowser(page);
    frmBrowser* browser = LoadedWindowIfAny<frmBrowser>();
    ASSERT_NE(browser, nullptr);
    QSignalSpy finished(&browser->brwWebBrowser(), &WebView::loadFinished);
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(finished.front().front().toBool());
    EXPECT_EQ(browser->windowTitle(), u"HTML testovací browser (Zkušební)"_s);
    EXPECT_EQ(QUrl(browser->brwWebBrowser().locationUrl()).toLocalFile(), page);
    EXPECT_EQ(browser->cboAddress()->itemText(0), browser->brwWebBrowser().locationUrl());
    delete browser;
    Program() = ProgramState{};
}

} // namespace
