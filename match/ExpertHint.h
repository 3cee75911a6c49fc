// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HintStrategy.h"
#include "expert/ExpertPlayer.h"

class RandomSource;

// Suggests the guess Mac plays at Expert, made from the user's own guesses and scores: the tree's
// guess while the user has followed the tree's hints from the first guess of the match on, and the
// best guess one step ahead otherwise. That guess may be a number already ruled out when it tells
// the remaining numbers apart better than any of them.
class ExpertHint final : public HintStrategy
{
public:
    explicit ExpertHint(RandomSource &random);

    NumberSet suggestedGuess(const OwnRecords &records) override;

private:
    RandomSource &m_random;
    ExpertPlayer m_player;
};
