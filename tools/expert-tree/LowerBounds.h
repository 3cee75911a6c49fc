// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/expert-tree/RelabellingGroup.h"
#include "tools/expert-tree/TreeSearch.h"

#include <vector>

// Lower bounds on the guesses any tree needs for a set of candidates, by looking a few guesses
// ahead: with no guess ahead, the count bound of TreeSearch::leastCost; with d guesses ahead, the
// least over every guess of the set's size plus the bounds of its parts with d - 1 ahead. Guesses
// are taken one per class of the group, as the search takes them.
class LowerBounds
{
public:
    struct GuessBound {
        int guess;
        long bound;
    };

    // The bound for the set with madeGuesses made, looking `ahead` guesses ahead.
    static long of(const TreeSearch::Set &set, int madeGuesses, int ahead, const RelabellingGroup::Group &group);

    // The bound of every guess on the set (one per class of the group): the guesses made so far,
    // that one, and `ahead` - 1 more looked ahead. Guesses that learn nothing are left out; the rest
    // come in increasing order of bound. Bounds whose count bound is `cutoff` or more are not
    // looked ahead further.
    static std::vector<GuessBound> ofEveryGuess(const TreeSearch::Set &set, int madeGuesses, int ahead,
                                                const RelabellingGroup::Group &group,
                                                long cutoff = TreeSearch::kInfinite);

private:
    // The bound of one guess on the set, looking `ahead` - 1 guesses further.
    static long deeper(const TreeSearch::Set &set, int madeGuesses, int ahead, const RelabellingGroup::Group &group,
                       int guess);
};
