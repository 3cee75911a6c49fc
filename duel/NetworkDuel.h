// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DuelPlay.h"
#include "DuelSide.h"

#include <array>

class DuelConnection;

// A duel against a program across the network, as a window plays it: one player sits here, the
// other is the side at the far end of a DuelConnection. Player 0 is whoever the coin lets guess
// first. playerToGuess() is -1 while this side waits for the network (the greeting, the coin, a
// score); while the other player's guess is awaited it is that player, who is not local.
class NetworkDuel : public DuelPlay
{
    Q_OBJECT

public:
    // Takes over the connection (a joiner's, or one a DuelHost started), whose side plays for
    // localName with localSecret, and starts it if it was not yet.
    NetworkDuel(DuelConnection *connection, const QString &localName, const NumberSet &localSecret,
                QObject *parent = nullptr);
    // Connects to a host and joins its duel; ended() without started() if that fails.
    static NetworkDuel *join(const QString &host, quint16 port, const QString &localName,
                             const NumberSet &localSecret, QObject *parent = nullptr);

    QString playerName(int player) const override;
    bool isLocal(int player) const override;
    int playerToGuess() const override;
    const std::vector<Turn> &turnsOf(int player) const override;
    std::optional<NumberSet> secretOf(int player) const override;
    Result result() const override;

    void guess(const NumberSet &number) override;
    void leave() override;

    bool isStarted() const { return m_started; }
    // Whether the connection is closed, so that the duel may be deleted without cutting a message.
    bool isClosed() const;

signals:
    // Once the connection is closed after ended().
    void closed();

private:
    void follow();
    int localPlayer() const;
    int remotePlayer() const { return 1 - localPlayer(); }

    DuelConnection *m_connection;
    QString m_localName;
    NumberSet m_localSecret;
    bool m_started = false;
    bool m_ended = false;
    bool m_localLeft = false;
    std::array<std::vector<Turn>, 2> m_turns; // by player, scored turns only
};
