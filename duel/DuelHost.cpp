// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelHost.h"

#include "DuelConnection.h"

#include <QTcpSocket>

DuelHost::DuelHost(const NumberSet &secret, const QString &name, QObject *parent)
    : QObject(parent), m_secret(secret), m_name(name), m_replyTimeoutMs(DuelConnection::kReplyTimeoutMs),
      m_guessTimeoutMs(DuelConnection::kGuessTimeoutMs)
{
    connect(&m_server, &QTcpServer::newConnection, this, &DuelHost::acceptConnections);
}

bool DuelHost::listen(const QHostAddress &address, quint16 port)
{
    return m_server.listen(address, port);
}

void DuelHost::setTimeouts(int replyMs, int guessMs)
{
    m_replyTimeoutMs = replyMs;
    m_guessTimeoutMs = guessMs;
}

void DuelHost::acceptConnections()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (m_waiting >= kMostWaiting) {
            socket->abort();
            socket->deleteLater();
            emit peerRefused(QStringLiteral("too many connections waiting"));
            continue;
        }
        auto side = std::make_unique<DuelSide>(DuelSide::Role::Host, m_secret, m_name);
        side->setLying(m_lying);
        auto *connection = new DuelConnection(socket, std::move(side), this);
        connection->setTimeouts(m_replyTimeoutMs, m_guessTimeoutMs);
        ++m_waiting;
        connect(connection, &DuelConnection::changed, this, [this, connection] { connectionChanged(connection); });
        connect(connection, &DuelConnection::finished, this, [this, connection] {
            if (connection == m_duel)
                return;
            --m_waiting;
            emit peerRefused(connection->side().reason());
        });
        connect(connection, &DuelConnection::closed, this, [this, connection] {
            if (connection != m_duel)
                connection->deleteLater();
        });
        connection->start();
    }
}

void DuelHost::connectionChanged(DuelConnection *connection)
{
    const DuelSide &side = connection->side();
    const bool greeted = side.phase() != DuelSide::Phase::Greeting && side.phase() != DuelSide::Phase::Over;
    if (!greeted || connection == m_duel)
        return;
    if (m_duel) {
        connection->stop(QStringLiteral("a duel is already being played here"));
        return;
    }
    m_duel = connection;
    --m_waiting;
    emit duelStarted(connection);
}
