#include "platform/busy_cursor.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(QtBusyCursor, SetsAndClearsWaitCursorOnTheWindow) {
    QWidget form;
    QtBusyCursorService cursor;
    cursor.setBusy(&form, true);
    EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
    cursor.setBusy(&form, false);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
}

} // namespace
