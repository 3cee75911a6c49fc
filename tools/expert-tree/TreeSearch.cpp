// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/expert-tree/TreeSearch.h"

#include "expert/DigitClasses.h"
#include "expert/OneStepGuesser.h"
#include "tools/expert-tree/LowerBounds.h"
#include "tools/expert-tree/TaskPool.h"

#include <algorithm>
#include <optional>

using RelabellingGroup::Group;
using ScoreCodes::kCodes;
using ScoreCodes::kNumbers;
using ScoreCodes::kWinCode;

namespace {
// Nodes this shallow and this large search the parts after each guess on the pool.
constexpr int kParallelDepth = 2;
constexpr std::size_t kParallelSize = 100;

// Score codes of every guess against every number, row by guess.
const std::vector<std::uint8_t> &codeTable()
{
    static const std::vector<std::uint8_t> table = [] {
        const auto &numbers = ScoreCodes::packedNumbers();
        std::vector<std::uint8_t> codes(std::size_t(kNumbers) * kNumbers);
        for (int guess = 0; guess < kNumbers; ++guess) {
            for (int secret = 0; secret < kNumbers; ++secret)
                codes[std::size_t(guess) * kNumbers + secret] = std::uint8_t(ScoreCodes::codeBetween(numbers[guess], numbers[secret]));
        }
        return codes;
    }();
    return table;
}

long computeLeastCost(long n, int left)
{
    long total = 0, atThisGuess = 1;
    for (int guess = 1; n > 0; ++guess) {
        if (guess > left)
            return TreeSearch::kInfinite;
        const long found = std::min(n, atThisGuess);
        total += found * guess;
        n -= found;
        atThisGuess *= 13;
    }
    return total;
}

const std::vector<long> &leastCosts() // by left * (kNumbers + 1) + n
{
    static const std::vector<long> table = [] {
        std::vector<long> costs;
        for (int left = 0; left <= TreeSearch::kMostGuesses; ++left) {
            for (long n = 0; n <= kNumbers; ++n)
                costs.push_back(computeLeastCost(n, left));
        }
        return costs;
    }();
    return table;
}

const std::vector<int> &allNumbers()
{
    static const std::vector<int> numbers = [] {
        std::vector<int> all(kNumbers);
        for (int i = 0; i < kNumbers; ++i)
            all[i] = i;
        return all;
    }();
    return numbers;
}

template<typename Option>
bool ratedHigher(const Option &a, const Option &b)
{
    return a.rating != b.rating ? a.rating > b.rating : a.guess < b.guess;
}

std::unique_ptr<TreeSearch::Node> leafFor(int guess)
{
    auto node = std::make_unique<TreeSearch::Node>();
    node->guess = guess;
    return node;
}
} // namespace

TreeSearch::TreeSearch(Options options, TaskPool &pool)
    : m_options(std::move(options)), m_pool(pool)
{
    codeTable();
    leastCosts();
}

long TreeSearch::leastCost(long n, int left)
{
    if (left < 0)
        return n > 0 ? kInfinite : 0;
    return leastCosts()[std::size_t(left) * (kNumbers + 1) + std::size_t(n)];
}

int TreeSearch::codeAt(int guess, int secret)
{
    return codeTable()[std::size_t(guess) * kNumbers + secret];
}

const std::uint8_t *TreeSearch::codesOf(int guess)
{
    return &codeTable()[std::size_t(guess) * kNumbers];
}

std::array<TreeSearch::Set, kCodes> TreeSearch::partsOf(const Set &set, int guess)
{
    std::array<Set, kCodes> parts;
    const std::uint8_t *codes = codesOf(guess);
    for (std::uint16_t secret : set)
        parts[codes[secret]].push_back(secret);
    return parts;
}

