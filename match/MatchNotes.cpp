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
    const std::size_t count = std::min({records.answers.size(), records.hits.size(), records.blows.size()});
    if (count < 2 || records.hits[count - 1] == 4)
        return {};
    const NumberSet &latest = records.answers[count - 1];
    const QString shown = digits(latest);
    const auto earlier = records.answers.begin() + std::ptrdiff_t(count - 1);
    if (std::find(records.answers.begin(), earlier, latest) != earlier)
        return tr("You already tried %1.").arg(shown);
    OwnRecords before{{records.answers.begin(), earlier},
                      {records.hits.begin(), records.hits.begin() + std::ptrdiff_t(count - 1)},
                      {records.blows.begin(), records.blows.begin() + std::ptrdiff_t(count - 1)}};
    const CandidateList possible = before.candidates();
    if (std::find(possible.begin(), possible.end(), latest) != possible.end())
        return {};
    if (latestHinted)
        return tr("%1 can't be Mac's number, but splits the rest best.").arg(shown);
    return tr("%1 could not be Mac's number: it does not fit your earlier scores.").arg(shown);
}
