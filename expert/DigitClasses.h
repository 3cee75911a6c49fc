// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Digits that a set of secrets cannot tell apart: swapping any two digits of one class throughout
// the set gives the set back (the digits no secret holds are one such class, and so, typically,
// are the digits no guess has touched yet). Guesses that differ only by renaming digits within
// classes split the set alike, into parts of the same sizes that are images of each other, so a
// search need score only the lowest-numbered of them: the one that uses each class's lowest
// digits, in order from the left. Sets are sorted number indices (ScoreCodes).
class DigitClasses
{
public:
    explicit DigitClasses(const std::vector<std::uint16_t> &set);

    // Whether guess is the lowest-numbered of the guesses that differ from it only by renaming
    // digits within classes.
    bool isLowestRenaming(int guess) const;

private:
    static bool swapKeeps(const std::vector<std::uint16_t> &set, int a, int b);

    std::array<int, 10> m_classOf{}; // each digit's class, named by its lowest digit
};
