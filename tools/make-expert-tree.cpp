// SPDX-License-Identifier: GPL-3.0-or-later
// make-expert-tree [--widths W1,W2,...] [--every-guess-up-to N] [--deep-bounds-from N] [--bonus B] [--threads N]
//                  [--set-symmetry on|off]
//                  [--only H-B,...] [--save-parts FOLDER] [--parts FOLDER] [--out FILE]
//                  [--second DIGITS]
// make-expert-tree --split TREE [--only H-B,...] [--save-parts FOLDER]
// make-expert-tree --bounds AHEAD [--only H-B,...] [--parts FOLDER]
// make-expert-tree --exact-part H-B [--second DIGITS] [--memo FOLDER] [--parts FOLDER] [--save-parts FOLDER]
//
// Builds the expert player's decision tree offline and writes it in its packed form (by default to
// resources/expert/decision-tree.bin, relative to the working directory: run it from the source
// folder). The defaults rebuild the tree the game ships unless docs/expert.md names other steps.
//
// The first guess is 0123 (every first guess is the same up to relabelling); the parts after its
// scores are searched independently (TreeSearch), on N threads (default 2). With --only it searches
// just the parts after those scores, prints what each needs and writes no tree. --save-parts
// writes the tree of each part searched to FOLDER as soon as one cheaper than the file's is found,
// so a long search loses nothing when stopped; --parts takes the parts FOLDER holds instead of
// searching them, so parts searched alone with options of their own make up the whole tree. The
// search makes no random choices: the same options give the same tree, whatever the threads.
// --second tries only that second guess (one of those --bounds lists) in the parts searched.
// --split writes the parts of a whole tree to the folder (by default the working directory).
//
// --bounds prints for each part a number of guesses no tree can beat there (LowerBounds, looking
// AHEAD guesses ahead), and each second guess whose own bound is below the part's saved tree.
//
// --exact-part solves one part exactly (PartSolver) against its tree in --parts FOLDER, or else in
// the shipped tree: it proves that tree best or finds a cheaper one, which --save-parts writes.
// With --second, the second guess is that one; when the part's tree starts with it too, each set
// after it is solved against that tree's own subtree. What the search learns is kept in --memo
// FOLDER (by default build/expert-memo), and a later run with the same folder goes on from it.
#include "expert/DecisionTree.h"
#include "tools/expert-tree/LowerBounds.h"
#include "tools/expert-tree/PartSolver.h"
#include "tools/expert-tree/PartTrees.h"
#include "tools/expert-tree/TaskPool.h"
#include "tools/expert-tree/TreeSearch.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

using ScoreCodes::kCodes;
using ScoreCodes::kNumbers;
using ScoreCodes::kWinCode;

namespace {
constexpr int kFirstGuess = 0; // 0123

struct Settings {
    std::string widths = "6,12,4,2,1";
    std::string out = "resources/expert/decision-tree.bin";
    int threads = 2;
    std::string only;
    std::string saveFolder;
    std::string partsFolder;
    std::string splitTree;
    int boundsAhead = 0;
    std::string exactPart;
    std::string memoFolder = "build/expert-memo";
    TreeSearch::Options search;
};

int usage(const char *program)
{
    std::fprintf(stderr,
                 "usage: %s [--widths W1,W2,...] [--every-guess-up-to N] [--deep-bounds-from N] [--bonus B] [--threads N]\n"
                 "       [--set-symmetry on|off] [--only H-B,...] [--second DIGITS]"
                 " [--save-parts FOLDER] [--parts FOLDER] [--out FILE]\n"
                 "       %s --bounds AHEAD [--only H-B,...] [--parts FOLDER]\n"
                 "       %s --split TREE [--only H-B,...] [--save-parts FOLDER]\n"
                 "       %s --exact-part H-B [--second DIGITS] [--memo FOLDER] [--parts FOLDER] [--save-parts FOLDER]\n",
                 program, program, program, program);
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

// The index of a guess written as four different digits, or -1.
int parseGuess(std::string_view text)
{
    NumberSet number{};
    for (std::size_t i = 0; i < number.size(); ++i) {
        if (text.size() != number.size() || text[i] < '0' || text[i] > '9' || text.find(text[i]) != i)
            return -1;
        number[i] = text[i] - '0';
    }
    return ScoreCodes::indexOf(number);
}

bool parse(int argc, char *argv[], Settings &settings)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 >= argc)
            return false;
        const char *value = argv[++i];
        if (arg == "--widths")
            settings.widths = value;
        else if (arg == "--threads")
            settings.threads = std::max(1, std::atoi(value));
        else if (arg == "--every-guess-up-to")
            settings.search.everyGuessUpTo = std::atol(value);
        else if (arg == "--second" && parseGuess(value) >= 0)
            settings.search.secondGuess = parseGuess(value);
        else if (arg == "--deep-bounds-from")
            settings.search.deepBoundsFrom = std::atol(value);
        else if (arg == "--bonus")
            settings.search.bonus = std::atof(value);
        else if (arg == "--set-symmetry" && (value == std::string_view("on") || value == std::string_view("off")))
            settings.search.setSymmetry = value == std::string_view("on");
        else if (arg == "--only")
            settings.only = value;
        else if (arg == "--save-parts")
            settings.saveFolder = value;
        else if (arg == "--parts")
            settings.partsFolder = value;
        else if (arg == "--split")
            settings.splitTree = value;
        else if (arg == "--bounds")
            settings.boundsAhead = std::max(1, std::atoi(value));
        else if (arg == "--out")
            settings.out = value;
        else if (arg == "--exact-part")
            settings.exactPart = value;
        else if (arg == "--memo")
            settings.memoFolder = value;
        else
            return false;
    }
    // Depth 0 is the first guess, fixed; the widths apply from the second guess on.
    settings.search.widths = parseWidths(settings.widths);
    settings.search.widths.insert(settings.search.widths.begin(), 1);
    return settings.search.widths.size() > 1;
}

