// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/expert-tree/LowerBounds.h"

#include <algorithm>

using RelabellingGroup::Group;
using ScoreCodes::kCodes;
using ScoreCodes::kNumbers;
using ScoreCodes::kWinCode;

namespace {
// The bound of each guess one guess ahead: the set's size plus the count bound of each part.
std::vector<LowerBounds::GuessBound> countBounds(const TreeSearch::Set &set, int madeGuesses, const Group &group)
{
    const int left = TreeSearch::kMostGuesses - madeGuesses;
    std::vector<int> guesses;
    if (group.size() > 1) {
        guesses = RelabellingGroup::orbitLeaders(group);
    } else {
        for (int guess = 0; guess < kNumbers; ++guess)
            guesses.push_back(guess);
    }
    std::vector<LowerBounds::GuessBound> bounds;
    for (int guess : guesses) {
        std::array<long, kCodes> counts{};
        for (std::uint16_t secret : set)
            ++counts[TreeSearch::codeAt(guess, secret)];
        if (*std::max_element(counts.begin(), counts.end()) == long(set.size()))
            continue; // learns nothing
        long bound = long(set.size());
        for (int code = 0; code < kWinCode; ++code)
            bound = std::min(TreeSearch::kInfinite, bound + TreeSearch::leastCost(counts[code], left - 1));
        bounds.push_back({guess, bound});
    }
    std::stable_sort(bounds.begin(), bounds.end(),
                     [](const LowerBounds::GuessBound &a, const LowerBounds::GuessBound &b) { return a.bound < b.bound; });
    return bounds;
}
} // namespace

long LowerBounds::of(const TreeSearch::Set &set, int madeGuesses, int ahead, const Group &group)
{
    const long n = long(set.size());
    const int left = TreeSearch::kMostGuesses - madeGuesses;
    if (n <= 2 || ahead <= 0 || left <= 0)
        return TreeSearch::leastCost(n, left);
    // Looking further ahead only raises a bound: once the count bound reaches the least deeper
    // bound found, no later guess can go below it.
    long least = TreeSearch::kInfinite;
    for (const GuessBound &entry : countBounds(set, madeGuesses, group)) {
        if (entry.bound >= least)
            break;
        least = std::min(least, ahead <= 1 ? entry.bound : deeper(set, madeGuesses, ahead, group, entry.guess));
    }
    return least;
}

std::vector<LowerBounds::GuessBound> LowerBounds::ofEveryGuess(const TreeSearch::Set &set, int madeGuesses, int ahead,
                                                               const Group &group, long cutoff)
{
    std::vector<GuessBound> bounds = countBounds(set, madeGuesses, group);
    for (GuessBound &entry : bounds) {
        if (ahead > 1 && entry.bound < cutoff)
            entry.bound = deeper(set, madeGuesses, ahead, group, entry.guess);
    }
    std::stable_sort(bounds.begin(), bounds.end(), [](const GuessBound &a, const GuessBound &b) { return a.bound < b.bound; });
    return bounds;
}

long LowerBounds::deeper(const TreeSearch::Set &set, int madeGuesses, int ahead, const Group &group, int guess)
{
    const Group fixed = RelabellingGroup::fixing(group, guess);
    const std::array<TreeSearch::Set, kCodes> parts = TreeSearch::partsOf(set, guess);
    long bound = long(set.size());
    for (int code = 0; code < kWinCode && bound < TreeSearch::kInfinite; ++code)
        bound = std::min(TreeSearch::kInfinite, bound + of(parts[code], madeGuesses + 1, ahead - 1, fixed));
    return bound;
}
