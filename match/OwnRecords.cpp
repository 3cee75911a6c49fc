// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnRecords.h"

#include "rules/MatchRules.h"
#include "rules/NumberText.h"
#include "expert/ScoreCodes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {
// Pruning by the full score of each guess, shared digits and digits in place.
constexpr int kFullScoreLevel = 1;
const QString kGuess = QStringLiteral("guess");
const QString kHits = QStringLiteral("hits");
const QString kBlows = QStringLiteral("blows");

} // namespace

CandidateList OwnRecords::candidates() const
{
    const NumberComparer comparer;
    CandidateList candidates = comparer.makeCandidatesArray();
    // The comparer's pruning reads the records as its three parallel lists.
    std::vector<int> hits, blows;
    for (const Turn &turn : turns) {
        hits.push_back(turn.score.hits);
        blows.push_back(turn.score.blows);
    }
    const std::vector<NumberSet> answers = guesses();
    for (std::size_t i = 0; i < turns.size(); ++i)
        comparer.removeCandidatesIn(candidates, answers[i], hits[i], blows[i], answers, hits, blows, kFullScoreLevel);
    return candidates;
}

std::vector<NumberSet> OwnRecords::guesses() const
{
    std::vector<NumberSet> guesses;
    for (const Turn &turn : turns)
        guesses.push_back(turn.guess);
    return guesses;
}

std::vector<HitBlowResult> OwnRecords::scores() const
{
    std::vector<HitBlowResult> scores;
    for (const Turn &turn : turns)
        scores.push_back(turn.score);
    return scores;
}

QString OwnRecords::toJsonText() const
{
    // Written by hand, so that each turn reads guess, hits, blows in that order.
    QStringList entries;
    for (const Turn &turn : turns) {
        entries << QStringLiteral(R"({"%1":"%2","%3":%4,"%5":%6})")
                       .arg(kGuess, NumberText::of(turn.guess), kHits, QString::number(turn.score.hits), kBlows,
                            QString::number(turn.score.blows));
    }
    return QLatin1Char('[') + entries.join(QLatin1Char(',')) + QLatin1Char(']');
}

OwnRecords OwnRecords::fromJsonText(const QString &text)
{
    OwnRecords records;
    // A match has at most kMostUserGuesses guesses a side: a longer text is no match's, and is not
    // even parsed, however long it is.
    if (text.isEmpty() || text.size() > kLongestJsonText)
        return records;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (document.array().size() > kMostUserGuesses)
        return records;
    for (const QJsonValue turn : document.array()) {
        const std::optional<NumberSet> guess = NumberText::parse(turn[kGuess].toString());
        const int hits = turn[kHits].toInt(-1);
        const int blows = turn[kBlows].toInt(-1);
        // A score no guess can get (3-1, more than four together) marks a damaged record.
        if (!guess || !ScoreCodes::isScore(hits, blows) || !turn[kHits].isDouble() || !turn[kBlows].isDouble())
            return {};
        records.turns.push_back({*guess, {hits, blows}});
    }
    return records;
}
