// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/expert-tree/PartSolver.h"

#include "expert/DigitClasses.h"

#include <algorithm>
#include <bitset>
#include <cstring>
#include <unordered_set>

using ScoreCodes::kCodes;
using ScoreCodes::kNumbers;
using ScoreCodes::kWinCode;

namespace {
constexpr int kMostBranching = kWinCode;
constexpr std::size_t kMostGroupsKept = 4096;
// Parts at least this large are bounded one guess ahead before the parts of their guess are searched.
constexpr long kLookAheadFrom = 40;

// The split of the set by a guess, up to the names of its scores: each secret's part numbered in
// the order the parts first appear, the guess itself (4-0) apart. Guesses with the same split
// cost the same.
std::string splitOf(const TreeSearch::Set &set, int guess)
{
    std::string split(set.size(), '\0');
    std::array<char, kCodes> names{};
    char next = 1;
    const std::uint8_t *codes = TreeSearch::codesOf(guess);
    for (std::size_t i = 0; i < set.size(); ++i) {
        const int code = codes[set[i]];
        if (code == kWinCode)
            split[i] = char(127);
        else
            split[i] = names[code] ? names[code] : (names[code] = next++);
    }
    return split;
}
} // namespace

long PartSolver::leastWithoutWinning(long n, int left, int branching)
{
    // No split of n secrets into `branching` parts costs less than the most even one.
    long total = n;
    for (int part = 0; part < branching; ++part)
        total = std::min(kInfinite, total + leastCost((n + branching - 1 - part) / branching, left - 1, branching));
    return total;
}

PartSolver::PartSolver(SetMemo &memo, std::size_t smallSet)
    : m_memo(memo), m_smallSet(smallSet)
{
}

long PartSolver::leastCost(long n, int left, int branching)
{
    long total = 0, atThisGuess = 1;
    for (int guess = 1; n > 0; ++guess) {
        if (guess > left || atThisGuess == 0)
            return kInfinite;
        const long found = std::min(n, atThisGuess);
        total += found * guess;
        n -= found;
        atThisGuess = std::min(atThisGuess * branching, long(kNumbers));
    }
    return total;
}

long PartSolver::solve(const Set &set, int madeGuesses, long beta, const Group &group)
{
    return search(set, TreeSearch::kMostGuesses - madeGuesses, beta, group, kMostBranching);
}

long PartSolver::solveWith(int guess, const Set &set, int madeGuesses, long beta, const Group &group)
{
    int branching = kMostBranching, widest = 0;
    long unused = kInfinite;
    optionsFor(set, TreeSearch::kMostGuesses - madeGuesses, 0, group, Guesses::All, branching, widest, unused);
    return evaluate(set, guess, TreeSearch::kMostGuesses - madeGuesses, beta, group, branching);
}

const std::vector<int> &PartSolver::guessesFor(const Set &set, const Group &group)
{
    if (group.size() > 1) {
        std::string key(group.size() * sizeof(RelabellingGroup::Symmetry), '\0');
        std::memcpy(key.data(), group.data(), key.size());
        auto found = m_leaders.find(key);
        if (found == m_leaders.end()) {
            if (m_leaders.size() >= kMostGroupsKept)
                m_leaders.clear();
            found = m_leaders.emplace(std::move(key), RelabellingGroup::orbitLeaders(group)).first;
        }
        return found->second;
    }
    // No relabelling fixes the guesses so far: of the guesses that rename digits the set cannot
    // tell apart, one.
    const DigitClasses classes(set);
    m_scratch.clear();
    for (int guess = 0; guess < kNumbers; ++guess) {
        if (classes.isLowestRenaming(guess))
            m_scratch.push_back(guess);
    }
    return m_scratch;
}

