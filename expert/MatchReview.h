// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "expert/ScoreCodes.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class DecisionTree;

// What each of a player's guesses was worth, against secrets all equally likely among the 5040.
// These definitions are fixed: players compare their figures.
//
// - S is the set of secrets still possible before a guess; best play from S is the exact optimum
//   where |S| <= 64 and the Expert's guess above that (see BestPlay).
// - E(g | S), the expected number of guesses counting g: (|S| + the sum, over the parts of S that
//   the scores of g other than 4-0 leave, of the guesses in all that best play needs to find every
//   secret of the part) / |S|. best(S) is E of best play's own guess.
// - Skill of a guess: 99 when E(g | S) <= best(S); otherwise, with d = E(g | S) - best(S) (the
//   guesses lost on average), floor(99 * (1 - d)), at most 98 and at least 0. A guess that tells
//   nothing loses at least a whole guess and scores 0.
// - Best play runs in one relabelling of the match (BestPlay::frameFor); best play's guesses are
//   given back in the match's own labelling.
// - Luck of a guess: each score g could get leaves a number of secrets (none for 4-0) and has the
//   chance |part| / |S|. With L the chance of the scores that would have left more than the actual
//   score left and M of those that would have left fewer, luck is round(99 * L / (L + M)): 99 for
//   the fewest the guess could leave, 0 for the most; 50 when every score leaves the same number.
// - Match skill: the mean of the guesses' skill, rounded. Match luck: the mean, rounded, of the
//   luck of the guesses whose scores could have left different numbers; 50 when there are none.
// - Verdict, the first that applies: told nothing new (no 4-0, and every secret of S is still
//   possible after it); costly (d above 0.25); could not be the secret while one that could would
//   have done as well (some possible secret c has E(c | S) <= E(g | S), looking at every one where
//   |S| <= 64 and at best play's guess above); best (skill 99); good.
class MatchReview
{
public:
    enum class Verdict { Best, Good, Costly, NothingNew, NotASecret };

    struct GuessReview {
        NumberSet guess{};
        HitBlowResult score;
        int before = 0;  // secrets possible before the guess
        int after = 0;   // and after its score: none after 4-0
        double expected = 0.0;
        NumberSet bestGuess{};
        double bestExpected = 0.0;
        // The secrets best play's guess would leave on average: each score's part, weighted by its
        // chance, none after 4-0 (the sum of the parts' squared sizes over |S|).
        double bestExpectedAfter = 0.0;
        Verdict verdict = Verdict::Best;
        int skill = 0;
        int luck = 0;
        bool luckCounts = false; // whether the scores could have left different numbers
    };

    // Reviews a match from its guesses and their scores, oldest first, using the given tree for the
    // Expert (null: one step ahead throughout). Nothing, with the reason in error, when the lists
    // differ in length or are empty, there are more than a match has (kMostUserGuesses), a guess is
    // no number of four different digits, a score is none, a guess follows 4-0, or no secret gives
    // every score. progress, when given, hears the guesses reviewed so far and how many there are,
    // before each step of the search as well as after each guess; returning false stops the review,
    // which then gives nothing.
    static std::optional<MatchReview> of(const std::vector<NumberSet> &guesses, const std::vector<HitBlowResult> &scores,
                                         const DecisionTree *tree, std::string *error = nullptr,
                                         const std::function<bool(int reviewed, int guesses)> &progress = {});

    const std::vector<GuessReview> &guesses() const { return m_guesses; }
    int skill() const { return m_skill; }
    int luck() const { return m_luck; }

    // The formulas above. total and bestTotal are guesses in all over the n secrets of S; counts
    // are the secrets of S per score of the guess, and code is the score it got.
    static int skillFor(long total, long bestTotal, long n);
    static std::optional<int> luckFor(const std::array<int, ScoreCodes::kCodes> &counts, int code);

private:
    MatchReview() = default;
    void addUpMatch();

    std::vector<GuessReview> m_guesses;
    int m_skill = 0;
    int m_luck = 0;
};
