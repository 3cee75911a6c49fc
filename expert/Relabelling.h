// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <array>
#include <optional>

class RandomSource;

// A renaming of the ten digits together with a reordering of the four positions. Relabelling
// every guess and secret alike keeps every score, so a strategy played through it is just as good.
class Relabelling
{
public:
    // Leaves every number as it is.
    Relabelling();
    // Digit d at position p becomes digits[d] at positions[p]; both must be permutations.
    Relabelling(const std::array<int, 10> &digits, const std::array<int, 4> &positions);

    // A relabelling drawn uniformly from the source: 10! digit orders times 4! position orders.
    static Relabelling drawnFrom(RandomSource &random);

    // The relabelling that sends digit d to digits[d] and position p to positions[p], or nothing
    // when either is no permutation (of 0 to 9, of 0 to 3).
    static std::optional<Relabelling> fromPermutations(const std::array<int, 10> &digits,
                                                       const std::array<int, 4> &positions);

    // Digit d at position p becomes digit digits[d] at position positions[p].
    NumberSet apply(const NumberSet &number) const;
    // The relabelling that undoes this one.
    Relabelling inverse() const;

    const std::array<int, 10> &digits() const { return m_digits; }
    const std::array<int, 4> &positions() const { return m_positions; }

    friend bool operator==(const Relabelling &, const Relabelling &) = default;

private:
    std::array<int, 10> m_digits;
    std::array<int, 4> m_positions;
};
