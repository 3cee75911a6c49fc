// SPDX-License-Identifier: GPL-3.0-or-later
#include "expert/Codebreaker.h"

Codebreaker::Codebreaker(const NumberComparer &comparer, ExpertPlayer expert)
    : m_comparer(comparer)
    , m_expert(std::move(expert))
{
}

void Codebreaker::newMatch()
{
    clear();
    m_candidates = m_comparer.makeCandidatesArray();
}

void Codebreaker::clear()
{
    m_answers.clear();
    m_hits.clear();
    m_blows.clear();
    m_candidates.reset();
    m_expert.newMatch();
}

void Codebreaker::resume(CandidateList candidates, std::vector<NumberSet> answers, std::vector<int> hits,
                         std::vector<int> blows, const std::optional<Relabelling> &relabelling)
{
    m_candidates = std::move(candidates);
    m_answers = std::move(answers);
    m_hits = std::move(hits);
    m_blows = std::move(blows);
    m_expert.setRelabelling(relabelling);
}

NumberSet Codebreaker::takeGuess(int level, RandomSource &random)
{
    NumberSet guess;
    if (level == ExpertPlayer::kStrengthLevel) {
        // Scores pruned at a lower strength may have left numbers that the expert does not count.
        ExpertPlayer::keepConsistent(*m_candidates, m_answers, m_hits, m_blows);
        // The expert's guess may be a number that can no longer be the secret; it leaves the list
        // if it is in it, as a random pick does.
        guess = m_expert.nextAnswer(*m_candidates, m_answers, m_hits, m_blows, random);
        std::erase(*m_candidates, guess);
    } else {
        guess = m_comparer.choseNumbersIn(*m_candidates);
    }
    m_answers.push_back(guess);
    return guess;
}

void Codebreaker::takeScore(int hits, int blows, int level)
{
    m_hits.push_back(hits);
    m_blows.push_back(blows);
    if (!m_candidates || m_answers.empty())
        return;
    m_comparer.removeCandidatesIn(*m_candidates, m_answers.back(), hits, blows, m_answers, m_hits, m_blows,
                                  level);
    // The expert counts only what every score so far allows, whatever pruned the list before.
    if (level == ExpertPlayer::kStrengthLevel && hits != 4)
        ExpertPlayer::keepConsistent(*m_candidates, m_answers, m_hits, m_blows);
}