std::vector<PartSolver::Option> PartSolver::optionsFor(const Set &set, int left, long beta, const Group &group,
                                                       Guesses which, int &branching, int &widest, long &leastLeftOut)
{
    const long n = long(set.size());
    std::bitset<kNumbers> inSet;
    for (std::uint16_t secret : set)
        inSet.set(secret);
    struct Scored {
        int guess;
        std::array<int, kCodes> counts;
    };
    std::vector<Scored> scored;
    for (int guess : guessesFor(set, group)) {
        if (which != Guesses::All && inSet.test(std::size_t(guess)) != (which == Guesses::PossibleSecrets))
            continue;
        Scored entry{guess, {}};
        const std::uint8_t *codes = TreeSearch::codesOf(guess);
        for (std::uint16_t secret : set)
            ++entry.counts[codes[secret]];
        int parts = 0, largest = 0;
        for (int code = 0; code < kWinCode; ++code) {
            parts += entry.counts[code] > 0 ? 1 : 0;
            largest = std::max(largest, entry.counts[code]);
        }
        widest = std::max(widest, parts);
        if (largest < n)
            scored.push_back(entry);
    }
    // The widest split of the set is known once every guess has been scored.
    if (which != Guesses::PossibleSecrets)
        branching = std::min(branching, std::max(widest, 1));

    std::vector<Option> options;
    std::unordered_set<std::string> splits;
    for (const Scored &entry : scored) {
        long bound = n;
        for (int code = 0; code < kWinCode; ++code)
            bound = std::min(kInfinite, bound + leastCost(entry.counts[code], left - 1, branching));
        if (bound >= beta) {
            leastLeftOut = std::min(leastLeftOut, bound);
            continue;
        }
        if (!splits.insert(splitOf(set, entry.guess)).second)
            continue;
        options.push_back({bound, inSet.test(std::size_t(entry.guess)), entry.guess});
    }
    std::sort(options.begin(), options.end(), [](const Option &a, const Option &b) {
        if (a.bound != b.bound)
            return a.bound < b.bound;
        return a.possibleSecret != b.possibleSecret ? a.possibleSecret : a.guess < b.guess;
    });
    return options;
}

long PartSolver::search(const Set &set, int left, long beta, const Group &group, int branching)
{
    if (m_visitLimit >= 0 && m_visits >= m_visitLimit)
        m_stop = true;
    if (stopped())
        return kInfinite;
    ++m_visits;
    const long n = long(set.size());
    long least = leastCost(n, left, branching);
    if (least >= beta || n <= 2)
        return least;
    const RelabellingGroup::Canonical canonical = RelabellingGroup::canonicalForm(set, group);
    if (const std::optional<SetMemo::Entry> known = m_memo.find(left, canonical.set)) {
        if (known->exact || known->value >= beta)
            return known->value;
        least = std::max(least, known->value);
    }
    // A small set is solved exactly whatever is asked, once.
    const bool small = n <= long(m_smallSet);
    const long target = small ? kInfinite : beta;
    long best = kInfinite;
    long lowest = kInfinite; // the least cost any guess tried might still have
    int bestGuess = -1;
    int widest = 0;
    auto tryOptions = [&](const std::vector<Option> &options, int own) {
        for (const Option &option : options) {
            const long limit = std::min(best, target);
            if (option.bound >= limit) {
                lowest = std::min(lowest, option.bound); // and the later ones' bounds are no lower
                break;
            }
            ++m_depth;
            const long cost = evaluate(set, option.guess, left, limit, group, own);
            --m_depth;
            if (stopped())
                return;
            if (m_depth == 0 && m_progress)
                m_progress(option.guess, option.bound, cost, limit);
            if (cost < limit) {
                best = cost;
                bestGuess = option.guess;
            } else {
                lowest = std::min(lowest, cost);
            }
        }
    };
    if (small) {
        // The possible secrets first; the other numbers, scored only where one of them could
        // still beat them (often none can), come after them among equals anyway.
        tryOptions(optionsFor(set, left, target, group, Guesses::PossibleSecrets, branching, widest, lowest), branching);
        const long reach = leastWithoutWinning(n, left, branching);
        if (reach < std::min(best, target) && !stopped()) {
            int own = branching;
            const std::vector<Option> others
                = optionsFor(set, left, std::min(best, target), group, Guesses::Others, own, widest, lowest);
            tryOptions(others, own);
        } else {
            lowest = std::min(lowest, reach);
        }
    } else {
        int own = branching;
        const std::vector<Option> options = optionsFor(set, left, target, group, Guesses::All, own, widest, lowest);
        tryOptions(options, own);
    }
    if (stopped())
        return kInfinite;
    SetMemo::Entry entry;
    if (best < target) {
        entry = {best, true, canonical.symmetry < 0 ? bestGuess : group[std::size_t(canonical.symmetry)].apply(bestGuess)};
    } else {
        entry = {std::max(least, lowest), false, -1};
    }
    m_memo.store(left, canonical.set, entry);
    return entry.value;
}

