// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardView.h"

#include "GameBoardLayout.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"

#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>

// The board's conveniences for the player: pieces taken back while the secret is chosen, and the
// true counts typed for the user when the game counts them anyway.

using namespace GameBoardLayout;

namespace {
// The marks and cards printed on the board's artwork, by their centres: a filled dot for the hits
// and a ring for the blows above each record and above the count boxes, and the two small cards
// that head the records.
constexpr QPointF kHitMarks[] = {{79, 461.5}, {576, 461.5}, {230, 313}};
constexpr QPointF kBlowMarks[] = {{104, 461.5}, {613, 461.5}, {298, 313}};
constexpr QPointF kMacCard{38, 461.5};
constexpr QPointF kUserCard{514, 461.5};
constexpr double kMarkReach = 8;
constexpr Area kMacRow{kPieceRowLeft, kMacRowY, kPieceRowLeft + 4 * kPieceSpacing, kMacRowY + 80};
constexpr Area kUserRow{kPieceRowLeft, kUserRowY, kPieceRowLeft + 4 * kPieceSpacing, kUserRowY + 80};
constexpr Area kCandidatesBox{2, 50, 150, 94};

bool near(QPointF point, QPointF mark)
{
    return std::abs(point.x() - mark.x()) <= kMarkReach && std::abs(point.y() - mark.y()) <= kMarkReach;
}

bool nearAny(QPointF point, const QPointF (&marks)[3])
{
    return std::any_of(std::begin(marks), std::end(marks), [point](QPointF mark) { return near(point, mark); });
}
} // namespace

QString GameBoardView::toolTipAt(QPointF boardPoint) const
{
    const GameStatus status = m_hitBlowController ? gameStatusOf(m_hitBlowController->gameStatus()) : GameStatusTitle;
    if (nearAny(boardPoint, kHitMarks))
        return tr("Hits: the right digit in the right place");
    if (nearAny(boardPoint, kBlowMarks))
        return tr("Blows: the right digit in the wrong place");
    if (near(boardPoint, kMacCard))
        return tr("Mac's guesses at your number, with their hits and blows");
    if (near(boardPoint, kUserCard))
        return tr("Your guesses at Mac's number, with their hits and blows");
    if (status >= GameStatusMacTurn && kMacRow.holds(boardPoint))
        return tr("Mac's number, face down until the match is decided");
    if (status == GameStatusChooseNumbers && kUserRow.holds(boardPoint))
        return tr("Your number: click a chosen piece, or press Backspace, to take it back");
    if (status >= GameStatusMacTurn && kUserRow.holds(boardPoint))
        return tr("Your number, which Mac is guessing");
    if (status >= GameStatusMacTurn && status <= GameStatusGameOver && m_prefWindowController
        && m_prefWindowController->candidatesVisible() == 1 && kCandidatesBox.holds(boardPoint))
        return tr("How many numbers Mac still considers for yours");
    return {};
}

bool GameBoardView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const QString text = toolTipAt(boardPointFromWidget(help->pos()));
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}

// Puts the piece at place back among the choices; the pieces after it close up, so the last one
// in the row is always the last one chosen.
void GameBoardView::returnChoice(int place)
{
    if (place < 0 || place >= int(m_userNumbers.size()) || m_userNumbers[place] < 0)
        return;
    const int digit = m_userNumbers[place];
    m_restChoices[digit] = digit;
    std::copy(m_userNumbers.begin() + place + 1, m_userNumbers.end(), m_userNumbers.begin() + place);
    m_userNumbers.back() = -1;
    playInputSound("gasa");
    setNeedsDisplay();
}

int GameBoardView::chosenPlaceAt(QPointF boardPoint) const
{
    for (int place = 0; place < int(m_userNumbers.size()); ++place) {
        if (m_userNumbers[place] >= 0 && chosenPieceHitArea(place).holds(boardPoint))
            return place;
    }
    return -1;
}

// With the automatic check the game knows the counts: they stand typed as the guess appears, the
// typing position on the hits, and Return confirms them. Typing over them works as ever.
void GameBoardView::typeTrueCountsIfAutomatic()
{
    if (!inputConnected() || m_prefWindowController->autoCheck() == 0)
        return;
    const auto &secret = m_hitBlowController->userOwnNumbers();
    const auto &macAnswer = m_hitBlowController->macCurrentAnswer();
    if (!secret || !macAnswer)
        return;
    const HitBlowResult truth = m_hitBlowController->numberComparer().checkHitsBlowsIn(*secret, *macAnswer);
    m_fontStyle.fontSize = kCountsFontSize;
    m_entry.setCounts(truth);
    setNeedsDisplay();
}
