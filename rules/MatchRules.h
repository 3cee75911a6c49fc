// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The facts of a match that every part of the game shares, stated once and free of widgets.

// The numbers of four distinct digits: every secret and every guess is one of them.
constexpr int kAllNumbersCount = 5040;
// The user's sixteenth guess without a winner ends the match in a draw.
constexpr int kMostUserGuesses = 16;
// A daily puzzle is lost after this many guesses without four hits.
constexpr int kMostDailyGuesses = 10;
// The strongest strength level, Expert: Mac plays from its decision tree.
constexpr int kStrongestLevel = 3;

// Fixed to int: the controller keeps its status and result as the plain ints its getters give, and
// any int stored there names a value of these types.
enum GameStatus : int {
    GameStatusTitle = 0,
    GameStatusChooseNumbers = 1,
    GameStatusMacTurn = 2,
    GameStatusCheckHitBlow = 3,
    GameStatusUserTurn = 4,
    GameStatusUserResult = 5,
    GameStatusGameOver = 6,
    GameStatusResultShown = 7,
};

enum MatchResult : int {
    MatchResultNone = 0,
    MatchResultMacWon = 1,
    MatchResultUserWon = 2,
    MatchResultDraw = 3,
};

// A match runs from Mac's first turn until its result is decided (Mac's turn to the user's result);
// giving it up then, by New Game or by quitting, abandons it.
constexpr bool isMatchRunning(GameStatus status)
{
    return status >= GameStatusMacTurn && status <= GameStatusUserResult;
}

// The controller's status and result getters give plain ints: these name them once where they are read.
constexpr GameStatus gameStatusOf(int status)
{
    return static_cast<GameStatus>(status);
}
constexpr MatchResult matchResultOf(int result)
{
    return static_cast<MatchResult>(result);
}
