// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DuelMessage.h"
#include "NumberComparer.h"
#include "rules/Turn.h"

#include <QByteArray>
#include <QString>

#include <vector>

// One side of a duel between two programs, without the network: it answers each message of the
// other side with the messages to send back, scores the other side's guesses against its own
// secret, and at the end checks every score it was given against the other side's revealed secret.
//
// The order of a duel: the joiner says hello, the host answers hello; each sends its commitments
// (secret and coin), and once it has the other's, reveals its coin; the coin says who guesses
// first. A round is a guess of the first player scored by the second, then a guess of the second
// scored by the first, so the second player always has the last guess of a round: the round that
// ends with a winner, or the sixteenth, ends the match. Both then reveal secret and salt and send
// the result each found. Anything out of this order, or malformed, is refused: the refusing side
// sends an error and the duel is over. A side that stops before revealing forfeits.
class DuelSide
{
public:
    enum class Role { Host, Joiner };
    enum class Phase { Greeting, Committing, FlippingCoin, Playing, Revealing, Concluding, Over };
    enum class Outcome {
        None,      // not over, or over before the first guess
        Won,
        Lost,
        Draw,
        OtherLied, // the other side's scores, or its reveal, do not match its commitment
        OtherLeft, // the other side stopped before revealing: it forfeits
    };
    using Messages = std::vector<DuelMessage>;

    // salt and coinNonce are DuelCommitment::kSaltBytes each, random but for tests.
    DuelSide(Role role, const NumberSet &secret, const QString &name, const QByteArray &salt,
             const QByteArray &coinNonce);
    DuelSide(Role role, const NumberSet &secret, const QString &name);

    // From the second score this side gives on, every score is false (for tests of the checks).
    void setLying(bool lying) { m_lying = lying; }

    // What to send first: the joiner's hello; the host waits for one.
    Messages start();
    // The answer to a message of the other side: the next messages, or an error and the end.
    Messages receive(const DuelMessage &message);
    // Bytes that were no message (reason says why): an error to send, and the end.
    Messages refuse(const QString &reason);
    // The guess to send; only when myTurnToGuess().
    Messages guess(const NumberSet &number);
    // The other side is gone or fell silent.
    void lostConnection(const QString &reason);

    Phase phase() const { return m_phase; }
    bool myTurnToGuess() const;
    // Waiting for the other side's guess, which a person may take a while to make.
    bool waitingForTheirGuess() const;
    bool iStart() const { return m_iStart; }
    Outcome outcome() const { return m_outcome; }
    // Why the duel ended, when not by a played result.
    const QString &reason() const { return m_reason; }
    const QString &otherName() const { return m_otherName; }
    // Theirs are scored by this side; mine by the other side, oldest first.
    const std::vector<Turn> &myTurns() const { return m_myTurns; }
    const std::vector<Turn> &theirTurns() const { return m_theirTurns; }
    // Once the other side revealed.
    const NumberSet &theirSecret() const { return m_theirSecret; }

private:
    DuelMessage::Type expectedType() const;
    Messages answerHello(const DuelMessage &message);
    Messages answerCommit(const DuelMessage &message);
    Messages answerCoin(const DuelMessage &message);
    Messages answerGuess(const DuelMessage &message);
    Messages answerScore(const DuelMessage &message);
    Messages answerReveal(const DuelMessage &message);
    Messages revealIfOver();
    bool roundComplete() const;
    Outcome playedOutcome() const;
    void stop(const QString &reason);

    Role m_role;
    NumberSet m_secret;
    QString m_name;
    QByteArray m_salt;
    QByteArray m_coinNonce;
    bool m_lying = false;

    Phase m_phase = Phase::Greeting;
    bool m_committed = false; // this side's commit is sent
    bool m_iStart = false;
    QString m_otherName;
    QByteArray m_theirSecretCommitment;
    QByteArray m_theirCoinCommitment;
    NumberSet m_theirSecret{};
    std::vector<Turn> m_myTurns;
    std::vector<Turn> m_theirTurns;
    bool m_awaitingScore = false;
    Outcome m_outcome = Outcome::None;
    QString m_reason;
};
