#include "OwnRecords.h"

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

// "0123" as a number of four different digits, or nothing.
std::optional<NumberSet> numberFrom(const QString &text)
{
    NumberSet number{};
    if (text.size() != int(number.size()))
        return std::nullopt;
    std::array<bool, 10> seen{};
    for (int i = 0; i < text.size(); ++i) {
        const int digit = text.at(i).unicode() - u'0';
        if (digit < 0 || digit > 9 || seen[digit])
            return std::nullopt;
        seen[digit] = true;
        number[i] = digit;
    }
    return number;
}
} // namespace

CandidateList OwnRecords::candidates() const
{
    const NumberComparer comparer;
    CandidateList candidates = comparer.makeCandidatesArray();
    const std::size_t count = std::min({answers.size(), hits.size(), blows.size()});
    for (std::size_t i = 0; i < count; ++i) {
        comparer.removeCandidatesIn(candidates, answers[i], hits[i], blows[i], answers, hits, blows,
                                    kFullScoreLevel);
    }
    return candidates;
}

std::vector<HitBlowResult> OwnRecords::scores() const
{
    std::vector<HitBlowResult> scores;
    for (std::size_t i = 0; i < std::min(hits.size(), blows.size()); ++i)
        scores.push_back({hits[i], blows[i]});
    return scores;
}

QString OwnRecords::toJsonText() const
{
    // Written by hand, so that each turn reads guess, hits, blows in that order.
    QStringList turns;
    for (std::size_t i = 0; i < std::min({answers.size(), hits.size(), blows.size()}); ++i) {
        QString guess;
        for (int digit : answers[i])
            guess += QChar(u'0' + digit);
        turns << QStringLiteral(R"({"%1":"%2","%3":%4,"%5":%6})")
                     .arg(kGuess, guess, kHits, QString::number(hits[i]), kBlows, QString::number(blows[i]));
    }
    return QLatin1Char('[') + turns.join(QLatin1Char(',')) + QLatin1Char(']');
}

OwnRecords OwnRecords::fromJsonText(const QString &text)
{
    OwnRecords records;
    if (text.isEmpty())
        return records;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    for (const QJsonValue turn : document.array()) {
        const std::optional<NumberSet> guess = numberFrom(turn[kGuess].toString());
        const int hits = turn[kHits].toInt(-1);
        const int blows = turn[kBlows].toInt(-1);
        // A score no guess can get (3-1, more than four together) marks a damaged record.
        const bool possible = hits >= 0 && blows >= 0 && hits + blows <= 4 && !(hits == 3 && blows == 1);
        if (!guess || !possible || !turn[kHits].isDouble() || !turn[kBlows].isDouble())
            return {};
        records.answers.push_back(*guess);
        records.hits.push_back(hits);
        records.blows.push_back(blows);
    }
    return records;
}
