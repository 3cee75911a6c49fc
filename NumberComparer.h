// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

class RandomSource;

// The digits of every secret and guess, each a different one of 0 to 9.
constexpr int kDigitCount = 4;
using NumberSet = std::array<int, kDigitCount>; // position 0 is the leftmost digit
struct HitBlowResult {
    int hits = 0;
    int blows = 0;
};
using CandidateList = std::vector<NumberSet>;
enum CheckMode { CheckModeExact = 0, CheckModeAtLeast = 1 };

// The rules of hit and blow and the computer's reasoning. A comparer keeps no state between calls:
// every operation works on its arguments, and the candidate list it prunes belongs to the caller.
// Removal from a candidate list always keeps the survivors in their former order.
class NumberComparer
{
public:
    // Picks draw from the process-wide random source, or from the one given.
    NumberComparer();
    explicit NumberComparer(RandomSource &random);

    // All 5040 numbers with four distinct digits, in increasing lexicographic order.
    CandidateList makeCandidatesArray() const;

    // An empty list has no entry to give: the two picks below then give kNoNumbers and leave it.
    static constexpr NumberSet kNoNumbers{-1, -1, -1, -1};

    // A copy of a random entry; the list is unchanged.
    NumberSet makeMacOwnNumbersIn(const CandidateList &candidates) const;

    HitBlowResult checkHitsBlowsIn(const NumberSet &secret, const NumberSet &answer) const;

    // A copy of a random entry, which is removed from the list.
    NumberSet choseNumbersIn(CandidateList &candidates) const;

    // Keeps only the candidates that agree with the score of answer, deducing more the higher the
    // level (0: shared digits, 1: also digits in place, 2: also differences with former scores).
    // formerAnswers, formerHits and formerBlows are parallel and may include answer itself.
    void removeCandidatesIn(CandidateList &candidates, const NumberSet &answer, int hitsCount,
                            int blowsCount, const std::vector<NumberSet> &formerAnswers,
                            const std::vector<int> &formerHits, const std::vector<int> &formerBlows,
                            int strengthLevel) const;

    // Filter A: counts the entries of comparingWith found anywhere among a candidate's digits.
    // A target of 0 removes every candidate that holds any of them, whatever the mode.
    void removeCandidatesA(CandidateList &candidates, const std::vector<int> &comparingWith,
                           int hitsAndBlows, int checkMode) const;

    // Filter B: counts the positions j at which comparingWith[j] equals a candidate's digit j;
    // the placeholder -1 equals no digit.
    void removeCandidatesB(CandidateList &candidates, const std::vector<int> &comparingWith,
                           int hits, int checkMode) const;

private:
    std::size_t randomIndexIn(const CandidateList &candidates) const;

    RandomSource &m_random;
};
