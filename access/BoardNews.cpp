// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardNews.h"

#include "HitBlowController.h"

#include <QStringList>

QString BoardNews::between(const BoardMoment &before, const BoardMoment &after)
{
    QStringList news;
    if (after.status == GameStatusChooseNumbers && before.status != GameStatusChooseNumbers)
        news << tr("New match. Choose your number: four different digits.");
    if (after.macScored > before.macScored)
        news << tr("%1.", "a score as a sentence").arg(after.macScore);
    if (after.userScored > before.userScored)
        news << tr("%1.", "a score as a sentence").arg(after.userScore);
    if (!after.result.isEmpty() && before.result.isEmpty())
        news << after.result;
    const bool newMacGuess = !after.macGuess.isEmpty()
                             && (before.macGuess != after.macGuess || before.round != after.round);
    if (after.status == GameStatusCheckHitBlow && newMacGuess && !after.typedCounts.isEmpty())
        news << tr("Round %1. Mac guesses %2: its counts stand typed, %3; Return confirms them.")
                    .arg(after.round)
                    .arg(after.macGuess, after.typedCounts);
    else if (after.status == GameStatusCheckHitBlow && newMacGuess)
        news << tr("Round %1. Mac guesses %2: type its hits, then its blows.").arg(after.round).arg(after.macGuess);
    if (after.puzzle > 0 && after.puzzle != before.puzzle)
        news << tr("Daily puzzle #%1.").arg(after.puzzle);
    if (after.status == GameStatusUserTurn && before.status != GameStatusUserTurn)
        news << tr("Your turn: type your guess, four different digits.");
    return news.join(QLatin1Char(' '));
}
