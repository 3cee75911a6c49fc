// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "expert/ExpertPlayer.h"
#include "rules/Turn.h"

#include <optional>
#include <vector>

class RandomSource;

// The computer's side of a match at any strength: its candidates, its guesses and the scores they
// got, oldest first, and the loop of guessing, being scored and pruning that a match plays. Below
// the strongest level a guess is a random candidate and each score prunes as the level deduces; at
// the strongest the expert player guesses and every score keeps exactly the consistent numbers.
class Codebreaker
{
public:
    // The comparer gives the rules and the random picks below the strongest level.
    explicit Codebreaker(const NumberComparer &comparer, ExpertPlayer expert = ExpertPlayer());

    // A new match: every number is a candidate, nothing guessed yet.
    void newMatch();
    // No match: no candidates, nothing guessed.
    void clear();
    // Goes on with a match kept from an earlier run, as it stood: candidates, scored turns, the
    // latest guess when it waits for its score, and the expert's relabelling.
    void resume(CandidateList candidates, const std::vector<Turn> &turns, const std::optional<NumberSet> &unscoredGuess,
                const std::optional<Relabelling> &relabelling);
    // Goes on with a match kept as its moves: the candidates are those the same guesses and scores,
    // each taken at its strength in levels (as levels() gives them), leave. A missing level is
    // taken as the last one given.
    void replay(const std::vector<Turn> &turns, const std::optional<NumberSet> &unscoredGuess,
                const std::vector<int> &levels, const std::optional<Relabelling> &relabelling);

    // Takes the next guess at strength level from the candidates (which must not be empty) and
    // records it; a guess that is a candidate leaves the list. random serves the expert.
    NumberSet takeGuess(int level, RandomSource &random);
    // Records the score of the latest guess and prunes the candidates by it at strength level.
    void takeScore(int hits, int blows, int level);

    // Nothing while no match runs.
    const std::optional<CandidateList> &candidates() const { return m_candidates; }
    // The guesses, hits and blows as the match controller's record lists hand them out, by
    // reference: while a guess waits for its score, answers() holds one entry more.
    const std::vector<NumberSet> &answers() const { return m_answers; }
    const std::vector<int> &hits() const { return m_hits; }
    const std::vector<int> &blows() const { return m_blows; }
    // The scored guesses, oldest first.
    std::vector<Turn> turns() const { return turnsOf(m_answers, m_hits, m_blows); }
    // The latest guess while it waits for its score.
    std::optional<NumberSet> unscoredGuess() const;
    const std::optional<Relabelling> &relabelling() const { return m_expert.relabelling(); }
    // The strength of each guess and each score, in the order taken (guess, score, guess, ...):
    // with the turns they rebuild the candidates. Nothing for a match resumed from its candidates.
    const std::optional<std::vector<int>> &levels() const { return m_levels; }

private:
    // Records guess, taken at strength level, and takes it out of the candidates.
    void enterGuess(const NumberSet &guess, int level);

    const NumberComparer &m_comparer;
    ExpertPlayer m_expert;
    std::optional<CandidateList> m_candidates;
    std::vector<NumberSet> m_answers;
    std::vector<int> m_hits;
    std::vector<int> m_blows;
    std::optional<std::vector<int>> m_levels;
};
