// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class DecisionTree;

// The guesses in all that best play needs from each node of the Expert's tree (BestPlay::total,
// the review's V times the set's size), computed offline by tools/make-tree-values so that a
// review needs no search where a match follows the tree. A table belongs to one tree: it keeps a
// fingerprint of the tree's nodes and is refused for any other.
//
// Packed form, little-endian: the bytes "HBTV", a version byte (1), the tree's fingerprint (64
// bits), the node count (16 bits), a total per node in the tree's node order (32 bits, 0 where
// none is known), then a checksum of every byte before it (64 bits).
class TreeValues
{
public:
    TreeValues(std::uint64_t treeFingerprint, std::vector<std::uint32_t> totals);

    // The table in the packed form when the bytes are well formed and made for this tree.
    static std::optional<TreeValues> fromBytes(std::span<const std::uint8_t> bytes, const DecisionTree &tree);
    std::vector<std::uint8_t> toBytes() const;

    // The table built into the program for this tree; null when it is missing, damaged or made for
    // another tree (the review then computes every total itself).
    static const TreeValues *builtInFor(const DecisionTree *tree);

    // Identifies the tree's nodes (their guesses and children) in their order.
    static std::uint64_t fingerprintOf(const DecisionTree &tree);

    // The total at a node of the tree, or nothing when none is known there.
    std::optional<long> totalAt(int node) const;

private:
    std::uint64_t m_treeFingerprint;
    std::vector<std::uint32_t> m_totals;
};
