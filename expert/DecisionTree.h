// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The expert player's opening book for the whole game: from the first guess on, the guess to make
// after each score. Guesses are number indices in the tree's own labelling (the player relabels
// them for each match); children are kept per score code (ScoreCodes), winning score excluded.
// Sets of one or two candidates have no node: the player guesses a candidate there.
//
// Packed form, little-endian: the bytes "HBDT", a version byte (1), the node count (16 bits), then
// the nodes in preorder, each a guess index (16 bits) and a mask of the score codes that have a
// child (16 bits), followed at once by those children in code order.
class DecisionTree
{
public:
    static constexpr int kBranches = 13;
    static constexpr int kNoNode = -1;

    struct Node {
        int guess = 0;
        std::array<int, kBranches> children{};
    };

    DecisionTree() = default;
    explicit DecisionTree(std::vector<Node> nodes) : m_nodes(std::move(nodes)) {}

    // The tree in the packed form, or nothing when the bytes are not a well-formed tree.
    static std::optional<DecisionTree> fromBytes(std::span<const std::uint8_t> bytes);
    // The packed form of a tree whose node 0 is the root and whose nodes are each reached once.
    std::vector<std::uint8_t> toBytes() const;

    // The tree built into the program, loaded at first use; null when it is missing or damaged.
    static const DecisionTree *builtIn();

    bool isEmpty() const { return m_nodes.empty(); }
    int nodeCount() const { return static_cast<int>(m_nodes.size()); }
    int guessAt(int node) const { return m_nodes[node].guess; }
    // The node that follows a score code, or kNoNode.
    int childOf(int node, int code) const
    {
        return code < kBranches ? m_nodes[node].children[code] : kNoNode;
    }

private:
    std::vector<Node> m_nodes;
};
