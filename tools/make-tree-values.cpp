// SPDX-License-Identifier: GPL-3.0-or-later
// make-tree-values [--out FILE]
//
// Computes best play's total at every node of the Expert's tree built into the program (what the
// match review calls V times the set's size: BestPlay::total, the exact optimum where at most 64
// secrets are left, the Expert's tree above) and writes the table the review reads (by default to
// resources/expert/tree-values.bin, relative to the working directory: run it from the source
// folder). It computes everything afresh, whatever table is built in; run it again whenever the
// tree or the review's definitions change. About half a minute on one core.
#include "expert/BestPlay.h"
#include "expert/DecisionTree.h"
#include "expert/ScoreCodes.h"
#include "expert/TreeValues.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {
struct Position {
    int node;
    BestPlay::Set set;
    BestPlay::History history;
};
} // namespace

int main(int argc, char **argv)
{
    std::string out = "resources/expert/tree-values.bin";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out = argv[++i];
        } else {
            std::fprintf(stderr, "usage: make-tree-values [--out FILE]\n");
            return 2;
        }
    }
    const DecisionTree *tree = DecisionTree::builtIn();
    if (!tree) {
        std::fprintf(stderr, "no Expert tree is built in\n");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    BestPlay bestPlay(tree); // no table: every total computed
    const auto &numbers = ScoreCodes::packedNumbers();
    std::vector<std::uint32_t> totals(std::size_t(tree->nodeCount()), 0);
    Position root{0, BestPlay::Set(ScoreCodes::kNumbers), {}};
    for (int i = 0; i < ScoreCodes::kNumbers; ++i)
        root.set[i] = std::uint16_t(i);
    // Deepest nodes first, so that larger sets find their parts solved already.
    std::vector<Position> open{root}, order;
    while (!open.empty()) {
        Position position = std::move(open.back());
        open.pop_back();
        const int guess = tree->guessAt(position.node);
        for (int code = 0; code < DecisionTree::kBranches; ++code) {
            const int child = tree->childOf(position.node, code);
            if (child == DecisionTree::kNoNode)
                continue;
            Position next{child, {}, position.history};
            for (std::uint16_t secret : position.set) {
                if (ScoreCodes::codeBetween(numbers[guess], numbers[secret]) == code)
                    next.set.push_back(secret);
            }
            next.history.push_back({ScoreCodes::numberAt(guess), ScoreCodes::resultOf(code)});
            open.push_back(std::move(next));
        }
        order.push_back(std::move(position));
    }
    for (auto at = order.rbegin(); at != order.rend(); ++at)
        totals[std::size_t(at->node)] = std::uint32_t(bestPlay.total(at->set, at->history));

    const std::vector<std::uint8_t> bytes = TreeValues(TreeValues::fingerprintOf(*tree), totals).toBytes();
    std::ofstream file(out, std::ios::binary);
    file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d nodes, %u guesses in all from the root, %zu bytes to %s in %.1f s\n", tree->nodeCount(),
                totals[0], bytes.size(), out.c_str(), seconds);
    return 0;
}
