// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DuelPlay.h"

#include <array>

// A duel of two people at one computer. Both numbers are known from the start, the program scores
// every guess, and the two take turns: player 0 first in each round, player 1 last. A round in
// which one of them found the other's number ends the duel (both in the same round: a draw), as
// does the sixteenth round without a winner (a draw).
class HotSeatDuel : public DuelPlay
{
    Q_OBJECT

public:
    // Each secret must have four different digits.
    HotSeatDuel(const QString &firstName, const NumberSet &firstSecret, const QString &secondName,
                const NumberSet &secondSecret, QObject *parent = nullptr);

    // Emits started(); nobody may guess before.
    void begin();

    QString playerName(int player) const override;
    bool isLocal(int player) const override;
    int playerToGuess() const override;
    const std::vector<Turn> &turnsOf(int player) const override;
    std::optional<NumberSet> secretOf(int player) const override;
    Result result() const override;

    // Refused (nothing happens) out of turn or unless four different digits.
    void guess(const NumberSet &number) override;
    // The player to guess gives up and loses.
    void leave() override;

private:
    void decideAfterRound();

    std::array<QString, 2> m_names;
    std::array<NumberSet, 2> m_secrets;
    std::array<std::vector<Turn>, 2> m_turns;
    bool m_begun = false;
    int m_toGuess = 0;
    Result m_result;
};
