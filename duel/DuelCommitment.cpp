// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelCommitment.h"

#include "rules/MatchRules.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace DuelCommitment {

QByteArray rulesText()
{
    return "digits=" + QByteArray::number(kDigitCount) + ";guesses=" + QByteArray::number(kMostUserGuesses);
}

QByteArray secretPreimage(const QByteArray &rules, const NumberSet &secret, const QByteArray &salt)
{
    QByteArray bytes = "hitblow-duel-secret-v1\n" + rules + '\n';
    for (int digit : secret)
        bytes += char('0' + digit);
    return bytes + '\n' + salt;
}

QByteArray ofSecret(const QByteArray &rules, const NumberSet &secret, const QByteArray &salt)
{
    return QCryptographicHash::hash(secretPreimage(rules, secret, salt), QCryptographicHash::Sha256);
}

QByteArray ofCoin(const QByteArray &nonce)
{
    return QCryptographicHash::hash("hitblow-duel-coin-v1\n" + nonce, QCryptographicHash::Sha256);
}

QByteArray randomSalt()
{
    quint32 words[kSaltBytes / 4];
    QRandomGenerator::system()->generate(std::begin(words), std::end(words));
    return QByteArray(reinterpret_cast<const char *>(words), kSaltBytes);
}

bool hostStarts(const QByteArray &hostNonce, const QByteArray &joinerNonce)
{
    if (hostNonce.isEmpty() || joinerNonce.isEmpty())
        return true;
    return ((hostNonce.back() ^ joinerNonce.back()) & 1) == 0;
}

} // namespace DuelCommitment
