// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/SavedMatch.h"

#include "rules/MatchRules.h"
#include "rules/NumberText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace {
QJsonArray guessesJson(const std::vector<Turn> &turns, const std::optional<NumberSet> &unscoredGuess = std::nullopt)
{
    QJsonArray list;
    for (const Turn &turn : turns)
        list.append(QJsonObject{{"guess", NumberText::of(turn.guess)}, {"hits", turn.score.hits}, {"blows", turn.score.blows}});
    if (unscoredGuess)
        list.append(QJsonObject{{"guess", NumberText::of(*unscoredGuess)}});
    return list;
}

template <std::size_t N>
QJsonArray intsJson(const std::array<int, N> &values)
{
    QJsonArray list;
    for (int value : values)
        list.append(value);
    return list;
}

template <std::size_t N>
std::optional<std::array<int, N>> intsFrom(const QJsonValue &value)
{
    const QJsonArray list = value.toArray();
    if (list.size() != qsizetype(N))
        return std::nullopt;
    std::array<int, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        if (!list[qsizetype(i)].isDouble())
            return std::nullopt;
        values[i] = list[qsizetype(i)].toInt(-1);
    }
    return values;
}

// Reads one side's guesses; every guess carries its true score against secret, except that the
// last has none when unscoredLast is given, and goes there. False on any other entry.
bool readGuesses(const QJsonValue &value, const NumberSet &secret, std::vector<Turn> &turns,
                 std::optional<NumberSet> *unscoredLast = nullptr)
{
    if (!value.isArray())
        return false;
    const QJsonArray list = value.toArray();
    const NumberComparer rules;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonObject entry = list[i].toObject();
        const std::optional<NumberSet> guess = NumberText::parse(entry.value("guess").toString());
        if (!guess)
            return false;
        const bool scored = entry.contains("hits") || entry.contains("blows");
        if (scored != !(unscoredLast && i == list.size() - 1))
            return false;
        if (!scored) {
            *unscoredLast = *guess;
            continue;
        }
        const HitBlowResult score = rules.checkHitsBlowsIn(secret, *guess);
        if (entry.value("hits").toInt(-1) != score.hits || entry.value("blows").toInt(-1) != score.blows
            || !entry.value("hits").isDouble() || !entry.value("blows").isDouble())
            return false;
        turns.push_back({*guess, score});
    }
    return true;
}

// Whether the rounds of match fit its status and no side has won yet.
bool roundsFitStatus(const SavedMatch &match)
{
    const std::size_t macGuesses = match.macTurns.size() + (match.macUnscoredGuess ? 1 : 0);
    const std::size_t userGuesses = match.userTurns.size();
    const bool macRoundOpen = match.status == GameStatusCheckHitBlow || match.status == GameStatusUserTurn;
    if (macGuesses != userGuesses + (macRoundOpen ? 1 : 0) || userGuesses >= std::size_t(kMostUserGuesses))
        return false;
    // The pause after the user's guess shows that guess's score.
    if (match.status == GameStatusUserResult && userGuesses == 0)
        return false;
    // A guess of four hits decides the match at the end of its round.
    const auto fourHits = [](const std::vector<Turn> &turns, std::size_t count) {
        return std::any_of(turns.begin(), turns.begin() + std::ptrdiff_t(std::min(count, turns.size())),
                           [](const Turn &turn) { return turn.score.hits == 4; });
    };
    const std::size_t closedMacRounds = macRoundOpen ? macGuesses - 1 : macGuesses;
    return !fourHits(match.userTurns, userGuesses) && !fourHits(match.macTurns, closedMacRounds);
}

// A daily puzzle waits for the user's guess or shows its score; it is undecided and within its
// guesses.
bool dailyFitsStatus(const SavedMatch &match, int mostGuesses)
{
    const std::size_t guesses = match.userTurns.size();
    if (match.status != GameStatusUserTurn && match.status != GameStatusUserResult)
        return false;
    if ((match.status == GameStatusUserResult && guesses == 0) || guesses >= std::size_t(mostGuesses))
        return false;
    return std::none_of(match.userTurns.begin(), match.userTurns.end(),
                        [](const Turn &turn) { return turn.score.hits == kDigitCount; })
        && match.macTurns.empty() && !match.macUnscoredGuess && !match.candidates && match.macLevels.empty();
}

// One strength for each guess and each score of Mac's, each a strength of the game.
bool levelsFit(const SavedMatch &match)
{
    const std::size_t steps = 2 * match.macTurns.size() + (match.macUnscoredGuess ? 1 : 0);
    return match.macLevels.size() == steps
        && std::all_of(match.macLevels.begin(), match.macLevels.end(),
                       [](int level) { return level >= 0 && level <= kStrongestLevel; });
}

bool candidatesFit(const SavedMatch &match)
{
    const CandidateList &candidates = *match.candidates;
    if (!std::is_sorted(candidates.begin(), candidates.end())
        || std::adjacent_find(candidates.begin(), candidates.end()) != candidates.end())
        return false;
    // The user's secret stays a candidate until Mac guesses it, so Mac always has one to take.
    const bool found = match.macUnscoredGuess == match.userOwnNumbers
        || std::any_of(match.macTurns.begin(), match.macTurns.end(),
                       [&](const Turn &turn) { return turn.guess == match.userOwnNumbers; });
    return found
        || std::binary_search(candidates.begin(), candidates.end(), match.userOwnNumbers);
}