// Every guess worth trying on the set, one per orbit of the group and one per split (the lowest
// index of each), the best `width` of them first in order of rating.
std::vector<TreeSearch::Option> TreeSearch::optionsFor(const Set &set, int left, const Group &group,
                                                       std::size_t width) const
{
    std::vector<Option> options;
    const int n = static_cast<int>(set.size());
    // Splits seen so far, in an open-addressing table: guesses come in increasing index order.
    std::vector<std::uint64_t> seen(16384, 0);
    const std::size_t seenMask = seen.size() - 1;
    const std::vector<int> &guesses = group.size() > 1 ? RelabellingGroup::orbitLeaders(group) : allNumbers();
    // Only where every number is tried: an orbit's leader need not be its lowest renaming.
    std::optional<DigitClasses> classes;
    if (m_options.setSymmetry && group.size() <= 1)
        classes.emplace(set);
    for (int guess : guesses) {
        if (classes && !classes->isLowestRenaming(guess))
            continue;
        const std::uint8_t *row = &codeTable()[std::size_t(guess) * kNumbers];
        OneStepGuesser::ScoreCounts counts{};
        std::uint64_t split = 1469598103934665603ull;
        for (std::uint16_t secret : set) {
            const int code = row[secret];
            ++counts[code];
            split = (split ^ std::uint64_t(code)) * 1099511628211ull;
        }
        split |= 1; // never the empty slot
        std::size_t slot = (split >> 20) & seenMask;
        while (seen[slot] != 0 && seen[slot] != split)
            slot = (slot + 1) & seenMask;
        if (seen[slot] == split)
            continue; // split like a guess already taken
        seen[slot] = split;
        long bound = n;
        int largest = 0;
        for (int code = 0; code < kWinCode; ++code) {
            bound += leastCost(counts[code], left - 1);
            largest = std::max(largest, counts[code]);
        }
        if (largest == n || bound >= kInfinite)
            continue; // learns nothing, or too late
        options.push_back({OneStepGuesser::rating(counts, n, m_options.bonus), bound, guess, largest <= 2});
    }
    const std::size_t first = std::min(width, options.size());
    std::partial_sort(options.begin(), options.begin() + std::ptrdiff_t(first), options.end(), ratedHigher<Option>);
    return options;
}

TreeSearch::Outcome TreeSearch::solve(const Set &set, int madeGuesses, long beta, const Group &group) const
{
    return search(set, madeGuesses, beta, group, nullptr);
}

TreeSearch::Outcome TreeSearch::search(const Set &set, int madeGuesses, long beta, const Group &group,
                                       const Stop *stop) const
{
    const long n = static_cast<long>(set.size());
    const int left = kMostGuesses - madeGuesses;
    const long least = leastCost(n, left);
    if (least >= kInfinite)
        return {kInfinite, nullptr};
    if (least >= beta)
        return {least, nullptr};
    if (n <= 2)
        return {least, nullptr};

    const std::vector<int> &widths = m_options.widths;
    const std::size_t width = n <= m_options.everyGuessUpTo
        ? std::size_t(kNumbers)
        : std::size_t(widths[std::min<std::size_t>(madeGuesses, widths.size() - 1)]);
    std::vector<Option> options = optionsFor(set, left, group, width);
    if (madeGuesses == 1 && m_options.secondGuess >= 0)
        std::erase_if(options, [&](const Option &option) { return option.guess != m_options.secondGuess; });
    Outcome best;
    auto improve = [&](long cost, std::unique_ptr<Node> node) {
        best.cost = cost;
        best.node = std::move(node);
        if (madeGuesses <= 2 && m_options.onImproved)
            m_options.onImproved(set, madeGuesses, best);
    };
    // A guess that leaves parts of at most two costs exactly its bound: the best such is a start.
    for (const Option &option : options) {
        if (option.smallParts && option.bound < best.cost)
            improve(option.bound, leafFor(option.guess));
    }
    bool infeasibleOnly = true;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (best.cost <= least)
            break;
        if (stop && stop->requested())
            return {kInfinite, nullptr};
        // Beyond the width only a part whose every guess so far would need an eighth goes on.
        if (i >= width && (best.cost < kInfinite || !infeasibleOnly))
            break;
        if (i == width)
            std::sort(options.begin() + std::ptrdiff_t(width), options.end(), ratedHigher<Option>);
        const Option &option = options[i];
        const long limit = std::min(best.cost, beta);
        if (option.smallParts)
            continue;
        if (option.bound >= limit) {
            infeasibleOnly = false;
            continue;
        }
        Trial trial = tryOption(set, option, madeGuesses, limit, group, infeasibleOnly && best.cost >= kInfinite, stop);
        if (trial.failed)
            infeasibleOnly = infeasibleOnly && trial.failure.cost >= kInfinite;
        else if (trial.cost < best.cost)
            improve(trial.cost, std::move(trial.node));
    }
    if (best.cost >= beta)
        return {best.cost < kInfinite || !infeasibleOnly ? std::max(best.cost, beta) : kInfinite, nullptr};
    return best;
}

