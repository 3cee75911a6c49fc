#pragma once

#include "NumberComparer.h"

#include <array>

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


    // Digit d at position p becomes digit digits[d] at position positions[p].
    NumberSet apply(const NumberSet &number) const;
    // The relabelling that undoes this one.
    Relabelling inverse() const;

private:
    std::array<int, 10> m_digits;
    std::array<int, 4> m_positions;
};
