// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Relabellings of numbers (a renaming of digits with a reordering of positions) that the tree
// search uses to try one guess of each kind: two guesses that a relabelling fixing every guess so
// far maps onto each other lead to equally good trees.
namespace RelabellingGroup {

struct Symmetry {
    std::array<std::int8_t, 10> digits;
    std::array<std::int8_t, 4> positions;

    // The index of the number the relabelling makes of the number at index.
    int apply(int index) const;
};
using Group = std::vector<Symmetry>;

// The relabellings that fix 0123: positions and the digits 0 to 3 move together, 4 to 9 freely.
Group afterFirstGuess();

// The members of the group that leave the guess as it is.
Group fixing(const Group &group, int guess);

// One number of each orbit of the group, the lowest index of it, in increasing order.
std::vector<int> orbitLeaders(const Group &group);

// The relabelling that undoes the given one.
Symmetry inverse(const Symmetry &symmetry);

// A set of numbers (sorted indices) in a form that every image of it under the group shares: its
// least image, sorted and compared index by index, with the member of the group that makes it
// (-1 for a group of the identity alone, which leaves every set as it is).
struct Canonical {
    std::vector<std::uint16_t> set;
    int symmetry = -1;
};
Canonical canonicalForm(const std::vector<std::uint16_t> &set, const Group &group);

} // namespace RelabellingGroup
