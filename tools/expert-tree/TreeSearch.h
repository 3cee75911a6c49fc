// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expert/DecisionTree.h"
#include "expert/ScoreCodes.h"
#include "tools/expert-tree/RelabellingGroup.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TaskPool;

// The search for the cheapest decision tree below a node, depth first, pruned by lower bounds.
// At every node it rates the guesses on the node's candidates (entropy of the split plus a bonus
// for a possible secret), one per class of guesses that a relabelling fixing the guesses so far
// maps onto each other, and one per split of the candidates, keeps the best few of them by depth
// (every guess on small sets) and evaluates each exactly. With k guesses in hand at most 1, 13,
// 169, ... secrets can be found at the 1st, 2nd, 3rd, ... of them. Branches that would need an
// eighth guess are refused.
//
// The parts after an option's guess are searched at once on the pool near the root, each with the
// limit it would have if every other part cost its least; the results are then taken in the order
// a single thread takes them. A search that finds a tree under a limit finds the same tree under
// any wider one, so the tree never depends on the number of threads or their timing.
class TreeSearch
{
public:
    static constexpr int kMostGuesses = 7;
    static constexpr long kInfinite = 1L << 40;

    using Set = std::vector<std::uint16_t>;

    struct Node {
        int guess = 0;
        std::unique_ptr<Node> children[DecisionTree::kBranches];
    };
    struct Outcome {
        long cost = kInfinite; // guesses for the set's secrets, counted from the node's guess on
        std::unique_ptr<Node> node; // null for sets of one or two candidates
    };

    struct Options {
        std::vector<int> widths; // guesses evaluated at the node of each depth, the first guess's first
        long everyGuessUpTo = 250; // sets this small try every guess
        double bonus = 0.1;
        // Nodes with at least this many candidates bound each part after a guess by looking one
        // guess ahead (LowerBounds) rather than by its size alone, so that guesses that cannot
        // win are dropped before their parts are searched; 0: never.
        long deepBoundsFrom = 0;
        // At nodes where no relabelling fixes the guesses so far, also leave out guesses that differ
        // from a lower-numbered one only by renaming digits the node's set cannot tell apart
        // (DigitClasses): they split it alike, and would take places among the best `widths`.
        bool setSymmetry = false;
        // The only second guess tried (its class's lowest index), or -1 for every one.
        int secondGuess = -1;
        // Called at a node of depth 1 or 2 (madeGuesses) whenever a cheaper tree is found for its
        // set, from any thread.
        std::function<void(const Set &, int madeGuesses, const Outcome &)> onImproved;
    };

    TreeSearch(Options options, TaskPool &pool);

    // The cheapest tree found for `set` with `madeGuesses` guesses made, when it costs less than
    // `beta`; otherwise an outcome whose cost is at least beta (kInfinite: no tree at all).
    Outcome solve(const Set &set, int madeGuesses, long beta, const RelabellingGroup::Group &group) const;

    // The fewest guesses in all that can find n secrets with `left` guesses in hand, counting each
    // secret's guesses from the next one; kInfinite when they cannot all be found in time.
    static long leastCost(long n, int left);
    static int codeAt(int guess, int secret);
    // The scores of the guess against every number, by index: codeAt without a call per secret.
    static const std::uint8_t *codesOf(int guess);
    static std::array<Set, ScoreCodes::kCodes> partsOf(const Set &set, int guess);

private:
    struct Option {
        double rating;
        long bound;
        int guess;
        bool smallParts; // every part holds at most two candidates: the bound is the exact cost
    };

    // Set when the search of a set was started at once with others and its result is no longer
    // needed; a search under a stopped one returns at once, its result meaningless.
    struct Stop {
        std::atomic<bool> now = false;
        const Stop *outer = nullptr;
        bool requested() const { return now.load(std::memory_order_relaxed) || (outer && outer->requested()); }
    };

    Outcome search(const Set &set, int madeGuesses, long beta, const RelabellingGroup::Group &group,
                   const Stop *stop) const;
    std::vector<Option> optionsFor(const Set &set, int left, const RelabellingGroup::Group &group,
                                   std::size_t width) const;
    // The tree under the option's guess when it costs less than limit, or the failed part's outcome.
    struct Trial {
        bool failed = false;
        long cost = 0;
        Outcome failure;
        std::unique_ptr<Node> node;
    };
    Trial tryOption(const Set &set, const Option &option, int madeGuesses, long limit,
                    const RelabellingGroup::Group &group, bool needFailureCost, const Stop *stop,
                    bool allowAtOnce = true) const;

    Options m_options;
    TaskPool &m_pool;
};