QString levelsText(const std::vector<int> &levels)
{
    QString text;
    for (int level : levels)
        text += QChar(u'0' + level);
    return text;
}

std::vector<int> levelsFrom(const QString &text)
{
    std::vector<int> levels;
    for (const QChar digit : text)
        levels.push_back(digit.isDigit() ? digit.digitValue() : -1);
    return levels;
}
} // namespace

QByteArray SavedMatch::toJson() const
{
    QJsonObject root{
        {"version", kVersion},
        {"status", int(status)},
        {"strength", strength},
        {"macSecret", NumberText::of(macOwnNumbers)},
        {"userSecret", NumberText::of(userOwnNumbers)},
        {"mac", guessesJson(macTurns, macUnscoredGuess)},
        {"user", guessesJson(userTurns)},
        {"hinted", hinted},
    };
    if (!notes.isEmpty())
        root.insert("notes", notes);
    if (dailyPuzzle > 0)
        root.insert("daily", QJsonObject{{"puzzle", dailyPuzzle}, {"practice", dailyPractice}, {"hardMode", dailyHardMode}});
    if (candidates) {
        QStringList candidateTexts;
        candidateTexts.reserve(qsizetype(candidates->size()));
        for (const NumberSet &candidate : *candidates)
            candidateTexts << NumberText::of(candidate);
        root.insert("candidates", candidateTexts.join(u' '));
    } else if (dailyPuzzle == 0) {
        root.insert("levels", levelsText(macLevels));
    }
    if (relabelling) {
        root.insert("relabelling", QJsonObject{{"digits", intsJson(relabelling->digits())},
                                               {"positions", intsJson(relabelling->positions())}});
    }
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<SavedMatch> SavedMatch::fromJson(const QByteArray &text, QString *error)
{
    const auto refuse = [error](const char *reason) -> std::optional<SavedMatch> {
        if (error)
            *error = QString::fromLatin1(reason);
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (!document.isObject())
        return refuse("not a JSON object");
    const QJsonObject root = document.object();
    const int version = root.value("version").toInt(-1);
    if (version != kVersion && version != 1)
        return refuse("a form of another version");

    SavedMatch match;
    match.status = gameStatusOf(root.value("status").toInt(-1));
    match.strength = root.value("strength").toInt(-1);
    match.hinted = root.value("hinted").toBool(false);
    match.notes = root.value("notes").toString();
    if (!isMatchRunning(match.status))
        return refuse("no running match");
    if (match.strength < 0 || match.strength > kStrongestLevel)
        return refuse("no strength of the game");
    const std::optional<NumberSet> macSecret = NumberText::parse(root.value("macSecret").toString());
    if (root.contains("daily")) {
        const QJsonObject daily = root.value("daily").toObject();
        match.dailyPuzzle = daily.value("puzzle").toInt(0);
        match.dailyPractice = daily.value("practice").toBool(false);
        match.dailyHardMode = daily.value("hardMode").toBool(false);
        if (match.dailyPuzzle < 1 || !macSecret)
            return refuse("a daily puzzle without its number or secret");
        match.macOwnNumbers = *macSecret;
        if (!readGuesses(root.value("user"), match.macOwnNumbers, match.userTurns))
            return refuse("a guess or score that does not fit the secrets");
        if (!dailyFitsStatus(match, kMostDailyGuesses))
            return refuse("guesses that do not fit the turn");
        return match;
    }
    const std::optional<NumberSet> userSecret = NumberText::parse(root.value("userSecret").toString());
    if (!macSecret || !userSecret)
        return refuse("a secret that is no number of four distinct digits");
    match.macOwnNumbers = *macSecret;
    match.userOwnNumbers = *userSecret;
    if (!readGuesses(root.value("mac"), match.userOwnNumbers, match.macTurns,
                     match.status == GameStatusCheckHitBlow ? &match.macUnscoredGuess : nullptr)
        || !readGuesses(root.value("user"), match.macOwnNumbers, match.userTurns))
        return refuse("a guess or score that does not fit the secrets");
    if (!roundsFitStatus(match))
        return refuse("guesses that do not fit the turn");

    if (version == 1 || root.contains("candidates")) {
        const QStringList candidateTexts = root.value("candidates").toString().split(u' ', Qt::SkipEmptyParts);
        match.candidates.emplace();
        for (const QString &candidateText : candidateTexts) {
            const std::optional<NumberSet> candidate = NumberText::parse(candidateText);
            if (!candidate)
                return refuse("a candidate that is no number of four distinct digits");
            match.candidates->push_back(*candidate);
        }
        if (!candidatesFit(match))
            return refuse("candidates that do not fit the scores");
    } else {
        match.macLevels = levelsFrom(root.value("levels").toString());
        if (!levelsFit(match))
            return refuse("strengths that do not fit Mac's moves");
    }

    if (root.contains("relabelling")) {
        const QJsonObject relabelling = root.value("relabelling").toObject();
        const auto digits = intsFrom<10>(relabelling.value("digits"));
        const auto positions = intsFrom<4>(relabelling.value("positions"));
        match.relabelling = digits && positions ? Relabelling::fromPermutations(*digits, *positions) : std::nullopt;
        if (!match.relabelling)
            return refuse("a relabelling that is none");
    }
    return match;
}
