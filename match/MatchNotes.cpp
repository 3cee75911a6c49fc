#include "MatchNotes.h"

#include "HitBlowController.h"
#include "app/OwnRecords.h"

#include <algorithm>

namespace {
QString digits(const std::optional<NumberSet> &numbers)
{
    QString text;
    if (numbers) {
        for (int digit : *numbers)
            text += QChar(u'0' + digit);
    }
    return text;
}
} // namespace

QString MatchNotes::decision(const HitBlowController &match)
{
    const int macGuesses = int(match.macFormerAnswers().size());
    const int userGuesses = int(match.userFormerAnswers().size());
    switch (match.matchResult()) {
    case MatchResultMacWon:
        if (macGuesses == 1)
            return tr("Mac found %1 at its first guess").arg(digits(match.userOwnNumbers()));
        return tr("Mac found %1 in %2 guesses").arg(digits(match.userOwnNumbers())).arg(macGuesses);
    case MatchResultUserWon:
        if (userGuesses == 1)
            return tr("You found %1 at your first guess").arg(digits(match.macOwnNumbers()));
        return tr("You found %1 in %2 guesses").arg(digits(match.macOwnNumbers())).arg(userGuesses);
    case MatchResultDraw:
        if (match.userHasLastChance())
            return tr("Both numbers found in round %1").arg(userGuesses);
        return tr("Neither number found in %1 guesses").arg(userGuesses);
    default:
        return {};
    }
}

QString MatchNotes::latestGuessNote(const OwnRecords &records)
{
    const std::size_t count = std::min({records.answers.size(), records.hits.size(), records.blows.size()});
    if (count < 2 || records.hits[count - 1] == 4)
        return {};
    const NumberSet &latest = records.answers[count - 1];
    QString shown;
    for (int digit : latest)
        shown += QChar(u'0' + digit);
    const auto earlier = records.answers.begin() + std::ptrdiff_t(count - 1);
    if (std::find(records.answers.begin(), earlier, latest) != earlier)
        return tr("You already tried %1.").arg(shown);
    OwnRecords before{{records.answers.begin(), earlier},
                      {records.hits.begin(), records.hits.begin() + std::ptrdiff_t(count - 1)},
                      {records.blows.begin(), records.blows.begin() + std::ptrdiff_t(count - 1)}};
    const CandidateList possible = before.candidates();
    if (std::find(possible.begin(), possible.end(), latest) == possible.end())
        return tr("%1 could not be Mac's number: it does not fit your earlier scores.").arg(shown);
    return {};
}
