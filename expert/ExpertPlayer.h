// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/MatchRules.h"
#include "NumberComparer.h"
#include "expert/Relabelling.h"
#include "rules/Turn.h"

#include <cstdint>
#include <optional>
#include <vector>

class DecisionTree;
class RandomSource;

// The computer at its strongest: it guesses what a decision tree built offline says for the scores
// so far, relabelled at random for each match, and may guess a number that can no longer be the
// secret when that narrows the candidates down better. Off the tree (the strength changed in the
// middle of a match) it plays the best guess one step ahead. State in, guess out: it keeps only
// the match's relabelling and schedules nothing.
class ExpertPlayer
{
public:
    static constexpr int kStrengthLevel = kStrongestLevel;

    // Plays from the tree built into the game, read at the first expert guess.
    ExpertPlayer();
    // Plays from the given tree; with none (or an empty one) every guess is the one-step guess.
    explicit ExpertPlayer(const DecisionTree *tree);

    // Forgets the relabelling; the next match draws its own at its first guess.
    void newMatch();
    // The relabelling of the running match, once its first guess has drawn one; set again when a
    // match kept from an earlier run goes on.
    const std::optional<Relabelling> &relabelling() const { return m_relabelling; }
    void setRelabelling(const std::optional<Relabelling> &relabelling) { m_relabelling = relabelling; }
    // Plays the next match through this relabelling instead of one drawn at its first guess, so
    // that the same positions always get the same guesses.
    void newMatch(const Relabelling &relabelling);

    // The next guess after the computer's earlier turns, oldest first. candidates are exactly the numbers consistent with every score so far, in the order
    // of the full list, and not empty. A match's first guess draws its relabelling from random.
    NumberSet nextAnswer(const CandidateList &candidates, const std::vector<Turn> &formerTurns, RandomSource &random);

    // Keeps only the candidates that give every earlier guess its score, whatever pruned the list
    // before; survivors keep their order.
    static void keepConsistent(CandidateList &candidates, const std::vector<Turn> &formerTurns);

    // The best guess one step ahead for these candidates (not empty): the only one when one is left.
    // Digits in interchangeable are those the candidates treat alike (see OneStepGuesser).
    static NumberSet oneStepAnswer(const CandidateList &candidates, std::uint16_t interchangeable = 0);

private:
    std::optional<NumberSet> treeAnswer(const DecisionTree &tree, const std::vector<Turn> &formerTurns) const;

    const DecisionTree *tree();

    bool m_builtInTree = false; // m_tree is read at the first guess
    const DecisionTree *m_tree = nullptr;
    std::optional<Relabelling> m_relabelling;
    bool m_relabellingGiven = false;
};
