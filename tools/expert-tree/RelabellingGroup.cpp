// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/expert-tree/RelabellingGroup.h"

#include "expert/ScoreCodes.h"

#include <algorithm>

namespace RelabellingGroup {
namespace {
const std::vector<NumberSet> &numbers()
{
    static const std::vector<NumberSet> table = [] {
        std::vector<NumberSet> all(ScoreCodes::kNumbers);
        for (int i = 0; i < ScoreCodes::kNumbers; ++i)
            all[i] = ScoreCodes::numberAt(i);
        return all;
    }();
    return table;
}
} // namespace

int Symmetry::apply(int index) const
{
    const NumberSet &number = numbers()[index];
    NumberSet moved{};
    for (int p = 0; p < 4; ++p)
        moved[positions[p]] = digits[number[p]];
    return ScoreCodes::indexOf(moved);
}

Group afterFirstGuess()
{
    Group group;
    std::array<std::int8_t, 4> positions{0, 1, 2, 3};
    do {
        std::array<std::int8_t, 6> high{4, 5, 6, 7, 8, 9};
        do {
            Symmetry symmetry{};
            for (int d = 0; d < 4; ++d)
                symmetry.digits[d] = positions[d];
            for (int d = 0; d < 6; ++d)
                symmetry.digits[4 + d] = high[d];
            symmetry.positions = positions;
            group.push_back(symmetry);
        } while (std::next_permutation(high.begin(), high.end()));
    } while (std::next_permutation(positions.begin(), positions.end()));
    return group;
}

Group fixing(const Group &group, int guess)
{
    Group kept;
    for (const Symmetry &symmetry : group) {
        if (symmetry.apply(guess) == guess)
            kept.push_back(symmetry);
    }
    return kept;
}

std::vector<int> orbitLeaders(const Group &group)
{
    std::vector<int> leaders;
    std::vector<bool> seen(ScoreCodes::kNumbers, false);
    for (int guess = 0; guess < ScoreCodes::kNumbers; ++guess) {
        if (seen[guess])
            continue;
        leaders.push_back(guess);
        for (const Symmetry &symmetry : group)
            seen[symmetry.apply(guess)] = true;
    }
    return leaders;
}

Symmetry inverse(const Symmetry &symmetry)
{
    Symmetry undo{};
    for (int d = 0; d < 10; ++d)
        undo.digits[symmetry.digits[d]] = std::int8_t(d);
    for (int p = 0; p < 4; ++p)
        undo.positions[symmetry.positions[p]] = std::int8_t(p);
    return undo;
}

Canonical canonicalForm(const std::vector<std::uint16_t> &set, const Group &group)
{
    Canonical least{set, -1};
    if (group.size() <= 1)
        return least;
    std::vector<std::uint16_t> image(set.size());
    for (std::size_t member = 0; member < group.size(); ++member) {
        for (std::size_t i = 0; i < set.size(); ++i)
            image[i] = std::uint16_t(group[member].apply(set[i]));
        std::sort(image.begin(), image.end());
        if (least.symmetry < 0 || image < least.set) {
            least.set = image;
            least.symmetry = int(member);
        }
    }
    return least;
}

} // namespace RelabellingGroup
