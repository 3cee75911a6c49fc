// make-expert-tree [--widths W1,W2,...] [--every-guess-up-to N] [--bonus B] [--threads N] [--only H-B,...]
//                  [--out FILE]
//
// Builds the expert player's decision tree offline and writes it in its packed form (by default to
// resources/expert/decision-tree.bin, relative to the working directory: run it from the source
// folder). The defaults rebuild the tree the game ships. With --only it searches just the parts after
// the first guess that scored so (such as 0-2,1-1), prints what each needs and writes nothing: the
// parts are independent, so options can be tried on one part at a time.
//
// The first guess is 0123 (every first guess is the same up to relabelling). At every later node
// the tool rates the guesses on the node's candidates (entropy of the split plus B bits for a
// possible secret), one per class of guesses that a relabelling fixing the guesses so far maps
// onto each other, and one per split of the candidates. It keeps the best W of them (W by depth:
// the second guess keeps W1, the third W2, ...; every guess on sets of at most N candidates) and
// evaluates each exactly, depth first, pruned by lower bounds: with k guesses in hand at most 1,
// 13, 169, ... secrets can be found at the 1st, 2nd, 3rd, ... of them. Branches that would need an
// eighth guess are refused. The search makes no random choices: the same options always give the
// same tree, whatever the number of threads.
#include "expert/DecisionTree.h"
#include "expert/OneStepGuesser.h"
#include "expert/ScoreCodes.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {
using ScoreCodes::kCodes;
using ScoreCodes::kNumbers;
using ScoreCodes::kWinCode;

constexpr int kMostGuesses = 7;
constexpr long kInfinite = 1L << 40;

using Set = std::vector<std::uint16_t>;

// Score codes of every guess against every number, row by guess.
std::vector<std::uint8_t> g_codes;
std::vector<int> g_widths;
double g_bonus = OneStepGuesser::kCandidateBonus;
long g_everyGuessUpTo = 250; // sets this small try every guess

int codeAt(int guess, int secret)
{
    return g_codes[std::size_t(guess) * kNumbers + secret];
}

// The fewest guesses in all that can find n secrets with `left` guesses in hand, counting each
// secret's guesses from the next one; kInfinite when they cannot all be found in time.
long computeLeastCost(long n, int left)
{
    long total = 0, atThisGuess = 1;
    for (int guess = 1; n > 0; ++guess) {
        if (guess > left)
            return kInfinite;
        const long found = std::min(n, atThisGuess);
        total += found * guess;
        n -= found;
        atThisGuess *= 13;
    }
    return total;
}

std::vector<long> g_leastCosts; // by left * (kNumbers + 1) + n

long leastCost(long n, int left)
{
    if (left < 0)
        return n > 0 ? kInfinite : 0;
    return g_leastCosts[std::size_t(left) * (kNumbers + 1) + std::size_t(n)];
}

void computeLeastCosts()
{
    g_leastCosts.resize(std::size_t(kMostGuesses + 1) * (kNumbers + 1));
    for (int left = 0; left <= kMostGuesses; ++left) {
        for (long n = 0; n <= kNumbers; ++n)
            g_leastCosts[std::size_t(left) * (kNumbers + 1) + std::size_t(n)] = computeLeastCost(n, left);
    }
}

