// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QDate>

// A daily puzzle being played, as the match controller drives it: which puzzle, the date it is
// the puzzle of (fixed when it starts, so a puzzle open at midnight stays that date's), whether it
// is practice (an earlier puzzle played again, never counted in the streak) and whether every
// guess so far was made in hard mode. There is no Mac turn: each guess is scored at once against
// the puzzle's secret.
class DailyRound
{
public:
    // Today's puzzle for a date on or after the first puzzle's; nothing before it.
    static std::optional<DailyRound> of(QDate today);
    // Puzzle number played again for practice; nothing for a number below 1.
    static std::optional<DailyRound> practice(int number);
    // The puzzle kept in a match, as it was started.
    DailyRound(int number, bool practice, bool hardMode);

    int number() const { return m_number; }
    QDate date() const;
    bool isPractice() const { return m_practice; }
    NumberSet secret() const;
    bool playedInHardMode() const { return m_hardMode; }
    // A guess made with hard mode off takes the hard mode mark away for good.
    void guessMade(bool hardModeOn) { m_hardMode = m_hardMode && hardModeOn; }

    // The result (MatchResult) after guesses scored, the last of them with lastHits: solved by four
    // hits (the user won), lost once the puzzle's guesses are used up, undecided otherwise.
    static int resultAfter(int guesses, int lastHits);

private:
    int m_number = 1;
    bool m_practice = false;
    bool m_hardMode = false;
};
