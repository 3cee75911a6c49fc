// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expert/DecisionTree.h"
#include "tools/expert-tree/TreeSearch.h"

#include <optional>
#include <string>
#include <vector>

// Trees of single parts after the first guess, kept in files so that parts searched on their own
// (with options of their own) can be put together into the whole tree. A part's file is
// FOLDER/after-H-B.tree (such as after-0-1.tree), the part's tree in the packed form of
// DecisionTree with the second guess at its root.
namespace PartTrees {

std::vector<DecisionTree::Node> flatten(const TreeSearch::Node &root);
std::unique_ptr<TreeSearch::Node> unflatten(const DecisionTree &tree, int node = 0);

std::string fileName(const std::string &folder, int code);

// Writes the tree in one step (a temporary file renamed over the old); false when it cannot.
bool save(const std::string &path, const TreeSearch::Node &root);
// The tree in the file; nothing when there is no file or it holds no well-formed tree.
std::optional<DecisionTree> load(const std::string &path);

// The guesses the tree needs for every secret of the set, counted from the node's guess on, as a
// player of the tree makes them: where a score has no child, one or two candidates are left and
// are guessed in index order (as the player does, whatever the tree holds there). kInfinite when a secret is not found by the last guess allowed.
long costOf(const DecisionTree &tree, int node, const TreeSearch::Set &set, int madeGuesses);

} // namespace PartTrees
