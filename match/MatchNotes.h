// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

struct OwnRecords;

// How a match ended, as the note on its decision needs it: the result (MatchResult), both secret
// numbers, how many guesses each side made, and whether the user's last guess was the last chance
// after Mac had found the user's number.
struct DecidedMatch {
    int result = 0;
    std::optional<NumberSet> macNumber;
    std::optional<NumberSet> userNumber;
    int macGuesses = 0;
    int userGuesses = 0;
    bool userHadLastChance = false;
};

// What the status bar says around the board that the board itself does not: how a decided match
// was decided, and a quiet note on the user's latest guess when it could not have been Mac's
// number. Texts only; it changes nothing and refuses nothing.
class MatchNotes
{
    Q_DECLARE_TR_FUNCTIONS(MatchNotes)

public:
    // "Mac found 1570 in 5 guesses" and the like; empty while no result is decided.
    static QString decision(const DecidedMatch &match);
    // A note on the latest of the user's guesses: already scored before, or at odds with the
    // scores of the earlier ones. Empty when it was a fair guess, or found the number. A hinted
    // guess at odds with the scores is the hint's probe, said as such: the player made no mistake.
    static QString latestGuessNote(const OwnRecords &records, bool latestHinted = false);
};
