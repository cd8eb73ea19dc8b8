#pragma once

// The largest n from low to high for which holds(n) is true, in a range where
// holds is true up to some point and false after it; low itself is taken to
// hold without asking. About log2(high - low) calls of holds.
template <typename Int, typename Test>
[[nodiscard]] Int LastHolding(Int low, Int high, const Test& holds) {
    while (low < high) {
        const Int middle = low + (high - low + 1) / 2;
        if (holds(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}
