// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DuelPlay.h"
#include "match/MatchStatistics.h"

#include <QDateTime>

#include <optional>

// The statistics' row of an ended duel from the side of player, who sits at this computer: the
// player's guesses as the match's turns, the opponent's as the other side's, the opponent's
// number where it is known. Leaving before the end is abandoning; an opponent who left forfeits,
// one whose scores were false is disqualified (won, marked opponentLied). Nothing while the duel
// runs, or when it ended before the player's first guess.
std::optional<MatchRecord> duelRecordOf(const DuelPlay &duel, int player, bool overNetwork, const QDateTime &finished);