// The guesses a part's saved tree needs, kInfinite when there is none that finds every secret.
long savedCost(const std::string &path, const TreeSearch::Set &part)
{
    const std::optional<DecisionTree> tree = PartTrees::load(path);
    return tree ? PartTrees::costOf(*tree, 0, part, 1) : TreeSearch::kInfinite;
}

std::string digitsOf(int index)
{
    std::string text;
    for (int digit : ScoreCodes::numberAt(index))
        text += char('0' + digit);
    return text;
}

// Prints the bounds of the sets after the saved tree's second guess that the search does not try
// every guess on (larger than --every-guess-up-to), where a wider search might still gain.
void printThirdGuessBounds(const Settings &settings, const DecisionTree &tree, const TreeSearch::Set &part)
{
    const int second = tree.guessAt(0);
    const RelabellingGroup::Group fixed = RelabellingGroup::fixing(RelabellingGroup::afterFirstGuess(), second);
    const std::array<TreeSearch::Set, kCodes> sets = TreeSearch::partsOf(part, second);
    for (int code = 0; code < kWinCode; ++code) {
        const int child = tree.childOf(0, code);
        if (long(sets[code].size()) <= settings.search.everyGuessUpTo || child == DecisionTree::kNoNode)
            continue;
        const long saved = PartTrees::costOf(tree, child, sets[code], 2);
        const std::vector<LowerBounds::GuessBound> bounds
            = LowerBounds::ofEveryGuess(sets[code], 2, settings.boundsAhead, fixed, saved);
        const auto below = std::count_if(bounds.begin(), bounds.end(), [&](const auto &entry) { return entry.bound < saved; });
        std::printf("  then %s after %s: %zu candidates, saved tree %ld, at least %ld looking %d ahead; %ld of %zu third "
                    "guesses might beat it\n",
                    digitsOf(second).c_str(), scoreName(code).c_str(), sets[code].size(), saved,
                    bounds.empty() ? TreeSearch::kInfinite : bounds.front().bound, settings.boundsAhead, long(below),
                    bounds.size());
        std::fflush(stdout);
    }
}

// Prints the bounds of the part and of its second guesses that might beat its saved tree.
void printBounds(const Settings &settings, int code, const TreeSearch::Set &part)
{
    const long found = settings.partsFolder.empty() ? TreeSearch::kInfinite
                                                    : savedCost(PartTrees::fileName(settings.partsFolder, code), part);
    const std::vector<LowerBounds::GuessBound> bounds
        = LowerBounds::ofEveryGuess(part, 1, settings.boundsAhead, RelabellingGroup::afterFirstGuess(), found);
    std::string below;
    int count = 0;
    for (const LowerBounds::GuessBound &entry : bounds) {
        if (entry.bound < found && found < TreeSearch::kInfinite) {
            below += " " + digitsOf(entry.guess) + " (" + std::to_string(entry.bound) + ")";
            ++count;
        }
    }
    std::printf("after %s: %zu candidates, at least %ld guesses looking %d ahead", scoreName(code).c_str(), part.size(),
                bounds.empty() ? TreeSearch::kInfinite : bounds.front().bound, settings.boundsAhead);
    if (found < TreeSearch::kInfinite)
        std::printf("; saved tree %ld; %d of %zu second guesses might beat it:%s", found, count, bounds.size(), below.c_str());
    std::printf("\n");
    std::fflush(stdout);
    if (found < TreeSearch::kInfinite)
        printThirdGuessBounds(settings, *PartTrees::load(PartTrees::fileName(settings.partsFolder, code)), part);
}

