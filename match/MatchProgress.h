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
    // A daily puzzle's number (its secret is macNumber) and whether it is played for practice;
    // 0 for a match against Mac.
    int dailyPuzzle = 0;
    bool practice = false;
    // Every guess of the daily puzzle was made in hard mode.
    bool hardMode = false;
};