const std::vector<NumberSet> &numbers()
{
    static const std::vector<NumberSet> table = [] {
        std::vector<NumberSet> all(kNumbers);
        for (int i = 0; i < kNumbers; ++i)
            all[i] = ScoreCodes::numberAt(i);
        return all;
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

struct Symmetry {
    std::array<std::int8_t, 10> digits;
    std::array<std::int8_t, 4> positions;

    int apply(int index) const
    {
        const NumberSet &number = numbers()[index];
        NumberSet moved{};
        for (int p = 0; p < 4; ++p)
            moved[positions[p]] = digits[number[p]];
        return ScoreCodes::indexOf(moved);
    }
};
using Group = std::vector<Symmetry>;

Group fixing(const Group &group, int guess)
{
    Group kept;
    for (const Symmetry &symmetry : group) {
        if (symmetry.apply(guess) == guess)
            kept.push_back(symmetry);
    }
    return kept;
}

// One guess of each orbit of the group, the lowest index of it.
std::vector<int> orbitLeaders(const Group &group)
{
    std::vector<int> leaders;
    std::vector<bool> seen(kNumbers, false);
    for (int guess = 0; guess < kNumbers; ++guess) {
        if (seen[guess])
            continue;
        leaders.push_back(guess);
        for (const Symmetry &symmetry : group)
            seen[symmetry.apply(guess)] = true;
    }
    return leaders;
}

// The relabellings that fix 0123: positions and the digits 0 to 3 move together, 4 to 9 freely.
Group groupAfterFirstGuess()
{
    Group group;
    std::array<std::int8_t, 4> positions{0, 1, 2, 3};
    do {
        std::array<std::int8_t, 6> high{4, 5, 6, 7, 8, 9};
        do {
            Symmetry symmetry{};
            for (int d = 0; d < 4; ++d)
                symmetry.digits[d] = positions[d];
            for (int d = 0; d < 6; ++d)
                symmetry.digits[4 + d] = high[d];
            symmetry.positions = positions;
            group.push_back(symmetry);
        } while (std::next_permutation(high.begin(), high.end()));
    } while (std::next_permutation(positions.begin(), positions.end()));
    return group;
}

struct TreeNode {
    int guess = 0;
    std::unique_ptr<TreeNode> children[DecisionTree::kBranches];
};

struct Outcome {
    long cost = kInfinite;
    std::unique_ptr<TreeNode> node; // null for sets of one or two candidates
};

struct Option {
    double rating;
    long bound;
    int guess;
    bool smallParts; // every part holds at most two candidates: the bound is the exact cost
    std::uint64_t split;
};

bool ratedHigher(const Option &a, const Option &b)
{
    return a.rating != b.rating ? a.rating > b.rating : a.guess < b.guess;
}

// Every guess worth trying on the set, one per orbit of the group and one per split (the lowest
// index of each), the best `width` of them first in order of rating.
std::vector<Option> optionsFor(const Set &set, int left, const Group &group, std::size_t width)
{
    std::vector<Option> options;
    const int n = static_cast<int>(set.size());
    // Splits seen so far, in an open-addressing table: guesses come in increasing index order.
    std::vector<std::uint64_t> seen(16384, 0);
    const std::size_t seenMask = seen.size() - 1;
    const std::vector<int> &guesses = group.size() > 1 ? orbitLeaders(group) : allNumbers();
    for (int guess : guesses) {
        const std::uint8_t *row = &g_codes[std::size_t(guess) * kNumbers];
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
        options.push_back({OneStepGuesser::rating(counts, n, g_bonus), bound, guess, largest <= 2, split});
    }
    const std::size_t first = std::min(width, options.size());
    std::partial_sort(options.begin(), options.begin() + std::ptrdiff_t(first), options.end(), ratedHigher);
    return options;
}

std::array<Set, kCodes> partsOf(const Set &set, int guess)
{
    std::array<Set, kCodes> parts;
    for (std::uint16_t secret : set)
        parts[codeAt(guess, secret)].push_back(secret);
    return parts;
}

std::unique_ptr<TreeNode> leafFor(int guess)
{
    auto node = std::make_unique<TreeNode>();
    node->guess = guess;
    return node;
}

// The cheapest tree found for `set` with `madeGuesses` guesses made, when it costs less than
// `beta`; otherwise an outcome whose cost is at least beta.
Outcome solve(const Set &set, int madeGuesses, long beta, const Group &group)
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

    const std::size_t width = n <= g_everyGuessUpTo ? std::size_t(kNumbers)
        : std::size_t(g_widths[std::min<std::size_t>(madeGuesses, g_widths.size() - 1)]);
    std::vector<Option> options = optionsFor(set, left, group, width);
    Outcome best;
    best.cost = kInfinite;
    // A guess that leaves parts of at most two costs exactly its bound: the best such is a start.
    for (const Option &option : options) {
        if (option.smallParts && option.bound < best.cost) {
            best.cost = option.bound;
            best.node = leafFor(option.guess);
        }
    }
    bool infeasibleOnly = true;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (best.cost <= least)
            break;
        // Beyond the width only a part whose every guess so far would need an eighth goes on.
        if (i >= width && (best.cost < kInfinite || !infeasibleOnly))
            break;
        if (i == width)
            std::sort(options.begin() + std::ptrdiff_t(width), options.end(), ratedHigher);
        const Option &option = options[i];
        const long limit = std::min(best.cost, beta);
        if (option.smallParts)
            continue;
        if (option.bound >= limit) {
            infeasibleOnly = false;
            continue;
        }
        std::array<Set, kCodes> parts = partsOf(set, option.guess);
        std::array<int, kWinCode> order;
        for (int code = 0; code < kWinCode; ++code)
            order[code] = code;
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return parts[a].size() > parts[b].size(); });
        long running = option.bound;
        auto node = leafFor(option.guess);
        std::optional<Group> fixed;
        bool failed = false;
        for (int code : order) {
            if (parts[code].size() <= 2)
                continue;
            const long partLeast = leastCost(long(parts[code].size()), left - 1);
            const long partBeta = limit - (running - partLeast);
            if (!fixed)
                fixed = fixing(group, option.guess);
            Outcome part = solve(parts[code], madeGuesses + 1, partBeta, *fixed);
            if (part.cost >= partBeta) {
                failed = true;
                infeasibleOnly = infeasibleOnly && part.cost >= kInfinite;
                break;
            }
            running += part.cost - partLeast;
            node->children[code] = std::move(part.node);
        }
        if (!failed && running < best.cost) {
            best.cost = running;
            best.node = std::move(node);
        }
    }
    if (best.cost >= beta)
        return {best.cost < kInfinite || !infeasibleOnly ? std::max(best.cost, beta) : kInfinite, nullptr};
    return best;
}