// Saves the tree found for a part, or for a set after the saved part tree's second guess grafted
// into that tree, when the part's tree is then cheaper than the file's.
void saveIfCheaper(const std::string &path, const TreeSearch::Set &part, const TreeSearch::Set &set, int madeGuesses,
                   const TreeSearch::Node &found)
{
    std::unique_ptr<TreeSearch::Node> tree = PartTrees::unflatten(DecisionTree(PartTrees::flatten(found)));
    const std::optional<DecisionTree> saved = PartTrees::load(path);
    if (madeGuesses == 2) {
        if (!saved)
            return;
        const int code = TreeSearch::codeAt(saved->guessAt(0), set.front());
        if (TreeSearch::partsOf(part, saved->guessAt(0))[code] != set)
            return; // a set after another second guess
        auto grafted = PartTrees::unflatten(*saved);
        grafted->children[code] = std::move(tree);
        tree = std::move(grafted);
    }
    const DecisionTree candidate(PartTrees::flatten(*tree));
    const long cost = PartTrees::costOf(candidate, 0, part, 1);
    if (cost < (saved ? PartTrees::costOf(*saved, 0, part, 1) : TreeSearch::kInfinite)) {
        const bool written = PartTrees::save(path, *tree);
        std::fprintf(stderr, "  %ld guesses so far for the part, %s %s\n", cost, written ? "saved to" : "cannot write",
                     path.c_str());
    }
}

// Writes the parts of a whole tree to the folder, as --save-parts would.
int split(const std::string &path, const std::string &folder, const std::vector<int> &codes)
{
    const std::optional<DecisionTree> tree = PartTrees::load(path);
    if (!tree || tree->guessAt(0) != kFirstGuess) {
        std::fprintf(stderr, "%s holds no tree that starts with 0123\n", path.c_str());
        return 1;
    }
    for (int code : codes) {
        const int child = tree->childOf(0, code);
        if (child == DecisionTree::kNoNode)
            continue;
        const std::string part = PartTrees::fileName(folder, code);
        if (!PartTrees::save(part, *PartTrees::unflatten(*tree, child))) {
            std::fprintf(stderr, "cannot write %s\n", part.c_str());
            return 1;
        }
    }
    return 0;
}

double processorSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

PartSolver *g_solver = nullptr;

extern "C" void stopSolver(int)
{
    if (g_solver)
        g_solver->requestStop(); // only sets a flag: safe in a signal handler
}

// The tree of the part after `code`: the one in --parts FOLDER, or else the shipped tree's.
std::unique_ptr<TreeSearch::Node> knownPartTree(const Settings &settings, int code)
{
    if (!settings.partsFolder.empty()) {
        const std::optional<DecisionTree> saved = PartTrees::load(PartTrees::fileName(settings.partsFolder, code));
        return saved ? PartTrees::unflatten(*saved) : nullptr;
    }
    const std::optional<DecisionTree> shipped = PartTrees::load("resources/expert/decision-tree.bin");
    if (!shipped || shipped->guessAt(0) != kFirstGuess || shipped->childOf(0, code) == DecisionTree::kNoNode)
        return nullptr;
    return PartTrees::unflatten(*shipped, shipped->childOf(0, code));
}

