// SPDX-License-Identifier: GPL-3.0-or-later
#include "MatchNotes.h"

#include "rules/MatchRules.h"
#include "rules/NumberText.h"
#include "OwnRecords.h"

#include <algorithm>

namespace {
QString digits(const std::optional<NumberSet> &numbers)
{
    return numbers ? NumberText::of(*numbers) : QString();
}
} // namespace

QString MatchNotes::decision(const DecidedMatch &match)
{
    switch (match.result) {
    case MatchResultMacWon:
        if (match.macGuesses == 1)
            return tr("Mac found %1 at its first guess").arg(digits(match.userNumber));
        return tr("Mac found %1 in %2 guesses").arg(digits(match.userNumber)).arg(match.macGuesses);
    case MatchResultUserWon:
        if (match.userGuesses == 1)
            return tr("You found %1 at your first guess").arg(digits(match.macNumber));
        return tr("You found %1 in %2 guesses").arg(digits(match.macNumber)).arg(match.userGuesses);
    case MatchResultDraw:
        if (match.userHadLastChance)
            return tr("Both numbers found in round %1").arg(match.userGuesses);
        return tr("Neither number found in %1 guesses").arg(match.userGuesses);
    default:
        return {};
    }
}

QString MatchNotes::latestGuessNote(const OwnRecords &records, bool latestHinted)
{
    const std::vector<Turn> &turns = records.turns;
    if (turns.size() < 2 || turns.back().score.hits == 4)
        return {};
    const NumberSet &latest = turns.back().guess;
    const QString shown = digits(latest);
    const auto earlier = turns.end() - 1;
    if (std::any_of(turns.begin(), earlier, [&](const Turn &turn) { return turn.guess == latest; }))
        return tr("You already tried %1.").arg(shown);
    const OwnRecords before{{turns.begin(), earlier}};
    const CandidateList possible = before.candidates();
    if (std::find(possible.begin(), possible.end(), latest) != possible.end())
        return {};
    if (latestHinted)
        return tr("%1 can't be Mac's number, but splits the rest best.").arg(shown);
    return tr("%1 could not be Mac's number: it does not fit your earlier scores.").arg(shown);
}
