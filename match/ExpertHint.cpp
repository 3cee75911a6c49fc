// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExpertHint.h"

#include "OwnRecords.h"

ExpertHint::ExpertHint(RandomSource &random)
    : m_random(random)
{
}

NumberSet ExpertHint::suggestedGuess(const OwnRecords &records)
{
    CandidateList candidates = records.candidates();
    // Records that no number agrees with cannot come from a match; any legal guess will do then.
    if (candidates.empty())
        candidates = NumberComparer(m_random).makeCandidatesArray();
    return m_player.nextAnswer(candidates, records.turns, m_random);
}
