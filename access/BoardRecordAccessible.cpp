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
    : m_board(board)
    , m_side(side)
{
}

bool BoardRecordAccessible::isValid() const
{
    return !m_board.isNull();
}

QObject *BoardRecordAccessible::object() const
{
    return nullptr;
}

QWindow *BoardRecordAccessible::window() const
{
    return m_board ? m_board->window()->windowHandle() : nullptr;
}

QAccessibleInterface *BoardRecordAccessible::parent() const
{
    return m_board ? QAccessible::queryAccessibleInterface(m_board.data()) : nullptr;
}

QAccessibleInterface *BoardRecordAccessible::child(int) const
{
    return nullptr;
}

int BoardRecordAccessible::childCount() const
{
    return 0;
}

int BoardRecordAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QAccessibleInterface *BoardRecordAccessible::childAt(int, int) const
{
    return nullptr;
}

QString BoardRecordAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !m_board || !m_board->hitBlowController())
        return {};
    return BoardSpeech::record(*m_board->hitBlowController(), m_side);
}

void BoardRecordAccessible::setText(QAccessible::Text, const QString &)
{
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

QAccessible::State BoardRecordAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !m_board || !m_board->isVisible();
    return state;
}
