// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/MatchRules.h"

#include <QString>

class GameBoardView;

// What the board shows a player at one moment, as far as a change of it is worth saying aloud:
// the status, the round, Mac's guess waiting for its score, how many guesses of each side are
// scored with the latest score in words, and the result. Typing is left out: a screen reader
// already echoes the keys.
struct BoardMoment
{
    GameStatus status = GameStatusTitle;
    int round = 0;
    // The spoken digits of Mac's guess while the user scores it, else empty.
    QString macGuess;
    int macScored = 0;
    QString macScore;
    int userScored = 0;
    QString userScore;
    // The result in words once decided, with Mac's number, else empty.
    QString result;
    // The counts of Mac's guess standing typed, in words ("2 hits, 0 blows"), else empty: with the
    // automatic check they are typed as the guess appears.
    QString typedCounts;
    // The daily puzzle being played, or 0 in a match against Mac.
    int puzzle = 0;

    static BoardMoment of(const GameBoardView &board);
};
