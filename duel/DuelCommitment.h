// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QByteArray>

// What binds each side of a duel to its secret before any guess, and to its half of the coin that
// settles who starts, without giving either away. Both are SHA-256 digests; the exact bytes hashed:
//
//   secret commitment = SHA-256( "hitblow-duel-secret-v1" 0x0A
//                                rules (ASCII, e.g. "digits=4;guesses=16") 0x0A
//                                secret (four ASCII digits, leftmost first) 0x0A
//                                salt (16 raw bytes) )
//   coin commitment   = SHA-256( "hitblow-duel-coin-v1" 0x0A  nonce (16 raw bytes) )
//
// The salt and the nonce are 128 bits from the system's secure random source, so that the 5040
// possible secrets cannot be tried one by one against a commitment.
namespace DuelCommitment {

constexpr int kSaltBytes = 16;
// The rules both sides must play by, named in every secret commitment.
QByteArray rulesText();

QByteArray secretPreimage(const QByteArray &rules, const NumberSet &secret, const QByteArray &salt);
QByteArray ofSecret(const QByteArray &rules, const NumberSet &secret, const QByteArray &salt);
QByteArray ofCoin(const QByteArray &nonce);

// kSaltBytes from the system's secure random source.
QByteArray randomSalt();

// Whether the host guesses first, from both revealed nonces: the lowest bit of the last bytes'
// exclusive or, 0 for the host. Neither side can steer it once both are committed.
bool hostStarts(const QByteArray &hostNonce, const QByteArray &joinerNonce);

} // namespace DuelCommitment
