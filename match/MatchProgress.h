// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OwnRecords.h"
#include "rules/MatchRules.h"

#include <optional>

// Where a match stands, as the statistics need it: its status (GameStatus), its result
// (MatchResult), how many guesses the user has made and, when known, those guesses with their
// scores.
struct MatchProgress {
    GameStatus status = GameStatusTitle;
    MatchResult result = MatchResultNone;
    int userGuesses = 0;
    OwnRecords turns;
    // Mac's side, when known: its guesses that have their scores, and its number.
    OwnRecords macTurns;
    std::optional<NumberSet> macNumber;
};
