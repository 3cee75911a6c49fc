#pragma once

#include "NumberComparer.h"

#include <vector>

// What the user has learnt of Mac's secret: the user's own guesses and their scores, oldest first.
struct OwnRecords {
    std::vector<NumberSet> answers;
    std::vector<int> hits;
    std::vector<int> blows;

    // The numbers Mac's secret can still be, judged from these records alone with the computer's
    // full pruning of level 1, in increasing order. Never empty for the records of a real match.
    CandidateList candidates() const;
};
