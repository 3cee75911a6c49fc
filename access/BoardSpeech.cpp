// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardSpeech.h"

#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/Localization.h"

#include <QStringList>

#include <algorithm>

namespace {
QString spokenDigits(const NumberSet &numbers)
{
    QStringList digits;
    for (int digit : numbers)
        digits << QString::number(digit);
    return digits.join(QLatin1Char(' '));
}

// The entries being typed, with every place not typed yet up to length read as blank.
QString spokenEntries(const std::vector<StyledText> &entries, int length)
{
    QStringList places;
    for (int i = 0; i < length; ++i) {
        const bool typed = i < int(entries.size()) && !entries[i].text.isEmpty();
        places << (typed ? entries[i].text : BoardSpeech::tr("blank"));
    }
    return places.join(QLatin1Char(' '));
}

QString spokenChoice(const std::array<int, 4> &chosen)
{
    QStringList places;
    for (int digit : chosen)
        places << (digit < 0 ? BoardSpeech::tr("blank") : QString::number(digit));
    return places.join(QLatin1Char(' '));
}
} // namespace

QString BoardSpeech::name()
{
    return QStringLiteral("Hit & Blow");
}

// Mac's guess is scored once the user's counts were accepted; the user's as soon as it is made.
QString BoardSpeech::latestMacScore(const HitBlowController &match)
{
    const std::size_t macScored = std::min(match.macFormerAnswers().size(), match.macFormerHitsCount().size());
    if (macScored == 0)
        return {};
    const std::size_t last = macScored - 1;
    return tr("Mac's guess %1: you scored %2, %3")
        .arg(spokenDigits(match.macFormerAnswers()[last]), hits(match.macFormerHitsCount()[last]),
             blows(match.macFormerBlowsCount()[last]));
}

QString BoardSpeech::latestUserScore(const HitBlowController &match)
{
    if (match.userFormerAnswers().empty())
        return {};
    return tr("Your guess %1: %2, %3")
        .arg(spokenDigits(match.userFormerAnswers().back()), hits(match.userFormerHitsCount().back()),
             blows(match.userFormerBlowsCount().back()));
}

QString BoardSpeech::digits(const NumberSet &numbers)
{
    return spokenDigits(numbers);
}

QString BoardSpeech::result(int matchResult)
{
    const char *key = GameBoardView::resultKey(matchResult);
    return key ? localizedString(key) : QString();
}

// English has a singular and a plural; each of the two keys is translated with all the plural
// forms of the user's language, so the right form is found without an English translation.
QString BoardSpeech::hits(int count)
{
    return count == 1 ? tr("%n hit", nullptr, count) : tr("%n hits", nullptr, count);
}

QString BoardSpeech::blows(int count)
{
    return count == 1 ? tr("%n blow", nullptr, count) : tr("%n blows", nullptr, count);
}

QString BoardSpeech::typingPlace(const GameBoardView &board)
{
    const HitBlowController *match = board.hitBlowController();
    const int place = board.typingIndex();
    const auto standing = [place](const std::vector<StyledText> &entries) {
        const bool typed = place < int(entries.size()) && !entries[std::size_t(place)].text.isEmpty();
        return typed ? entries[std::size_t(place)].text : tr("blank");
    };
    if (match && match->gameStatus() == GameStatusCheckHitBlow)
        return (place == 0 ? tr("Hits: %1") : tr("Blows: %1")).arg(standing(board.currenMacHitBlow()));
    if (match && match->gameStatus() == GameStatusUserTurn)
        return tr("Position %1 of 4: %2").arg(place + 1).arg(standing(board.currentUserAnswer()));
    return {};
}

QString BoardSpeech::description(const GameBoardView &board)
{
    const HitBlowController *match = board.hitBlowController();
    if (!match)
        return {};
    const int status = match->gameStatus();
    QStringList lines;
    // The message line's "Result is..." is over once the result stands.
    const bool decided = match->matchResult() != MatchResultNone && status >= GameStatusGameOver;
    if (!board.messageStr().text.isEmpty() && !decided)
        lines << board.messageStr().text;
    switch (status) {
    case GameStatusChooseNumbers:
        lines << tr("Your number: %1").arg(spokenChoice(board.userNumbers()));
        break;
    case GameStatusCheckHitBlow:
        if (match->macCurrentAnswer())
            lines << tr("Mac guesses %1.").arg(spokenDigits(*match->macCurrentAnswer()));
        lines << tr("Hits and blows typed: %1; typing position %2 of 2")
                     .arg(spokenEntries(board.currenMacHitBlow(), 2))
                     .arg(board.typingIndex() + 1);
        break;
    case GameStatusUserTurn:
        lines << tr("Your guess: %1; typing position %2 of 4")
                     .arg(spokenEntries(board.currentUserAnswer(), 4))
                     .arg(board.typingIndex() + 1);
        break;
    case GameStatusGameOver:
    case GameStatusResultShown:
        if (const char *key = GameBoardView::resultKey(match->matchResult()))
            lines << localizedString(key);
        break;
    default:
        break;
    }

    // Sighted players see their number on the board all match long.
    if (status >= GameStatusMacTurn && match->userOwnNumbers())
        lines << tr("Your number: %1").arg(spokenDigits(*match->userOwnNumbers()));
    if (!latestMacScore(*match).isEmpty())
        lines << latestMacScore(*match);
    if (!latestUserScore(*match).isEmpty())
        lines << latestUserScore(*match);
    const PrefWindowController *prefs = board.prefWindowController();
    if (prefs && prefs->candidatesVisible() == 1 && status >= GameStatusMacTurn) {
        lines << QStringLiteral("%1: %2").arg(localizedString("The Rest Candidates Count"))
                                         .arg(match->restCandidatesCount());
    }
    return lines.join(QLatin1Char('\n'));
}

QString BoardSpeech::record(const HitBlowController &match, Side side)
{
    const bool mac = side == Mac;
    const std::vector<NumberSet> &answers = mac ? match.macFormerAnswers() : match.userFormerAnswers();
    const std::vector<int> &hitCounts = mac ? match.macFormerHitsCount() : match.userFormerHitsCount();
    const std::vector<int> &blowCounts = mac ? match.macFormerBlowsCount() : match.userFormerBlowsCount();
    const std::size_t scored = std::min({answers.size(), hitCounts.size(), blowCounts.size()});
    if (scored == 0)
        return mac ? tr("Mac's guesses: none yet") : tr("Your guesses: none yet");
    QStringList lines{mac ? tr("Mac's guesses:") : tr("Your guesses:")};
    for (std::size_t i = 0; i < scored; ++i) {
        lines << tr("%1. %2: %3, %4")
                     .arg(i + 1)
                     .arg(spokenDigits(answers[i]), hits(hitCounts[i]), blows(blowCounts[i]));
    }
    return lines.join(QLatin1Char('\n'));
}
