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

NumberSet ExpertPlayer::nextAnswer(const CandidateList &candidates, const std::vector<NumberSet> &formerAnswers,
                                   const std::vector<int> &formerHits, const std::vector<int> &formerBlows,
                                   RandomSource &random)
{
    const DecisionTree *const plan = tree();
    if (plan && formerAnswers.empty() && !m_relabellingGiven)
        m_relabelling = Relabelling::drawnFrom(random);
    // One or two left: either is as good as any plan, and the first is what the one-step guess takes.
    if (!candidates.empty() && candidates.size() <= 2)
        return candidates.front();
    if (plan) {
        if (const std::optional<NumberSet> answer = treeAnswer(*plan, formerAnswers, formerHits, formerBlows))
            return *answer;
    }
    std::uint16_t unused = (1u << 10) - 1;
    for (const NumberSet &answer : formerAnswers) {
        for (int digit : answer)
            unused &= std::uint16_t(~(1u << digit));
    }
    return oneStepAnswer(candidates, unused);
}

// The tree's guess when every earlier guess of the match is the one the tree made there.
std::optional<NumberSet> ExpertPlayer::treeAnswer(const DecisionTree &tree, const std::vector<NumberSet> &formerAnswers,
                                                  const std::vector<int> &formerHits,
                                                  const std::vector<int> &formerBlows) const
{
    if (!m_relabelling)
        return std::nullopt;
    int node = 0;
    for (std::size_t turn = 0; turn < formerAnswers.size(); ++turn) {
        if (node == DecisionTree::kNoNode || turn >= formerHits.size() || turn >= formerBlows.size()
            || !ScoreCodes::isScore(formerHits[turn], formerBlows[turn]))
            return std::nullopt;
        if (m_relabelling->apply(ScoreCodes::numberAt(tree.guessAt(node))) != formerAnswers[turn])
            return std::nullopt;
        node = tree.childOf(node, ScoreCodes::codeOf(formerHits[turn], formerBlows[turn]));
    }
    if (node == DecisionTree::kNoNode)
        return std::nullopt; // one or two candidates left: the one-step guess takes the first
    return m_relabelling->apply(ScoreCodes::numberAt(tree.guessAt(node)));
}

void ExpertPlayer::keepConsistent(CandidateList &candidates, const std::vector<NumberSet> &formerAnswers,
                                  const std::vector<int> &formerHits, const std::vector<int> &formerBlows)
{
    const std::size_t turns = std::min({formerAnswers.size(), formerHits.size(), formerBlows.size()});
    std::vector<std::pair<ScoreCodes::PackedNumber, int>> scores;
    for (std::size_t turn = 0; turn < turns; ++turn) {
        if (!ScoreCodes::isScore(formerHits[turn], formerBlows[turn])) {
            candidates.clear(); // no number gives that score
            return;
        }
        scores.emplace_back(ScoreCodes::PackedNumber::of(formerAnswers[turn]),
                            ScoreCodes::codeOf(formerHits[turn], formerBlows[turn]));
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
