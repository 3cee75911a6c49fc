// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelRecord.h"

namespace {
MatchOutcome outcomeFor(const DuelPlay::Result &result, int player)
{
    const bool mine = result.player == player;
    switch (result.ending) {
    case DuelPlay::Ending::Won:
        return mine ? MatchOutcome::Won : MatchOutcome::Lost;
    case DuelPlay::Ending::Lied:
        return mine ? MatchOutcome::Lost : MatchOutcome::Won;
    case DuelPlay::Ending::Left:
        return mine ? MatchOutcome::Abandoned : MatchOutcome::Won;
    case DuelPlay::Ending::Draw:
    case DuelPlay::Ending::Running:
        break;
    }
    return MatchOutcome::Draw;
}
} // namespace

std::optional<MatchRecord> duelRecordOf(const DuelPlay &duel, int player, bool overNetwork, const QDateTime &finished)
{
    const DuelPlay::Result result = duel.result();
    const int opponent = 1 - player;
    if (result.ending == DuelPlay::Ending::Running || duel.turnsOf(player).empty())
        return std::nullopt;
    MatchRecord record;
    record.finished = finished.toUTC();
    record.strength = 0;
    record.result = outcomeFor(result, player);
    record.guesses = int(duel.turnsOf(player).size());
    record.turns.turns = duel.turnsOf(player);
    record.macTurns.turns = duel.turnsOf(opponent);
    record.macNumber = duel.secretOf(opponent);
    record.mode = MatchMode::Duel;
    record.opponent = duel.playerName(opponent);
    record.overNetwork = overNetwork;
    record.opponentLied = result.ending == DuelPlay::Ending::Lied && result.player == opponent;
    return record;
}
