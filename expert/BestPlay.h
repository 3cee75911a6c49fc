// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "expert/ExactSolver.h"
#include "expert/ExpertPlayer.h"
#include "rules/Turn.h"

#include <map>
#include <optional>
#include <vector>

class DecisionTree;
class TreeValues;

// Best play as the match review defines it, from a position of a match: the possible secrets (all
// equally likely) and the guesses and scores so far. Where at most ExactSolver::kLargestSet
// secrets are left it is the exact optimum; above that it is the Expert's guess from the same
// history, the Expert playing its tree as it is built (no relabelling: the review relabels the
// match instead, see frameFor). Totals count guesses in all, each secret from the next guess to
// its finding; dividing by the set's size gives the expected number of guesses. Exact results are
// kept for the whole process, so reviews after the first are much faster: one BestPlay at a time.
class BestPlay
{
public:
    using Set = ExactSolver::Set;

    // The guesses so far with their scores, oldest first.
    using History = std::vector<Turn>;

    // tree may be null: the Expert then makes every guess one step ahead. values, when given, must
    // belong to the tree: totals at its nodes are then read rather than computed.
    explicit BestPlay(const DecisionTree *tree, const TreeValues *values = nullptr);

    // The relabelling to review a match through (guesses not empty, scores valid): of those that
    // turn the tree's first guess into the match's own, the one under which the tree follows the
    // match's guesses the longest, the first in a fixed order among equals. Every first guess is
    // the same up to relabelling, so the Expert meets every opening on its tree, a player who
    // follows the Expert in any relabelling is followed, and a match always gets the same review.
    static Relabelling frameFor(const DecisionTree *tree, const std::vector<NumberSet> &guesses,
                                const std::vector<HitBlowResult> &scores);

    // Best play's guess from the position (the set not empty).
    int guess(const Set &set, const History &history);
    // The guesses in all when best play guesses throughout.
    long total(const Set &set, const History &history);
    // The guesses in all when guess comes next and best play follows from each part its score leaves.
    long totalWith(int guess, const Set &set, const History &history);
    // Whether some possible secret does no worse than the given total as the next guess: any of
    // them where the exact optimum is known, else best play's own guess.
    bool possibleSecretReaches(long total, const Set &set, const History &history);

private:
    int expertGuess(const Set &set, const History &history);
    // The total from the table where the history follows the tree to one of its nodes.
    std::optional<long> knownTotal(const History &history) const;
    // The guesses and scores so far as one key: the set follows from them.
    static std::vector<int> keyOf(const History &history);

    ExactSolver &m_exact;
    ExpertPlayer m_expert;
    const DecisionTree *m_tree;
    const TreeValues *m_values;
    // What this BestPlay has worked out on large sets, by history: a review asks again and again.
    std::map<std::vector<int>, int> m_expertGuesses;
    std::map<std::vector<int>, long> m_largeTotals;
};
