#include "platform/clipboard.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(QtClipboard, TextRoundTripsAndAnEmptyTextIsStillText) {
    QtClipboardService clipboard;
    clipboard.setText(u"Žluťoučký kůň\r\n\tÚ"_s);
    EXPECT_TRUE(clipboard.hasText());
    EXPECT_EQ(clipboard.text(), u"Žluťoučký kůň\r\n\tÚ"_s);
    clipboard.setText(QString());
    EXPECT_TRUE(clipboard.hasText());
    EXPECT_EQ(clipboard.text(), QString());
}

TEST(QtClipboard, ClearedClipboardHoldsNoText) {
    QtClipboardService clipboard;
    clipboard.setText(u"schránka"_s);
    clipboard.clear();
    EXPECT_FALSE(clipboard.hasText());
    EXPECT_EQ(clipboard.text(), QString());
}

} // namespace