void flatten(const TreeNode &node, std::vector<DecisionTree::Node> &nodes)
{
    const int index = static_cast<int>(nodes.size());
    nodes.push_back({});
    nodes[index].guess = node.guess;
    nodes[index].children.fill(DecisionTree::kNoNode);
    for (int code = 0; code < DecisionTree::kBranches; ++code) {
        if (node.children[code]) {
            nodes[index].children[code] = static_cast<int>(nodes.size());
            flatten(*node.children[code], nodes);
        }
    }
}

int usage(const char *program)
{
    std::fprintf(stderr,
                 "usage: %s [--widths W1,W2,...] [--every-guess-up-to N] [--bonus B] [--threads N] [--only H-B,...] "
                 "[--out FILE]\n",
                 program);
    return 2;
}

// A score as the player reads it, such as 0-2.
std::string scoreName(int code)
{
    const HitBlowResult score = ScoreCodes::resultOf(code);
    return std::to_string(score.hits) + "-" + std::to_string(score.blows);
}

std::vector<int> parseWidths(const std::string &text)
{
    std::vector<int> widths;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const int width = std::atoi(text.substr(at, comma - at).c_str());
        if (width <= 0)
            return {};
        widths.push_back(width);
        at = comma + 1;
    }
    return widths;
}
} // namespace

int main(int argc, char *argv[])
{
    std::string widths = "6,12,4,2,1";
    std::string out = "resources/expert/decision-tree.bin";
    int threads = 2;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--widths" && i + 1 < argc)
            widths = argv[++i];
        else if (arg == "--threads" && i + 1 < argc)
            threads = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--every-guess-up-to" && i + 1 < argc)
            g_everyGuessUpTo = std::atol(argv[++i]);
        else if (arg == "--bonus" && i + 1 < argc)
            g_bonus = std::atof(argv[++i]);
        else if (arg == "--only" && i + 1 < argc)
            only = argv[++i];
        else if (arg == "--out" && i + 1 < argc)
            out = argv[++i];
        else
            return usage(argv[0]);
    }
    // Depth 0 is the first guess, fixed; the widths apply from the second guess on.
    g_widths = parseWidths(widths);
    if (g_widths.empty())
        return usage(argv[0]);
    g_widths.insert(g_widths.begin(), 1);

    const auto start = std::chrono::steady_clock::now();
    computeLeastCosts();
    const auto &numbers = ScoreCodes::packedNumbers();
    g_codes.resize(std::size_t(kNumbers) * kNumbers);
    for (int guess = 0; guess < kNumbers; ++guess) {
        for (int secret = 0; secret < kNumbers; ++secret)
            g_codes[std::size_t(guess) * kNumbers + secret] = std::uint8_t(ScoreCodes::codeBetween(numbers[guess], numbers[secret]));
    }

    constexpr int kFirstGuess = 0; // 0123
    Set all(kNumbers);
    for (int i = 0; i < kNumbers; ++i)
        all[i] = std::uint16_t(i);
    std::array<Set, kCodes> parts = partsOf(all, kFirstGuess);

    const Group afterFirst = groupAfterFirstGuess();
    // The parts after the first guess are independent: threads take them largest first.
    std::array<Outcome, kCodes> outcomes;
    std::vector<int> order;
    for (int code = 0; code < kWinCode; ++code) {
        if (only.empty() || ("," + only + ",").find("," + scoreName(code) + ",") != std::string::npos)
            order.push_back(code);
    }
    if (order.empty())
        return usage(argv[0]);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return parts[a].size() > parts[b].size(); });
    std::atomic<std::size_t> next = 0;
    std::mutex printing;
    auto work = [&] {
        for (std::size_t i = next++; i < order.size(); i = next++) {
            const int code = order[i];
            outcomes[code] = solve(parts[code], 1, kInfinite, afterFirst);
            const std::lock_guard lock(printing);
            std::fprintf(stderr, "  after %s: %zu candidates, %ld guesses\n", scoreName(code).c_str(),
                         parts[code].size(), outcomes[code].cost);
        }
    };
    std::vector<std::thread> workers;
    for (int i = 0; i < threads; ++i)
        workers.emplace_back(work);
    for (std::thread &worker : workers)
        worker.join();

    if (!only.empty())
        return 0; // a partial tree is no tree to ship
    long total = kNumbers;
    auto root = leafFor(kFirstGuess);
    for (int code = 0; code < kWinCode; ++code) {
        if (outcomes[code].cost >= kInfinite) {
            std::fprintf(stderr, "no tree within %d guesses\n", kMostGuesses);
            return 1;
        }
        total += outcomes[code].cost;
        root->children[code] = std::move(outcomes[code].node);
    }
    std::vector<DecisionTree::Node> nodes;
    flatten(*root, nodes);
    const std::vector<std::uint8_t> bytes = DecisionTree(std::move(nodes)).toBytes();
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("widths %s, every guess up to %ld, bonus %g: %ld guesses for all %d secrets (%.4f on average)\n", widths.c_str(),
                g_everyGuessUpTo, g_bonus, total,
                kNumbers, double(total) / kNumbers);
    std::printf("%d nodes, %zu bytes written to %s in %.1f s\n", DecisionTree::fromBytes(bytes)->nodeCount(),
                bytes.size(), out.c_str(), seconds);
    return 0;
}
