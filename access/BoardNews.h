// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardMoment.h"

#include <QCoreApplication>
#include <QString>

// What changed on the board between two moments, in short sentences a screen reader speaks as it
// happens: a new match and what to do, each new score of either side, the result, Mac's guess with
// the round and what to type, the user's turn. Empty when nothing worth saying changed, so a
// drawing pass that changed nothing says nothing.
class BoardNews
{
    Q_DECLARE_TR_FUNCTIONS(BoardNews)

public:
    static QString between(const BoardMoment &before, const BoardMoment &after);
};
