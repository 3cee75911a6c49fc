// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/ExpertPlayer.h"

#include "expert/DecisionTree.h"
#include "expert/OneStepGuesser.h"
#include "expert/ScoreCodes.h"

#include <algorithm>

ExpertPlayer::ExpertPlayer()
    : m_builtInTree(true)
{
}

ExpertPlayer::ExpertPlayer(const DecisionTree *tree)
    : m_tree(tree)
{
}

const DecisionTree *ExpertPlayer::tree()
{
    if (m_builtInTree) {
        m_tree = DecisionTree::builtIn();
        m_builtInTree = false;
    }
    return m_tree && !m_tree->isEmpty() ? m_tree : nullptr;
}

void ExpertPlayer::newMatch()
{
    m_relabelling.reset();
    m_relabellingGiven = false;
}

void ExpertPlayer::newMatch(const Relabelling &relabelling)
{
    m_relabelling = relabelling;
    m_relabellingGiven = true;
}

NumberSet ExpertPlayer::nextAnswer(const CandidateList &candidates, const std::vector<Turn> &formerTurns,
                                   RandomSource &random)
{
    const DecisionTree *const plan = tree();
    if (plan && formerTurns.empty() && !m_relabellingGiven)
        m_relabelling = Relabelling::drawnFrom(random);
    // One or two left: either is as good as any plan, and the first is what the one-step guess takes.
    if (!candidates.empty() && candidates.size() <= 2)
        return candidates.front();
    if (plan) {
        if (const std::optional<NumberSet> answer = treeAnswer(*plan, formerTurns))
            return *answer;
    }
    std::uint16_t unused = (1u << 10) - 1;
    for (const Turn &turn : formerTurns) {
        for (int digit : turn.guess)
            unused &= std::uint16_t(~(1u << digit));
    }
    return oneStepAnswer(candidates, unused);
}

// The tree's guess when every earlier guess of the match is the one the tree made there.
std::optional<NumberSet> ExpertPlayer::treeAnswer(const DecisionTree &tree, const std::vector<Turn> &formerTurns) const
{
    if (!m_relabelling)
        return std::nullopt;
    int node = 0;
    for (const Turn &turn : formerTurns) {
        if (node == DecisionTree::kNoNode || !ScoreCodes::isScore(turn.score.hits, turn.score.blows))
            return std::nullopt;
        if (m_relabelling->apply(ScoreCodes::numberAt(tree.guessAt(node))) != turn.guess)
            return std::nullopt;
        node = tree.childOf(node, ScoreCodes::codeOf(turn.score.hits, turn.score.blows));
    }
    if (node == DecisionTree::kNoNode)
        return std::nullopt; // one or two candidates left: the one-step guess takes the first
    return m_relabelling->apply(ScoreCodes::numberAt(tree.guessAt(node)));
}

void ExpertPlayer::keepConsistent(CandidateList &candidates, const std::vector<Turn> &formerTurns)
{
    std::vector<std::pair<ScoreCodes::PackedNumber, int>> scores;
    for (const Turn &turn : formerTurns) {
        if (!ScoreCodes::isScore(turn.score.hits, turn.score.blows)) {
            candidates.clear(); // no number gives that score
            return;
        }
        scores.emplace_back(ScoreCodes::PackedNumber::of(turn.guess),
                            ScoreCodes::codeOf(turn.score.hits, turn.score.blows));
    }
    std::erase_if(candidates, [&](const NumberSet &candidate) {
        const ScoreCodes::PackedNumber packed = ScoreCodes::PackedNumber::of(candidate);
        return std::any_of(scores.begin(), scores.end(), [&](const auto &score) {
            return ScoreCodes::codeBetween(score.first, packed) != score.second;
        });
    });
}

NumberSet ExpertPlayer::oneStepAnswer(const CandidateList &candidates, std::uint16_t interchangeable)
{
    if (candidates.empty())
        return ScoreCodes::numberAt(0);
    std::vector<int> indices;
    indices.reserve(candidates.size());
    for (const NumberSet &candidate : candidates)
        indices.push_back(ScoreCodes::indexOf(candidate));
    return ScoreCodes::numberAt(OneStepGuesser::bestGuess(indices, interchangeable));
}
