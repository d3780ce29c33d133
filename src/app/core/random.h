// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstdint>

namespace tk {

// The launcher's one pseudo-random generator: a 32-bit linear congruential generator.
// Seeded at start-up, by the bot editor when it opens and by the rotation's Randomize;
// the bot picker, the bot editor and the rotation draw from it.
class Random {
public:
    static Random& shared();

    void seed(std::uint32_t value) { m_seed = value; }
    // seed = milliseconds of the current UTC time of day.
    void seedFromClock();
    std::uint32_t state() const { return m_seed; }

    // A value from 0 to n - 1 (0 when n is 0).
    std::uint32_t below(std::uint32_t n)
    {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_seed) * n) >> 32);
    }

private:
    std::uint32_t m_seed = 0;
};

} // namespace tk