TreeSearch::Trial TreeSearch::tryOption(const Set &set, const Option &option, int madeGuesses, long limit,
                                        const Group &group, bool needFailureCost, const Stop *stop,
                                        bool allowAtOnce) const
{
    const int left = kMostGuesses - madeGuesses;
    std::array<Set, kCodes> parts = partsOf(set, option.guess);
    std::vector<int> order; // the parts left to search, largest first
    for (int code = 0; code < kWinCode; ++code) {
        if (parts[code].size() > 2)
            order.push_back(code);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return parts[a].size() > parts[b].size(); });
    const Group fixed = order.empty() ? Group() : RelabellingGroup::fixing(group, option.guess);
    // The least each part can cost: its count bound, or looked ahead on large nodes.
    std::array<long, kCodes> partLeast{};
    long least = option.bound;
    const bool deep = m_options.deepBoundsFrom > 0 && long(set.size()) >= m_options.deepBoundsFrom;
    for (int code : order) {
        partLeast[code] = leastCost(long(parts[code].size()), left - 1);
        if (deep) {
            const long bound = LowerBounds::of(parts[code], madeGuesses + 1, 1, fixed);
            least = std::min(kInfinite, least + std::max(bound, partLeast[code]) - partLeast[code]);
            partLeast[code] = std::max(bound, partLeast[code]);
        }
    }
    Trial trial;
    if (least >= limit) {
        trial.failed = true;
        trial.failure.cost = least;
        return trial;
    }

    // Near the root every part is searched at once, each as if the others cost their least.
    // A part that fails even so fails the guess, and the others stop.
    const bool atOnce = allowAtOnce && madeGuesses <= kParallelDepth && set.size() >= kParallelSize
        && order.size() >= 2 && m_pool.threads() > 1;
    std::array<Outcome, kCodes> found;
    std::array<long, kCodes> foundBeta{};
    if (atOnce) {
        Stop partsStop;
        partsStop.outer = stop;
        std::vector<std::function<void()>> tasks;
        for (int code : order) {
            foundBeta[code] = limit - (least - partLeast[code]);
            tasks.push_back([&, code] {
                found[code] = search(parts[code], madeGuesses + 1, foundBeta[code], fixed, &partsStop);
                if (found[code].cost >= foundBeta[code])
                    partsStop.now = true;
            });
        }
        m_pool.runAll(tasks);
        if (partsStop.now) {
            // Where the failure lies, and its cost, only a search part by part tells.
            if (needFailureCost && !(stop && stop->requested()))
                return tryOption(set, option, madeGuesses, limit, group, needFailureCost, stop, false);
            trial.failed = true;
            trial.failure.cost = limit;
            return trial;
        }
    }

    trial.cost = least;
    trial.node = leafFor(option.guess);
    for (int code : order) {
        const long partBeta = limit - (trial.cost - partLeast[code]);
        Outcome part = atOnce ? std::move(found[code]) : search(parts[code], madeGuesses + 1, partBeta, fixed, stop);
        // A part that fails under its own limit may fail differently under a wider one; the caller
        // needs the cost exactly as the narrow search gives it only while nothing was found.
        if (atOnce && part.cost >= partBeta && needFailureCost && partBeta < foundBeta[code])
            part = search(parts[code], madeGuesses + 1, partBeta, fixed, stop);
        if (part.cost >= partBeta) {
            trial.failed = true;
            trial.failure = std::move(part);
            return trial;
        }
        trial.cost += part.cost - partLeast[code];
        trial.node->children[code] = std::move(part.node);
    }
    return trial;
}
