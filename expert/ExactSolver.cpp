// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/ExactSolver.h"

#include "expert/DigitClasses.h"
#include "expert/ScoreCodes.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {
using ScoreCodes::kCodes;
using ScoreCodes::kNumbers;
using ScoreCodes::kWinCode;
using Counts = std::array<int, kCodes>;

// Orders the guesses that achieve the same total: a possible secret first, then the lowest index.
int tieKey(int guess, bool possibleSecret)
{
    return (possibleSecret ? 0 : kNumbers) + guess;
}

struct Option {
    long bound; // the total if every part took its fewest guesses
    int key;
    int guess;
};

std::array<ExactSolver::Set, kCodes> partsOf(const ExactSolver::Set &set, int guess)
{
    const auto &numbers = ScoreCodes::packedNumbers();
    std::array<ExactSolver::Set, kCodes> parts;
    for (std::uint16_t secret : set)
        parts[ScoreCodes::codeBetween(numbers[guess], numbers[secret])].push_back(secret);
    return parts;
}
} // namespace

namespace {
long computeLeastTotal(long n)
{
    if (n <= 14)
        return n > 0 ? 2 * n - 1 : 0; // one found at the first guess, the others at the second
    long total = 0, atThisGuess = 1;
    for (int guess = 1; n > 0; ++guess) {
        const long found = std::min(n, atThisGuess);
        total += found * guess;
        n -= found;
        atThisGuess *= 13;
    }
    return total;
}

// Asked for every score of every guess the searches try: looked up for the sets they solve.
const std::array<long, ExactSolver::kLargestSet + 1> kLeastTotals = [] {
    std::array<long, ExactSolver::kLargestSet + 1> totals{};
    for (long n = 0; n <= ExactSolver::kLargestSet; ++n)
        totals[n] = computeLeastTotal(n);
    return totals;
}();
} // namespace

long ExactSolver::leastTotal(long n)
{
    return n >= 0 && n <= kLargestSet ? kLeastTotals[n] : computeLeastTotal(n);
}

namespace {
// leastTotal for the parts of a set solved here, which are never larger than the set.
inline long leastOfPart(std::size_t n)
{
    return kLeastTotals[n];
}

// The fewest guesses in all that a guess that cannot be the secret could need for n secrets: at
// best its 13 other scores split them as evenly as they can be split.
long leastWithoutWinning(long n)
{
    long total = n;
    for (int code = 0; code < kWinCode; ++code)
        total += leastOfPart(std::size_t((n + kWinCode - 1 - code) / kWinCode));
    return total;
}
} // namespace

std::size_t ExactSolver::SetHash::operator()(const Set &set) const
{
    std::size_t hash = 1469598103934665603ull;
    for (std::uint16_t secret : set)
        hash = (hash ^ secret) * 1099511628211ull;
    return hash;
}

ExactSolver::Play ExactSolver::best(const Set &set)
{
    return solve(set, kUnlimited).play;
}

long ExactSolver::totalWith(int guess, const Set &set, long limit)
{
    std::array<Set, kCodes> parts = partsOf(set, guess);
    std::sort(parts.begin(), parts.begin() + kWinCode, [](const Set &a, const Set &b) { return a.size() > b.size(); });
    long total = static_cast<long>(set.size());
    for (int code = 0; code < kWinCode; ++code)
        total += leastOfPart(parts[code].size());
    for (int code = 0; code < kWinCode && parts[code].size() > 2 && total <= limit; ++code) {
        const long least = leastOfPart(parts[code].size());
        total += solve(parts[code], limit - total + least + 1).play.total - least;
    }
    return total;
}

// Every guess is scored against the set; one that leaves only parts of one or two secrets costs
// exactly its bound, the others are evaluated in order of bound until no bound can beat the best.
ExactSolver::Known ExactSolver::solve(const Set &set, long beta)
{
    const long n = static_cast<long>(set.size());
    if (n <= 2)
        return {{2 * n - 1, set.front()}, true};
    const long least = leastTotal(n);
    if (least >= beta)
        return {{least, set.front()}, false};
    const auto found = m_known.find(set);
    if (found != m_known.end() && (found->second.exact || found->second.play.total >= beta))
        return found->second;

    const auto &numbers = ScoreCodes::packedNumbers();
    std::array<ScoreCodes::PackedNumber, kLargestSet> secrets{};
    for (long i = 0; i < n; ++i)
        secrets[i] = numbers[set[i]];

    Play best{kUnlimited, 0};
    int bestKey = 2 * kNumbers;
    auto better = [&](long total, int key) { return total < best.total || (total == best.total && key < bestKey); };
    std::vector<Option> options;
    std::optional<DigitClasses> classes; // wanted only when numbers other than the set's are scored
    // Scores the guesses from `at` to `end` (the set's own secrets, then the other numbers) and
    // evaluates those whose bound could still win, in order of bound. True when a possible secret
    // reached the fewest guesses there are, which ends the search.
    auto search = [&](long at, long end) {
        options.clear();
        for (; at < end; ++at) {
            const int guess = at < n ? set[at] : int(at - n);
            if (at >= n && (std::binary_search(set.begin(), set.end(), std::uint16_t(guess))
                            || !classes->isLowestRenaming(guess)))
                continue;
            Counts counts{};
            for (long i = 0; i < n; ++i)
                ++counts[ScoreCodes::codeBetween(numbers[guess], secrets[i])];
            long bound = n;
            int largest = 0;
            for (int code = 0; code < kWinCode; ++code) {
                bound += leastOfPart(std::size_t(counts[code]));
                largest = std::max(largest, counts[code]);
            }
            if (largest == n || bound >= beta)
                continue; // tells nothing, or cannot matter
            const bool possibleSecret = counts[kWinCode] > 0;
            const int key = tieKey(guess, possibleSecret);
            if (largest > 2) {
                // The best only gets better: what cannot beat it now never will.
                if (better(bound, key))
                    options.push_back({bound, key, guess});
            } else if (better(bound, key)) {
                best = {bound, guess}; // parts of one or two take exactly their fewest guesses
                bestKey = key;
                if (bound == least && possibleSecret)
                    return true; // nothing does better, and a tie among possible secrets comes at a higher index
            }
        }
        std::sort(options.begin(), options.end(), [](const Option &a, const Option &b) {
            return a.bound != b.bound ? a.bound < b.bound : a.key < b.key;
        });
        for (const Option &option : options) {
            if (!better(option.bound, option.key) || option.bound >= beta)
                break; // the later ones have larger bounds, or the same bound and a later key
            const long limit = std::min(option.key < bestKey ? best.total : best.total - 1, beta - 1);
            const long total = totalWith(option.guess, set, limit);
            if (total <= limit && better(total, option.key)) {
                best = {total, option.guess};
                bestKey = option.key;
            }
        }
        return false;
    };
    // The possible secrets first. The other numbers come after them in the order of ties, so they
    // are scored only when one of them could still do better: often none can.
    if (!search(0, n) && leastWithoutWinning(n) < std::min(best.total, beta)) {
        classes.emplace(set);
        search(n, n + kNumbers);
    }
    const Known known = best.total < beta ? Known{best, true} : Known{{beta, set.front()}, false};
    m_known.insert_or_assign(set, known);
    return known;
}
