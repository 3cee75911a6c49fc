// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/Codebreaker.h"

#include <algorithm>

Codebreaker::Codebreaker(const NumberComparer &comparer, ExpertPlayer expert)
    : m_comparer(comparer)
    , m_expert(std::move(expert))
{
}

void Codebreaker::newMatch()
{
    clear();
    m_candidates = m_comparer.makeCandidatesArray();
    m_levels.emplace();
}

void Codebreaker::clear()
{
    m_answers.clear();
    m_hits.clear();
    m_blows.clear();
    m_candidates.reset();
    m_levels.reset();
    m_expert.newMatch();
}

void Codebreaker::resume(CandidateList candidates, const std::vector<Turn> &turns,
                         const std::optional<NumberSet> &unscoredGuess, const std::optional<Relabelling> &relabelling)
{
    m_candidates = std::move(candidates);
    m_levels.reset();
    m_answers.clear();
    m_hits.clear();
    m_blows.clear();
    for (const Turn &turn : turns) {
        m_answers.push_back(turn.guess);
        m_hits.push_back(turn.score.hits);
        m_blows.push_back(turn.score.blows);
    }
    if (unscoredGuess)
        m_answers.push_back(*unscoredGuess);
    m_expert.setRelabelling(relabelling);
}

void Codebreaker::replay(const std::vector<Turn> &turns, const std::optional<NumberSet> &unscoredGuess,
                         const std::vector<int> &levels, const std::optional<Relabelling> &relabelling)
{
    newMatch();
    std::size_t step = 0;
    const auto nextLevel = [&] {
        const int level = levels.empty() ? 0 : levels[std::min(step, levels.size() - 1)];
        ++step;
        return level;
    };
    for (const Turn &turn : turns) {
        enterGuess(turn.guess, nextLevel());
        takeScore(turn.score.hits, turn.score.blows, nextLevel());
    }
    if (unscoredGuess)
        enterGuess(*unscoredGuess, nextLevel());
    m_expert.setRelabelling(relabelling);
}

std::optional<NumberSet> Codebreaker::unscoredGuess() const
{
    if (m_answers.size() > m_hits.size())
        return m_answers.back();
    return std::nullopt;
}

NumberSet Codebreaker::takeGuess(int level, RandomSource &random)
{
    NumberSet guess;
    if (level == ExpertPlayer::kStrengthLevel) {
        // Scores pruned at a lower strength may have left numbers that the expert does not count.
        const std::vector<Turn> scored = turns();
        ExpertPlayer::keepConsistent(*m_candidates, scored);
        guess = m_expert.nextAnswer(*m_candidates, scored, random);
    } else {
        guess = m_comparer.makeMacOwnNumbersIn(*m_candidates);
    }
    enterGuess(guess, level);
    return guess;
}

// Everything a guess does to the candidates besides choosing it, so that a replay of the guess
// leaves the same list.
void Codebreaker::enterGuess(const NumberSet &guess, int level)
{
    if (level == ExpertPlayer::kStrengthLevel)
        ExpertPlayer::keepConsistent(*m_candidates, turns());
    // The expert's guess may be a number that can no longer be the secret; it leaves the list if
    // it is in it, as a random pick does.
    std::erase(*m_candidates, guess);
    m_answers.push_back(guess);
    if (m_levels)
        m_levels->push_back(level);
}

void Codebreaker::takeScore(int hits, int blows, int level)
{
    m_hits.push_back(hits);
    m_blows.push_back(blows);
    if (m_levels)
        m_levels->push_back(level);
    if (!m_candidates || m_answers.empty())
        return;
    m_comparer.removeCandidatesIn(*m_candidates, m_answers.back(), hits, blows, m_answers, m_hits, m_blows,
                                  level);
    // The expert counts only what every score so far allows, whatever pruned the list before.
    if (level == ExpertPlayer::kStrengthLevel && hits != 4)
        ExpertPlayer::keepConsistent(*m_candidates, turns());
}
