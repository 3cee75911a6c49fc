// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <algorithm>
#include <vector>

// One guess of a match with the score it got.
struct Turn {
    NumberSet guess{};
    HitBlowResult score;

    friend bool operator==(const Turn &a, const Turn &b)
    {
        return a.guess == b.guess && a.score.hits == b.score.hits && a.score.blows == b.score.blows;
    }
};

// The turns that the controller's and the comparer's three record lists (guesses, hits, blows,
// oldest first) hold together: a latest guess without its score yet is left out.
inline std::vector<Turn> turnsOf(const std::vector<NumberSet> &guesses, const std::vector<int> &hits,
                                 const std::vector<int> &blows)
{
    const std::size_t count = std::min({guesses.size(), hits.size(), blows.size()});
    std::vector<Turn> turns;
    turns.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        turns.push_back({guesses[i], {hits[i], blows[i]}});
    return turns;
}
