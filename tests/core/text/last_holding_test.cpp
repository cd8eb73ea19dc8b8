#include "core/text/last_holding.h"

#include <gtest/gtest.h>

namespace {

// holds(n) is n <= threshold; low is taken to hold even when it does not.
TEST(LastHolding, FindsTheLastValueBeforeTheTestTurnsFalse) {
    const struct {
        int low, high, threshold, expected;
    } cases[] = {
        {0, 0, 0, 0}, {0, 9, 9, 9}, {0, 9, 0, 0},
        {0, 9, 4, 4}, {0, 9, 5, 5}, {1, 2, 1, 1},
        {1, 2, 2, 2}, {3, 9, 1, 3}, {0, 1000000, 654321, 654321},
    };
    for (const auto& c : cases) {
        int calls = 0;
        const int found = LastHolding(c.low, c.high, [&](int n) {
            ++calls;
            EXPECT_GT(n, c.low);
            EXPECT_LE(n, c.high);
            return n <= c.threshold;
        });
        EXPECT_EQ(found, c.expected) << c.low << ".." << c.high << " up to " << c.threshold;
        EXPECT_LE(calls, 21);
    }
}

} // namespace
