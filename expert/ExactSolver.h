// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

// Exact best play on small sets of possible secrets, all equally likely: the fewest guesses in all
// that find every secret of the set, trying every one of the 5040 numbers at every step. Sets are
// sorted number indices (ScoreCodes). Results are kept by set, so a solver grows faster the more
// it is asked; sets above kLargestSet are too slow to solve this way and must not be given.
class ExactSolver
{
public:
    using Set = std::vector<std::uint16_t>;
    static constexpr int kLargestSet = 64;

    struct Play {
        long total = 0; // guesses in all, each secret counted from the next guess to its finding
        int guess = 0;  // a guess that achieves it
    };

    // Best play from the set (not empty). Of the guesses that achieve it, a possible secret comes
    // first, then the lowest index.
    Play best(const Set &set);

    // The guesses in all when guess comes next and best play follows from each part its score
    // leaves; anything above `limit` once it is clear the total exceeds it.
    long totalWith(int guess, const Set &set, long limit = kUnlimited);

    // The fewest guesses in all that could find n secrets: the first guess finds at most one, the
    // second at most 13 (one per other score), the third 169, and so on.
    static long leastTotal(long n);

    static constexpr long kUnlimited = 1L << 40;

private:
    struct SetHash {
        std::size_t operator()(const Set &set) const;
    };

    struct Known {
        Play play;
        bool exact = false; // else play.total is only a lower bound
    };

    // Best play from the set when it takes fewer than beta guesses in all; otherwise a lower bound
    // of at least beta.
    Known solve(const Set &set, long beta);

    std::unordered_map<Set, Known, SetHash> m_known;
};
