// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QByteArray>
#include <QString>

#include <variant>

// One message of the duel protocol (docs/duel-protocol.md), as sent: a JSON object whose "type"
// names it and whose other members are exactly those of that type. Every message read from the
// network is untrusted; parse() accepts only well-formed ones and names what is wrong with others.
struct DuelMessage
{
    enum class Type { Hello, Commit, Coin, Guess, Score, Reveal, Result, Error };

    static constexpr int kVersion = 1;
    static constexpr int kMostNameLength = 32;
    static constexpr int kMostReasonLength = 200;
    static constexpr int kMostRulesLength = 64;

    Type type = Type::Error;
    int version = 0;              // hello
    QByteArray rules;             // hello
    QString name;                 // hello
    QByteArray secretCommitment;  // commit: 32 bytes
    QByteArray coinCommitment;    // commit: 32 bytes
    QByteArray nonce;             // coin: 16 bytes
    NumberSet number{};           // guess; the secret of a reveal
    QByteArray salt;              // reveal: 16 bytes
    HitBlowResult score;          // score
    QString outcome;              // result: "won", "lost", "draw" or "lied", as its sender sees it
    QString reason;               // error

    static DuelMessage hello(const QString &name);
    static DuelMessage commit(const QByteArray &secretCommitment, const QByteArray &coinCommitment);
    static DuelMessage coin(const QByteArray &nonce);
    static DuelMessage guess(const NumberSet &number);
    static DuelMessage scored(const HitBlowResult &score);
    static DuelMessage reveal(const NumberSet &secret, const QByteArray &salt);
    static DuelMessage result(const QString &outcome);
    static DuelMessage error(const QString &reason);

    QByteArray toJson() const;
    // The message in json, or why it is refused.
    static std::variant<DuelMessage, QString> parse(const QByteArray &json);

    static QString typeName(Type type);
};
