#pragma once

#include <QtGlobal>

// The program's one pseudo-random generator. Every random feature draws from
// it, so a keyed cipher that resets and seeds it makes all later draws follow
// from its key.
//
// The algorithm is a 64-bit splitmix: a counter stepped by a fixed odd
// constant and scrambled on output. It is fast, has no bad seeds and keeps
// its whole state in one number, which makes reset and seeding trivial.
class RandomGenerator {
public:
    // A new generator starts in the fixed state that reset() restores.
    RandomGenerator() = default;

    // A uniform number r with 0 <= r < 1, in steps of 2^-53.
    [[nodiscard]] double draw();

    // Back to the fixed state, whatever happened before.
    void reset();
    // Derives the next state from the current state and value only, so reset
    // followed by seed(value) gives the same draws every time. 0 and -0 are
    // the same seed.
    void seed(double value);
    // Mixes the current time into the state; for start-up.
    void seedFromClock();

private:
    static constexpr quint64 FixedState = 0x54617276656C5172ULL;

    void mixIn(quint64 bits);

    quint64 m_state = FixedState;
};

// The program-wide generator.
[[nodiscard]] RandomGenerator& Rnd();
