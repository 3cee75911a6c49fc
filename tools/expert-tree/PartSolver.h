// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/expert-tree/RelabellingGroup.h"
#include "tools/expert-tree/SetMemo.h"
#include "tools/expert-tree/TreeSearch.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Exact best play on a part of the game, depth first by branch and bound, with every guess tried
// (one per class of guesses that a relabelling fixing the guesses so far maps onto each other, or
// that the set's own digit classes rename alike, and one per split of the set) and at most
// TreeSearch::kMostGuesses guesses for any secret. What it learns of each set, exact values and
// lower bounds, goes into a SetMemo under the set's canonical form for the group, so that a set
// met again, or in a later search, is not searched again.
//
// The bounds: with k guesses in hand, if no guess splits a set into more than q parts besides 4-0
// (its branching), at most 1, q, q^2, ... of its secrets are found at the 1st, 2nd, 3rd, ... of
// them; a part of a split never branches more than the set it came from. Guesses are evaluated in
// increasing order of that bound (a possible secret first among equals), the parts after a guess
// largest first, each under the limit the best tree so far leaves once every other part is counted
// at its bound (what the memo knows of it, or for a large part its bound one guess ahead); a guess
// whose parts overrun it is dropped at once. Sets of at most `smallSet`
// candidates are solved exactly the first time they are met, whatever the limit, and looked up
// after that.
class PartSolver
{
public:
    using Set = TreeSearch::Set;
    using Group = RelabellingGroup::Group;
    static constexpr long kInfinite = TreeSearch::kInfinite;

    PartSolver(SetMemo &memo, std::size_t smallSet = 30);

    // The fewest guesses in all that find every secret of the set with madeGuesses made, counting
    // each secret's from the next guess on, when that is below beta; otherwise a lower bound on it
    // of at least beta (kInfinite: no tree within the guesses allowed). The group must map the set
    // onto itself (the relabellings that fix the guesses so far do).
    long solve(const Set &set, int madeGuesses, long beta, const Group &group);
    // The same with the next guess given.
    long solveWith(int guess, const Set &set, int madeGuesses, long beta, const Group &group);

    // A tree that achieves the value solve() found below its limit (searching again what the memo
    // does not hold); null for a set of at most two candidates.
    std::unique_ptr<TreeSearch::Node> treeFor(const Set &set, int madeGuesses, const Group &group);
    std::unique_ptr<TreeSearch::Node> treeWith(int guess, const Set &set, int madeGuesses, const Group &group);

    // The fewest guesses in all for n secrets with `left` guesses in hand when no guess splits
    // them into more than `branching` parts besides 4-0; kInfinite when they cannot all be found.
    static long leastCost(long n, int left, int branching);

    // Sets searched so far (looked up or not).
    long visits() const { return m_visits; }
    // Stops the search: every call then returns at once, its value meaningless, and learns nothing.
    void requestStop() { m_stop = true; }
    bool stopped() const { return m_stop.load(std::memory_order_relaxed); }
    // Stops the search by itself after so many visits (for tests of a resumed search).
    void stopAfterVisits(long visits) { m_visitLimit = visits; }
    // Called after each guess evaluated on the set solve() was given, with its bound, its cost (at
    // least the limit when it failed) and the limit it had.
    using Progress = std::function<void(int guess, long bound, long cost, long limit)>;
    void onProgress(Progress progress) { m_progress = std::move(progress); }

private:
    struct Option {
        long bound;
        bool possibleSecret;
        int guess;
    };

    long search(const Set &set, int left, long beta, const Group &group, int branching);
    long evaluate(const Set &set, int guess, int left, long limit, const Group &group, int branching);
    enum class Guesses { All, PossibleSecrets, Others };
    // The guesses of the kind asked whose bound is below beta, cheapest first. Raises `widest` to
    // the most parts besides 4-0 that a guess scored splits the set into; once every guess has been
    // scored (All, or Others after PossibleSecrets), lowers `branching` to it. Lowers `leastLeftOut`
    // to the least bound of the guesses left out.
    std::vector<Option> optionsFor(const Set &set, int left, long beta, const Group &group, Guesses which,
                                   int &branching, int &widest, long &leastLeftOut);
    // The least cost of a guess that cannot be the secret.
    static long leastWithoutWinning(long n, int left, int branching);
    const std::vector<int> &guessesFor(const Set &set, const Group &group);

    SetMemo &m_memo;
    std::size_t m_smallSet;
    long m_visits = 0;
    long m_visitLimit = -1;
    std::atomic<bool> m_stop = false;
    std::map<std::string, std::vector<int>> m_leaders; // by group
    std::vector<int> m_scratch;
    Progress m_progress;
    int m_depth = 0; // of the set being searched, below the one solve() was given
};