long PartSolver::evaluate(const Set &set, int guess, int left, long limit, const Group &group, int branching)
{
    const std::array<Set, kCodes> parts = TreeSearch::partsOf(set, guess);
    std::array<long, kCodes> partLeast{};
    std::vector<int> order; // the parts left to search, largest first
    long least = long(set.size());
    for (int code = 0; code < kWinCode; ++code) {
        partLeast[code] = leastCost(long(parts[code].size()), left - 1, branching);
        least = std::min(kInfinite, least + partLeast[code]);
        if (parts[code].size() > 2)
            order.push_back(code);
    }
    if (least >= limit)
        return least;
    const Group fixed = order.empty() ? Group() : RelabellingGroup::fixing(group, guess);
    // What the memo knows of the parts tightens their bounds before any is searched; a large part
    // it knows nothing of is bounded by looking one guess ahead, which the memo then keeps.
    for (int code : order) {
        const RelabellingGroup::Canonical canonical = RelabellingGroup::canonicalForm(parts[code], fixed);
        std::optional<SetMemo::Entry> known = m_memo.find(left - 1, canonical.set);
        if (!known && long(parts[code].size()) >= kLookAheadFrom && least < limit) {
            int own = branching, widest = 0;
            long ahead = kInfinite;
            optionsFor(parts[code], left - 1, 0, fixed, Guesses::All, own, widest, ahead);
            known = SetMemo::Entry{ahead, false, -1};
            m_memo.store(left - 1, canonical.set, *known);
        }
        if (known && known->value > partLeast[code]) {
            least = std::min(kInfinite, least + known->value - partLeast[code]);
            partLeast[code] = known->value;
        }
    }
    if (least >= limit)
        return least;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return parts[a].size() > parts[b].size(); });
    long cost = least;
    for (int code : order) {
        const long others = cost - partLeast[code];
        const long value = search(parts[code], left - 1, limit - others, fixed, branching);
        if (stopped())
            return kInfinite;
        if (value >= limit - others)
            return std::min(kInfinite, others + value);
        cost = others + value;
    }
    return cost;
}

std::unique_ptr<TreeSearch::Node> PartSolver::treeFor(const Set &set, int madeGuesses, const Group &group)
{
    const int left = TreeSearch::kMostGuesses - madeGuesses;
    if (set.size() <= 2)
        return nullptr;
    const RelabellingGroup::Canonical canonical = RelabellingGroup::canonicalForm(set, group);
    std::optional<SetMemo::Entry> known = m_memo.find(left, canonical.set);
    if (!known || !known->exact) {
        search(set, left, kInfinite, group, kMostBranching);
        known = m_memo.find(left, canonical.set);
    }
    if (!known || !known->exact)
        return nullptr;
    const int guess = canonical.symmetry < 0
        ? known->guess
        : RelabellingGroup::inverse(group[std::size_t(canonical.symmetry)]).apply(known->guess);
    return treeWith(guess, set, madeGuesses, group);
}

std::unique_ptr<TreeSearch::Node> PartSolver::treeWith(int guess, const Set &set, int madeGuesses, const Group &group)
{
    auto node = std::make_unique<TreeSearch::Node>();
    node->guess = guess;
    const std::array<Set, kCodes> parts = TreeSearch::partsOf(set, guess);
    const Group fixed = RelabellingGroup::fixing(group, guess);
    for (int code = 0; code < kWinCode; ++code) {
        if (parts[code].size() > 2)
            node->children[code] = treeFor(parts[code], madeGuesses + 1, fixed);
    }
    return node;
}
