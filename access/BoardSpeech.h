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
    // The heading of one side's record, then each of its scored guesses, one a line.
    static QString record(const HitBlowController &match, Side side);

    // "1 hit", "2 blows": counts in words, pluralised in the user's language.
    static QString hits(int count);
    static QString blows(int count);
};
