// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

class DuelConnection;

// The host of a duel: listens on a TCP port and gives each connection its own side, until one
// joiner's hello is accepted; that one plays the duel, and later joiners are told the host is
// busy. A connection that sends garbage, says nothing or leaves is closed on its own, and the host
// goes on serving.
class DuelHost : public QObject
{
    Q_OBJECT

public:
    // Connections waiting for their hello at one time; more are closed at once.
    static constexpr int kMostWaiting = 16;

    DuelHost(const NumberSet &secret, const QString &name, QObject *parent = nullptr);

    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

    void setTimeouts(int replyMs, int guessMs);
    void setLying(bool lying) { m_lying = lying; }

signals:
    // A joiner's hello was accepted: this connection plays the duel (and belongs to the host).
    void duelStarted(DuelConnection *duel);
    // A connection that ended without playing, and why.
    void peerRefused(const QString &reason);

private:
    void acceptConnections();
    void connectionChanged(DuelConnection *connection);

    QTcpServer m_server;
    NumberSet m_secret;
    QString m_name;
    bool m_lying = false;
    int m_replyTimeoutMs;
    int m_guessTimeoutMs;
    int m_waiting = 0;
    DuelConnection *m_duel = nullptr;
};
