#include "platform/browser/web_engine_setup.h"

#include <gtest/gtest.h>

TEST(WebEngineFlags, RootGetsTheSandboxOffOnceAndOtherFlagsStay) {
    const struct {
        const char* given;
        bool root;
        const char* flags;
    } cases[] = {
        {"", false, ""},
        {"--disable-gpu", false, "--disable-gpu"},
        {"", true, "--no-sandbox"},
        {"--disable-gpu", true, "--disable-gpu --no-sandbox"},
        {"--no-sandbox", true, "--no-sandbox"},
        {"--disable-gpu --no-sandbox", true, "--disable-gpu --no-sandbox"},
        {"--no-sandboxes", true, "--no-sandboxes --no-sandbox"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WebEngineFlags(c.given, c.root), QByteArray(c.flags))
            << c.given << (c.root ? " as root" : "");
}
