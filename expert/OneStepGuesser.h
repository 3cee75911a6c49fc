// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expert/ScoreCodes.h"

#include <array>
#include <cstdint>
#include <span>

// The best guess one step ahead: the guess whose scores split the candidates with the most
// information (entropy of the score), with a small bonus for a guess that could itself be the
// secret. It ranks the guesses of the tree builder and plays wherever a match is off the tree.
class OneStepGuesser
{
public:
    using ScoreCounts = std::array<int, ScoreCodes::kCodes>;

    // The rating of a guess that splits `total` candidates into scores with these counts; the
    // count of the winning score is 1 exactly when the guess is a candidate.
    static double rating(const ScoreCounts &counts, int total, double candidateBonus = kCandidateBonus);

    // The index of the best guess among all 5040 for these candidate indices: the single candidate
    // when one is left; ties go to the lowest index. The candidates must not be empty.
    // interchangeable is a mask of digits that the candidates treat alike (those no earlier guess
    // held, when the candidates are exactly those the scores allow): of guesses that differ only
    // by a renaming of such digits only the lowest is rated, which gives the same result faster.
    static int bestGuess(std::span<const int> candidates, std::uint16_t interchangeable = 0);

    // Extra bits a guess earns by being a possible secret.
    static constexpr double kCandidateBonus = 0.1;
};
