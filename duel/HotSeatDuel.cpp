// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotSeatDuel.h"

#include "rules/MatchRules.h"

#include <algorithm>

namespace {
bool isValidNumber(const NumberSet &number)
{
    for (std::size_t i = 0; i < number.size(); ++i) {
        if (number[i] < 0 || number[i] > 9)
            return false;
        if (std::find(number.begin() + i + 1, number.end(), number[i]) != number.end())
            return false;
    }
    return true;
}

bool found(const std::vector<Turn> &turns)
{
    return !turns.empty() && turns.back().score.hits == kDigitCount;
}
} // namespace

HotSeatDuel::HotSeatDuel(const QString &firstName, const NumberSet &firstSecret, const QString &secondName,
                         const NumberSet &secondSecret, QObject *parent)
    : DuelPlay(parent)
    , m_names{firstName, secondName}
    , m_secrets{firstSecret, secondSecret}
{
}

void HotSeatDuel::begin()
{
    if (m_begun)
        return;
    m_begun = true;
    emit started();
}

QString HotSeatDuel::playerName(int player) const
{
    return m_names.at(player);
}

bool HotSeatDuel::isLocal(int) const
{
    return true;
}

int HotSeatDuel::playerToGuess() const
{
    return m_begun && m_result.ending == Ending::Running ? m_toGuess : -1;
}

const std::vector<Turn> &HotSeatDuel::turnsOf(int player) const
{
    return m_turns.at(player);
}

std::optional<NumberSet> HotSeatDuel::secretOf(int player) const
{
    return m_secrets.at(player);
}

DuelPlay::Result HotSeatDuel::result() const
{
    return m_result;
}

void HotSeatDuel::guess(const NumberSet &number)
{
    const int player = playerToGuess();
    if (player < 0 || !isValidNumber(number))
        return;
    const NumberComparer comparer;
    m_turns[player].push_back({number, comparer.checkHitsBlowsIn(m_secrets[1 - player], number)});
    m_toGuess = 1 - player;
    // The result is known to whoever hears of the turn.
    if (player == 1)
        decideAfterRound();
    emit turnPlayed(player);
    if (m_result.ending != Ending::Running)
        emit ended();
}

// Player 1 has just guessed, so both have as many guesses.
void HotSeatDuel::decideAfterRound()
{
    const bool first = found(m_turns[0]);
    const bool second = found(m_turns[1]);
    if (first != second)
        m_result = {Ending::Won, first ? 0 : 1, {}};
    else if (first || int(m_turns[1].size()) >= kMostUserGuesses)
        m_result = {Ending::Draw, -1, {}};
}

void HotSeatDuel::leave()
{
    const int player = playerToGuess();
    if (player < 0)
        return;
    m_result = {Ending::Left, player, {}};
    emit ended();
}
