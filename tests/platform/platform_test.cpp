#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/testing/test_platform.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

[[nodiscard]] bool AllInstalled(const PlatformServices& p) {
    return p.messageBox && p.inputBox && p.fileDialogs && p.clipboard && p.busyCursor && p.windows;
}

TEST(Platform, TestPlatformNestsInsideQtPlatformAndEachRestoresWhatWasBefore) {
    const PlatformServices before = Platform();
    {
        QtPlatform qt;
        EXPECT_TRUE(AllInstalled(Platform()));
        EXPECT_NE(dynamic_cast<QtMessageBoxService*>(Platform().messageBox), nullptr);
        EXPECT_NE(dynamic_cast<QtClipboardService*>(Platform().clipboard), nullptr);
        const PlatformServices real = Platform();
        {
            TestPlatform test;
            EXPECT_EQ(Platform().messageBox, &test.messageBox);
            EXPECT_EQ(Platform().fileDialogs, &test.fileDialogs);
            EXPECT_EQ(Platform().windows, &test.windows);
            Platform().clipboard->setText(u"jen v testu"_s);
            EXPECT_EQ(test.clipboard.text(), u"jen v testu"_s);
        }
        EXPECT_EQ(Platform().inputBox, real.inputBox);
        EXPECT_EQ(Platform().clipboard, real.clipboard);
        EXPECT_EQ(Platform().busyCursor, real.busyCursor);
        EXPECT_EQ(Platform().windows, real.windows);
    }
    EXPECT_EQ(Platform().messageBox, before.messageBox);
    EXPECT_EQ(Platform().windows, before.windows);
}

TEST(Platform, EachTestPlatformHasFreshWindowRegistry) {
    QWidget window;
    {
        TestPlatform first;
        Platform().windows->add(&window);
        EXPECT_EQ(first.windows.windows().size(), 1);
    }
    TestPlatform second;
    EXPECT_TRUE(Platform().windows->windows().isEmpty());
}

} // namespace
