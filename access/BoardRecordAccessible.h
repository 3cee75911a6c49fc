// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardSpeech.h"
#include "access/WidgetPartAccessible.h"

#include <QPointer>

class GameBoardView;

// One side's record column of the board, as assistive technology reads it: a static text whose
// name is the heading and every scored guess of that side in words, oldest first. Screen readers
// reach it by reviewing the window (Orca's flat review) or by moving into the board's children.
class BoardRecordAccessible : public WidgetPartAccessible
{
public:
    BoardRecordAccessible(GameBoardView *board, BoardSpeech::Side side);

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;

private:
    QPointer<GameBoardView> m_board;
    BoardSpeech::Side m_side;
};
