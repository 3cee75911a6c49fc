// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Turn.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

// One duel between two people as a window plays it, whoever the other player is: someone at the
// same computer, or a program across the network. The program scores every guess; nobody types a
// score. Players are numbered 0 and 1 in the order they guess within a round, so player 1 always
// has the last guess of a round: the round that ends with a winner, or the sixteenth, ends the duel.
class DuelPlay : public QObject
{
    Q_OBJECT

public:
    // How a duel ended, as both players see it.
    enum class Ending {
        Running,
        Won,    // player() found the other's number first (or both did in one round: see Draw)
        Draw,   // both found it in the same round, or sixteen guesses each without a winner
        Lied,   // player() gave scores, or revealed a number, that do not match its commitment
        Left,   // player() left, or fell silent, before revealing: that player forfeits
    };
    struct Result {
        Ending ending = Ending::Running;
        int player = -1; // the winner, the liar or the one who left; -1 for Running and Draw
        QString reason;  // why, when the duel ended other than by play
    };

    using QObject::QObject;

    // Known once started() was emitted.
    virtual QString playerName(int player) const = 0;
    // Whether the player sits at this computer: both in a hot seat, one in a network duel.
    virtual bool isLocal(int player) const = 0;
    // The player whose guess is awaited, or -1 while nobody may guess (not started, waiting for
    // a score from the network, over).
    virtual int playerToGuess() const = 0;
    // The player's guesses with the scores they got, oldest first.
    virtual const std::vector<Turn> &turnsOf(int player) const = 0;
    // The number the player hid: always a local player's; another's once it was revealed.
    virtual std::optional<NumberSet> secretOf(int player) const = 0;
    virtual Result result() const = 0;

    // The guess of playerToGuess(), who must be local; ignored otherwise.
    virtual void guess(const NumberSet &number) = 0;
    // The local player gives up: the duel ends (over the network, the other side is told).
    virtual void leave() = 0;

signals:
    // Both numbers are hidden and committed, and who guesses first is known.
    void started();
    // A guess of the player got its score (and appears in turnsOf()).
    void turnPlayed(int player);
    // result() is no longer Running.
    void ended();
};
