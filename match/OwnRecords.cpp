#include "OwnRecords.h"

#include <algorithm>

namespace {
// Pruning by the full score of each guess, shared digits and digits in place.
constexpr int kFullScoreLevel = 1;
} // namespace

CandidateList OwnRecords::candidates() const
{
    const NumberComparer comparer;
    CandidateList candidates = comparer.makeCandidatesArray();
    const std::size_t count = std::min({answers.size(), hits.size(), blows.size()});
    for (std::size_t i = 0; i < count; ++i) {
        comparer.removeCandidatesIn(candidates, answers[i], hits[i], blows[i], answers, hits, blows,
                                    kFullScoreLevel);
    }
    return candidates;
}
