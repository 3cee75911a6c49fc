// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DailyRound.h"

#include "daily/DailyPuzzle.h"
#include "rules/MatchRules.h"

std::optional<DailyRound> DailyRound::of(QDate today)
{
    const int number = DailyPuzzle::numberOn(today);
    if (number < 1)
        return std::nullopt;
    return DailyRound(number, false, false);
}

std::optional<DailyRound> DailyRound::practice(int number)
{
    if (number < 1)
        return std::nullopt;
    return DailyRound(number, true, false);
}

DailyRound::DailyRound(int number, bool practice, bool hardMode)
    : m_number(number)
    , m_practice(practice)
    , m_hardMode(hardMode)
{
}

QDate DailyRound::date() const
{
    return DailyPuzzle::dateOf(m_number);
}

NumberSet DailyRound::secret() const
{
    return DailyPuzzle::secretOf(m_number);
}

int DailyRound::resultAfter(int guesses, int lastHits)
{
    if (lastHits == kDigitCount)
        return MatchResultUserWon;
    return guesses >= kMostDailyGuesses ? MatchResultMacWon : MatchResultNone;
}
