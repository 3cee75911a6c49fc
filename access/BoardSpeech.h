// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QCoreApplication>
#include <QString>

class GameBoardView;
class HitBlowController;

// The board in words, for assistive technology: what a sighted player reads off the painted board.
class BoardSpeech
{
    Q_DECLARE_TR_FUNCTIONS(BoardSpeech)

public:
    enum Side { Mac, User };

    // The game's name, which is the board's.
    static QString name();
    // The message line, what is being typed with its typing position, the result once decided,
    // the latest score of each side and the candidates count where the board shows it; one
    // sentence a line.
    static QString description(const GameBoardView &board);
    // Where typing goes next and what stands there: "Position 2 of 4: 7", "Blows: blank".
    static QString typingPlace(const GameBoardView &board);
    // The heading of one side's record, then each of its scored guesses, one a line.
    static QString record(const HitBlowController &match, Side side);

    // The latest scored guess of each side in words ("Mac's guess 0 1 2 3: you scored 0 hits,
    // 2 blows", "Your guess 5 6 7 8: 1 hit, 2 blows"); empty before the first.
    static QString latestMacScore(const HitBlowController &match);
    static QString latestUserScore(const HitBlowController &match);
    // "5 0 9 3": digits one by one.
    static QString digits(const NumberSet &numbers);
    // "You won", "You lost" or "Draw" for a decided match result, else empty.
    static QString result(int matchResult);

    // "1 hit", "2 blows": counts in words, pluralised in the user's language.
    static QString hits(int count);
    static QString blows(int count);
};
