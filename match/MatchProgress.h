#pragma once

// Where a match stands, as the statistics need it: its status (GameStatus), its result
// (MatchResult) and how many guesses the user has made.
struct MatchProgress {
    int status = 0;
    int result = 0;
    int userGuesses = 0;
};
