// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardRecordAccessible.h"

#include "BoardSpeech.h"
#include "GameBoardView.h"

#include <QWidget>

namespace {
// Where each side's column stands on the board, in board coordinates (y up).
const QRectF kMacColumn(10, 100, 125, 360);
const QRectF kUserColumn(480, 20, 155, 440);
} // namespace

BoardRecordAccessible::BoardRecordAccessible(GameBoardView *board, BoardSpeech::Side side)
    : WidgetPartAccessible(board)
    , m_board(board)
    , m_side(side)
{
}

QString BoardRecordAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !m_board || !m_board->hitBlowController())
        return {};
    return BoardSpeech::record(*m_board->hitBlowController(), m_side);
}

QRect BoardRecordAccessible::rect() const
{
    if (!m_board)
        return {};
    const QRect inBoard = m_board->boardTransform().mapRect(m_side == BoardSpeech::Mac ? kMacColumn : kUserColumn).toAlignedRect();
    return QRect(m_board->mapToGlobal(inBoard.topLeft()), inBoard.size());
}

QAccessible::Role BoardRecordAccessible::role() const
{
    return QAccessible::StaticText;
}
