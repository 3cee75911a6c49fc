// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/expert-tree/PartTrees.h"

#include "expert/ScoreCodes.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace PartTrees {
namespace {
void flattenInto(const TreeSearch::Node &node, std::vector<DecisionTree::Node> &nodes)
{
    const int index = static_cast<int>(nodes.size());
    nodes.push_back({});
    nodes[index].guess = node.guess;
    nodes[index].children.fill(DecisionTree::kNoNode);
    for (int code = 0; code < DecisionTree::kBranches; ++code) {
        if (node.children[code]) {
            nodes[index].children[code] = static_cast<int>(nodes.size());
            flattenInto(*node.children[code], nodes);
        }
    }
}
} // namespace

std::vector<DecisionTree::Node> flatten(const TreeSearch::Node &root)
{
    std::vector<DecisionTree::Node> nodes;
    flattenInto(root, nodes);
    return nodes;
}

std::unique_ptr<TreeSearch::Node> unflatten(const DecisionTree &tree, int node)
{
    auto copy = std::make_unique<TreeSearch::Node>();
    copy->guess = tree.guessAt(node);
    for (int code = 0; code < DecisionTree::kBranches; ++code) {
        const int child = tree.childOf(node, code);
        if (child != DecisionTree::kNoNode)
            copy->children[code] = unflatten(tree, child);
    }
    return copy;
}

std::string fileName(const std::string &folder, int code)
{
    const HitBlowResult score = ScoreCodes::resultOf(code);
    return folder + "/after-" + std::to_string(score.hits) + "-" + std::to_string(score.blows) + ".tree";
}

bool save(const std::string &path, const TreeSearch::Node &root)
{
    const std::vector<std::uint8_t> bytes = DecisionTree(flatten(root)).toBytes();
    const std::string temporary = path + ".new";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    return file && std::rename(temporary.c_str(), path.c_str()) == 0;
}

std::optional<DecisionTree> load(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return DecisionTree::fromBytes(bytes);
}

long costOf(const DecisionTree &tree, int node, const TreeSearch::Set &set, int madeGuesses)
{
    if (madeGuesses >= TreeSearch::kMostGuesses)
        return TreeSearch::kInfinite;
    const int guess = tree.guessAt(node);
    long total = static_cast<long>(set.size()); // every secret meets this guess
    const std::array<TreeSearch::Set, ScoreCodes::kCodes> parts = TreeSearch::partsOf(set, guess);
    for (int code = 0; code < ScoreCodes::kWinCode; ++code) {
        const TreeSearch::Set &part = parts[code];
        const int child = tree.childOf(node, code);
        if (part.size() > 2 && child != DecisionTree::kNoNode)
            total += costOf(tree, child, part, madeGuesses + 1);
        else if (part.size() > 2 || madeGuesses + 1 + int(part.size()) > TreeSearch::kMostGuesses)
            return TreeSearch::kInfinite;
        else
            total += part.size() == 1 ? 1 : part.size() == 2 ? 3 : 0;
        if (total >= TreeSearch::kInfinite)
            return TreeSearch::kInfinite;
    }
    return total;
}

} // namespace PartTrees
