#include "ConsistentRandomHint.h"

#include "OwnRecords.h"

ConsistentRandomHint::ConsistentRandomHint(RandomSource &random)
    : m_random(random)
{
}

NumberSet ConsistentRandomHint::suggestedGuess(const OwnRecords &records)
{
    const NumberComparer comparer(m_random);
    CandidateList candidates = records.candidates();
    // Records that no number agrees with cannot come from a match; any legal guess will do then.
    if (candidates.empty())
        candidates = comparer.makeCandidatesArray();
    return comparer.makeMacOwnNumbersIn(candidates);
}