// Solves the part after `code` exactly against its known tree (see the top of the file); 0 when the
// search ran to its end, whether it proved the tree best or found a cheaper one.
int solveExactly(const Settings &settings, int code, const TreeSearch::Set &part)
{
    std::unique_ptr<TreeSearch::Node> known = knownPartTree(settings, code);
    const long knownCost = known ? PartTrees::costOf(DecisionTree(PartTrees::flatten(*known)), 0, part, 1) : TreeSearch::kInfinite;
    if (knownCost >= TreeSearch::kInfinite) {
        std::fprintf(stderr, "no tree after %s to bound the search (see --parts)\n", scoreName(code).c_str());
        return 1;
    }
    SetMemo memo;
    std::string error;
    if (!memo.open(settings.memoFolder, 31, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::fprintf(stderr, "  %ld facts read from %s/memo.bin\n", memo.recordsRead(), settings.memoFolder.c_str());
    PartSolver solver(memo);
    // Under the known second guess, a cheaper tree found for the set being solved is grafted into
    // the part's tree and saved at once, so that a long search loses nothing when stopped.
    std::function<void(int guess)> graft;
    bool grafting = false;
    solver.onProgress([&](int guess, long bound, long cost, long limit) {
        if (grafting)
            return; // the sets under a tree being rebuilt
        std::fprintf(stderr, "    %s: bound %ld, %s %ld, %.1f s, %zu sets known\n", digitsOf(guess).c_str(), bound,
                     cost < limit ? "needs" : "at least", cost, processorSeconds(), memo.size());
        if (cost < limit && graft) {
            grafting = true;
            graft(guess);
            grafting = false;
        }
    });
    g_solver = &solver;
    std::signal(SIGINT, stopSolver);
    std::signal(SIGTERM, stopSolver);
    const RelabellingGroup::Group group = RelabellingGroup::afterFirstGuess();
    const int second = settings.search.secondGuess;
    std::unique_ptr<TreeSearch::Node> found;
    long value = 0;
    if (second >= 0 && known->guess == second) {
        // Each set after the second guess against its own subtree: together they prove the part.
        const RelabellingGroup::Group fixed = RelabellingGroup::fixing(group, second);
        const std::array<TreeSearch::Set, kCodes> sets = TreeSearch::partsOf(part, second);
        std::vector<int> order;
        for (int score = 0; score < kWinCode; ++score) {
            if (sets[score].size() > 2)
                order.push_back(score);
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return sets[a].size() > sets[b].size(); });
        value = long(part.size());
        for (int score = 0; score < kWinCode; ++score)
            value += sets[score].size() <= 2 ? 2 * long(sets[score].size()) - (sets[score].empty() ? 0 : 1) : 0;
        bool cheaper = false;
        for (int score : order) {
            const long subtree = PartTrees::costOf(DecisionTree(PartTrees::flatten(*known->children[score])), 0, sets[score], 2);
            if (!settings.saveFolder.empty()) {
                graft = [&, score](int third) {
                    std::unique_ptr<TreeSearch::Node> &child = known->children[score];
                    std::unique_ptr<TreeSearch::Node> kept = std::move(child);
                    child = solver.treeWith(third, sets[score], 2, fixed);
                    saveIfCheaper(PartTrees::fileName(settings.saveFolder, code), part, part, 1, *known);
                    child = std::move(kept);
                };
            }
            const long solved = solver.solve(sets[score], 2, subtree, fixed);
            graft = nullptr;
            if (solver.stopped())
                break;
            std::printf("after %s, %s, %s: %zu candidates, %s %ld (the known tree: %ld), %.1f s, %zu sets known\n",
                        scoreName(code).c_str(), digitsOf(second).c_str(), scoreName(score).c_str(), sets[score].size(),
                        solved < subtree ? "best" : "at least", std::min(solved, subtree), subtree, processorSeconds(),
                        memo.size());
            std::fflush(stdout);
            memo.flush();
            value += std::min(solved, subtree);
            if (solved < subtree) {
                known->children[score] = solver.treeFor(sets[score], 2, fixed);
                cheaper = true;
            }
        }
        if (cheaper)
            found = std::move(known);
    } else {
        value = second >= 0 ? solver.solveWith(second, part, 1, knownCost, group) : solver.solve(part, 1, knownCost, group);
        if (!solver.stopped() && value < knownCost)
            found = second >= 0 ? solver.treeWith(second, part, 1, group) : solver.treeFor(part, 1, group);
    }
    memo.flush();
    g_solver = nullptr;
    if (solver.stopped()) {
        std::fprintf(stderr, "stopped after %.1f s of processor time; %zu sets known, %s/memo.bin keeps them\n",
                     processorSeconds(), memo.size(), settings.memoFolder.c_str());
        return 1;
    }
    const std::string with = second >= 0 ? " with " + digitsOf(second) + " second" : "";
    if (!found) {
        std::printf("after %s%s: at least %ld guesses, so the known tree's %ld is best (%.1f s of processor time, %zu sets known)\n",
                    scoreName(code).c_str(), with.c_str(), std::max(value, knownCost), knownCost, processorSeconds(),
                    memo.size());
        return 0;
    }
    // The tree found is played over the part before anything is claimed or saved.
    const long played = PartTrees::costOf(DecisionTree(PartTrees::flatten(*found)), 0, part, 1);
    std::printf("after %s%s: best %ld guesses (the known tree: %ld; the tree found plays %ld), %.1f s of processor time\n",
                scoreName(code).c_str(), with.c_str(), value, knownCost, played, processorSeconds());
    if (played != value) {
        std::fprintf(stderr, "the tree found does not play as solved\n");
        return 1;
    }
    if (!settings.saveFolder.empty())
        saveIfCheaper(PartTrees::fileName(settings.saveFolder, code), part, part, 1, *found);
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    Settings settings;
    if (!parse(argc, argv, settings))
        return usage(argv[0]);
    const auto start = std::chrono::steady_clock::now();

    TreeSearch::Set all(kNumbers);
    for (int i = 0; i < kNumbers; ++i)
        all[i] = std::uint16_t(i);
    const std::array<TreeSearch::Set, kCodes> parts = TreeSearch::partsOf(all, kFirstGuess);
    std::vector<int> order; // the parts to search, largest first
    for (int code = 0; code < kWinCode; ++code) {
        const std::string &wanted = settings.exactPart.empty() ? settings.only : settings.exactPart;
        if (wanted.empty() || ("," + wanted + ",").find("," + scoreName(code) + ",") != std::string::npos)
            order.push_back(code);
    }
    if (order.empty())
        return usage(argv[0]);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return parts[a].size() > parts[b].size(); });

    if (!settings.splitTree.empty())
        return split(settings.splitTree, settings.saveFolder.empty() ? "." : settings.saveFolder, order);
    if (!settings.exactPart.empty()) {
        if (order.size() != 1 || settings.exactPart.find(',') != std::string::npos)
            return usage(argv[0]);
        return solveExactly(settings, order.front(), parts[order.front()]);
    }
    if (settings.boundsAhead > 0) {
        for (int code : order)
            printBounds(settings, code, parts[code]);
        std::fprintf(stderr, "  %.1f s of processor time\n", processorSeconds());
        return 0;
    }
    std::mutex printing;
    if (!settings.saveFolder.empty()) {
        settings.search.onImproved = [&](const TreeSearch::Set &set, int madeGuesses, const TreeSearch::Outcome &found) {
            const int code = TreeSearch::codeAt(kFirstGuess, set.front());
            const std::lock_guard lock(printing);
            if (found.node)
                saveIfCheaper(PartTrees::fileName(settings.saveFolder, code), parts[code], set, madeGuesses, *found.node);
        };
    }
    TaskPool pool(settings.threads);
    const TreeSearch search(settings.search, pool);
    std::array<TreeSearch::Outcome, kCodes> outcomes;
    std::vector<std::function<void()>> tasks;
    for (int code : order) {
        const std::string saved = settings.partsFolder.empty() ? std::string() : PartTrees::fileName(settings.partsFolder, code);
        tasks.push_back([&, code, saved] {
            const long savedGuesses = saved.empty() ? TreeSearch::kInfinite : savedCost(saved, parts[code]);
            if (savedGuesses < TreeSearch::kInfinite)
                outcomes[code] = {savedGuesses, PartTrees::unflatten(*PartTrees::load(saved))};
            else
                outcomes[code] = search.solve(parts[code], 1, TreeSearch::kInfinite, RelabellingGroup::afterFirstGuess());
            const std::lock_guard lock(printing);
            std::fprintf(stderr, "  after %s: %zu candidates, %ld guesses%s\n", scoreName(code).c_str(), parts[code].size(),
                         outcomes[code].cost, savedGuesses < TreeSearch::kInfinite ? " (saved tree)" : "");
        });
    }
    pool.runAll(tasks);

    long total = kNumbers;
    auto root = std::make_unique<TreeSearch::Node>();
    root->guess = kFirstGuess;
    for (int code : order) {
        if (outcomes[code].cost >= TreeSearch::kInfinite) {
            std::fprintf(stderr, "no tree within %d guesses after %s\n", TreeSearch::kMostGuesses, scoreName(code).c_str());
            return 1;
        }
        total += outcomes[code].cost;
        root->children[code] = std::move(outcomes[code].node);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "  %.1f s, %.1f s of processor time\n", seconds, processorSeconds());
    if (!settings.only.empty())
        return 0; // a partial tree is no tree to ship

    const std::vector<std::uint8_t> bytes = DecisionTree(PartTrees::flatten(*root)).toBytes();
    std::ofstream file(settings.out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", settings.out.c_str());
        return 1;
    }
    std::printf("widths %s, every guess up to %ld, bonus %g: %ld guesses for all %d secrets (%.4f on average)\n",
                settings.widths.c_str(), settings.search.everyGuessUpTo, settings.search.bonus, total, kNumbers,
                double(total) / kNumbers);
    std::printf("%d nodes, %zu bytes written to %s\n", DecisionTree::fromBytes(bytes)->nodeCount(), bytes.size(),
                settings.out.c_str());
    return 0;
}
