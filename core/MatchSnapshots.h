// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HitBlowController.h"
#include "match/MatchNotes.h"
#include "match/MatchProgress.h"
#include "match/OwnRecords.h"

// The plain data the widget-free match/ classes take, read off the running match.

inline OwnRecords ownRecordsOf(const HitBlowController &match)
{
    return {turnsOf(match.userFormerAnswers(), match.userFormerHitsCount(), match.userFormerBlowsCount())};
}

inline MatchProgress progressOf(const HitBlowController &match)
{
    // Mac's last guess may still wait for its score: only the scored ones are kept.
    const std::optional<DailyRound> &daily = match.dailyRound();
    return {gameStatusOf(match.gameStatus()),
            matchResultOf(match.matchResult()),
            int(match.userFormerAnswers().size()),
            ownRecordsOf(match),
            {turnsOf(match.macFormerAnswers(), match.macFormerHitsCount(), match.macFormerBlowsCount())},
            match.macOwnNumbers(),
            daily ? daily->number() : 0,
            daily && daily->isPractice(),
            daily && daily->playedInHardMode()};
}

inline DecidedMatch decidedMatchOf(const HitBlowController &match)
{
    return {matchResultOf(match.matchResult()),
            match.macOwnNumbers(),
            match.userOwnNumbers(),
            int(match.macFormerAnswers().size()),
            int(match.userFormerAnswers().size()),
            match.userHasLastChance()};
}
