// The one test that starts the real web engine: a page whose folder name
// holds a blank and "#" is loaded from its file and read back by its title.
#include "core/files/file_io.h"
#include "platform/browser/web_view.h"
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
#ifdef __SANITIZE_ADDRESS__
    // The engine library, built without the sanitizer, frees a page's web
    // contents with a mismatched size inside its own destructor, which the
    // sanitizer stops the whole test program for. The scripted view covers
    // the window in this build.
    GTEST_SKIP() << "the web engine library fails the address sanitizer on its own";
#endif
    TestPlatform platform;
    QtWebViewFactory engine;
    Platform().webViews = &engine;
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
