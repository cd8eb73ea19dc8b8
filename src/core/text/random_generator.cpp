#include "core/text/random_generator.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <limits>

namespace {

constexpr quint64 Step = 0x9E3779B97F4A7C15ULL;

// The splitmix output scrambler: a bijection of 64-bit numbers that spreads
// every input bit over the whole result.
[[nodiscard]] constexpr quint64 scramble(quint64 z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

double RandomGenerator::draw() {
    m_state += Step;
    // The top 53 bits fill a double's mantissa exactly, so 1 is never reached.
    return static_cast<double>(scramble(m_state) >> 11) * 0x1.0p-53;
}

void RandomGenerator::reset() {
    m_state = FixedState;
}

void RandomGenerator::seed(double value) {
    if (value == 0.0)
        value = 0.0; // -0 is the same key as 0
    if (std::isnan(value))
        value = std::numeric_limits<double>::quiet_NaN();
    mixIn(std::bit_cast<quint64>(value));
}

void RandomGenerator::seedFromClock() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch();
    mixIn(static_cast<quint64>(std::chrono::nanoseconds(wall).count()) ^
          scramble(static_cast<quint64>(std::chrono::nanoseconds(steady).count())));
}

void RandomGenerator::mixIn(quint64 bits) {
    m_state = scramble(m_state ^ scramble(bits + Step));
}

RandomGenerator& Rnd() {
    static RandomGenerator generator;
    return generator;
}
