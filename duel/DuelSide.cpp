// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelSide.h"

#include "DuelCommitment.h"
#include "rules/MatchRules.h"

#include <algorithm>

namespace {
bool found(const Turn &turn)
{
    return turn.score.hits == kDigitCount;
}

HitBlowResult trueScore(const NumberSet &secret, const NumberSet &guess)
{
    return NumberComparer().checkHitsBlowsIn(secret, guess);
}
} // namespace

DuelSide::DuelSide(Role role, const NumberSet &secret, const QString &name, const QByteArray &salt,
                   const QByteArray &coinNonce)
    : m_role(role), m_secret(secret), m_name(name), m_salt(salt), m_coinNonce(coinNonce)
{
}

DuelSide::DuelSide(Role role, const NumberSet &secret, const QString &name)
    : DuelSide(role, secret, name, DuelCommitment::randomSalt(), DuelCommitment::randomSalt())
{
}

DuelSide::Messages DuelSide::start()
{
    if (m_role == Role::Joiner && m_phase == Phase::Greeting)
        return {DuelMessage::hello(m_name)};
    return {};
}

bool DuelSide::myTurnToGuess() const
{
    if (m_phase != Phase::Playing || m_awaitingScore)
        return false;
    return m_iStart ? m_myTurns.size() == m_theirTurns.size() : m_theirTurns.size() == m_myTurns.size() + 1;
}

bool DuelSide::waitingForTheirGuess() const
{
    if (m_phase != Phase::Playing || m_awaitingScore)
        return false;
    return m_iStart ? m_myTurns.size() == m_theirTurns.size() + 1 : m_myTurns.size() == m_theirTurns.size();
}

DuelMessage::Type DuelSide::expectedType() const
{
    switch (m_phase) {
    case Phase::Greeting:
        return DuelMessage::Type::Hello;
    case Phase::Committing:
        return DuelMessage::Type::Commit;
    case Phase::FlippingCoin:
        return DuelMessage::Type::Coin;
    case Phase::Playing:
        return m_awaitingScore ? DuelMessage::Type::Score : DuelMessage::Type::Guess;
    case Phase::Revealing:
        return DuelMessage::Type::Reveal;
    case Phase::Concluding:
        return DuelMessage::Type::Result;
    case Phase::Over:
        break;
    }
    return DuelMessage::Type::Error;
}

DuelSide::Messages DuelSide::receive(const DuelMessage &message)
{
    if (m_phase == Phase::Over)
        return {};
    if (message.type == DuelMessage::Type::Error) {
        stop(QStringLiteral("the other side stopped: ") + message.reason);
        return {};
    }
    const bool inTurn = message.type == expectedType()
        && (message.type != DuelMessage::Type::Guess || waitingForTheirGuess());
    if (!inTurn) {
        return refuse(QStringLiteral("%1 out of turn (expected %2)")
                          .arg(DuelMessage::typeName(message.type),
                               myTurnToGuess() ? QStringLiteral("nothing") : DuelMessage::typeName(expectedType())));
    }
    switch (message.type) {
    case DuelMessage::Type::Hello:
        return answerHello(message);
    case DuelMessage::Type::Commit:
        return answerCommit(message);
    case DuelMessage::Type::Coin:
        return answerCoin(message);
    case DuelMessage::Type::Guess:
        return answerGuess(message);
    case DuelMessage::Type::Score:
        return answerScore(message);
    case DuelMessage::Type::Reveal:
        return answerReveal(message);
    case DuelMessage::Type::Result:
        m_phase = Phase::Over;
        return {};
    case DuelMessage::Type::Error:
        break;
    }
    return {};
}

DuelSide::Messages DuelSide::refuse(const QString &reason)
{
    if (m_phase == Phase::Over)
        return {};
    stop(QStringLiteral("the other side's message was refused: ") + reason);
    return {DuelMessage::error(reason)};
}

void DuelSide::lostConnection(const QString &reason)
{
    if (m_phase != Phase::Over)
        stop(reason);
}

void DuelSide::stop(const QString &reason)
{
    // Once both revealed, the outcome stands whatever the other side does next.
    if (m_phase == Phase::Concluding) {
        m_phase = Phase::Over;
        return;
    }
    m_reason = reason;
    if (m_phase == Phase::Playing || m_phase == Phase::Revealing)
        m_outcome = Outcome::OtherLeft;
    m_phase = Phase::Over;
}

