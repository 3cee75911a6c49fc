// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Where the computer's random choices come from: each draw is one value in [0, 2^31).
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual std::uint32_t draw() = 0;

    // One generator for the whole process, seeded once from the system's entropy source.
    static RandomSource &processWide();
};