DuelSide::Messages DuelSide::answerHello(const DuelMessage &message)
{
    if (message.version != DuelMessage::kVersion)
        return refuse(QStringLiteral("protocol version %1 is not spoken here (%2 is)")
                          .arg(message.version)
                          .arg(DuelMessage::kVersion));
    if (message.rules != DuelCommitment::rulesText())
        return refuse(QStringLiteral("rules \"%1\" differ from \"%2\"")
                          .arg(QString::fromUtf8(message.rules), QString::fromLatin1(DuelCommitment::rulesText())));
    m_otherName = message.name;
    m_phase = Phase::Committing;
    Messages answer;
    if (m_role == Role::Host)
        answer.push_back(DuelMessage::hello(m_name));
    answer.push_back(DuelMessage::commit(DuelCommitment::ofSecret(DuelCommitment::rulesText(), m_secret, m_salt),
                                         DuelCommitment::ofCoin(m_coinNonce)));
    return answer;
}

DuelSide::Messages DuelSide::answerCommit(const DuelMessage &message)
{
    m_theirSecretCommitment = message.secretCommitment;
    m_theirCoinCommitment = message.coinCommitment;
    m_phase = Phase::FlippingCoin;
    return {DuelMessage::coin(m_coinNonce)};
}

DuelSide::Messages DuelSide::answerCoin(const DuelMessage &message)
{
    if (DuelCommitment::ofCoin(message.nonce) != m_theirCoinCommitment)
        return refuse(QStringLiteral("the coin does not match its commitment"));
    const bool hostStarts = m_role == Role::Host ? DuelCommitment::hostStarts(m_coinNonce, message.nonce)
                                                 : DuelCommitment::hostStarts(message.nonce, m_coinNonce);
    m_iStart = hostStarts == (m_role == Role::Host);
    m_phase = Phase::Playing;
    return {};
}

DuelSide::Messages DuelSide::guess(const NumberSet &number)
{
    if (!myTurnToGuess())
        return {};
    m_myTurns.push_back({number, {}});
    m_awaitingScore = true;
    return {DuelMessage::guess(number)};
}

DuelSide::Messages DuelSide::answerGuess(const DuelMessage &message)
{
    HitBlowResult score = trueScore(m_secret, message.number);
    if (m_lying && !m_theirTurns.empty())
        score = score.hits == 0 && score.blows == 0 ? HitBlowResult{0, 1} : HitBlowResult{0, 0};
    m_theirTurns.push_back({message.number, score});
    Messages answer{DuelMessage::scored(score)};
    for (const DuelMessage &reveal : revealIfOver())
        answer.push_back(reveal);
    return answer;
}

DuelSide::Messages DuelSide::answerScore(const DuelMessage &message)
{
    m_myTurns.back().score = message.score;
    m_awaitingScore = false;
    return revealIfOver();
}

bool DuelSide::roundComplete() const
{
    return !m_awaitingScore && !m_myTurns.empty() && m_myTurns.size() == m_theirTurns.size();
}

DuelSide::Messages DuelSide::revealIfOver()
{
    if (!roundComplete())
        return {};
    if (!found(m_myTurns.back()) && !found(m_theirTurns.back()) && int(m_myTurns.size()) < kMostUserGuesses)
        return {};
    m_phase = Phase::Revealing;
    return {DuelMessage::reveal(m_secret, m_salt)};
}

DuelSide::Outcome DuelSide::playedOutcome() const
{
    const bool mine = found(m_myTurns.back());
    const bool theirs = found(m_theirTurns.back());
    if (mine == theirs)
        return Outcome::Draw;
    return mine ? Outcome::Won : Outcome::Lost;
}

DuelSide::Messages DuelSide::answerReveal(const DuelMessage &message)
{
    m_theirSecret = message.number;
    if (DuelCommitment::ofSecret(DuelCommitment::rulesText(), message.number, message.salt) != m_theirSecretCommitment) {
        m_outcome = Outcome::OtherLied;
        m_reason = QStringLiteral("the other side's secret does not match its commitment");
    } else if (std::any_of(m_myTurns.begin(), m_myTurns.end(), [&](const Turn &turn) {
                   return !(turn == Turn{turn.guess, trueScore(message.number, turn.guess)});
               })) {
        m_outcome = Outcome::OtherLied;
        m_reason = QStringLiteral("the other side's scores were false");
    } else {
        m_outcome = playedOutcome();
    }
    m_phase = Phase::Concluding;
    static const char *const texts[] = {"", "won", "lost", "draw", "lied", ""};
    return {DuelMessage::result(QLatin1String(texts[int(m_outcome)]))};
}
