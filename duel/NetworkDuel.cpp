// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkDuel.h"

#include "DuelConnection.h"

#include <QTcpSocket>

namespace {
// The other side's secret is known once it revealed it: only then is a played or a lied outcome set.
bool revealed(DuelSide::Outcome outcome)
{
    return outcome != DuelSide::Outcome::None && outcome != DuelSide::Outcome::OtherLeft;
}

std::vector<Turn> scoredTurns(const std::vector<Turn> &turns, bool lastUnscored)
{
    return std::vector<Turn>(turns.begin(), turns.end() - (lastUnscored && !turns.empty() ? 1 : 0));
}
} // namespace

NetworkDuel::NetworkDuel(DuelConnection *connection, const QString &localName, const NumberSet &localSecret,
                         QObject *parent)
    : DuelPlay(parent), m_connection(connection), m_localName(localName), m_localSecret(localSecret)
{
    m_connection->setParent(this);
    connect(m_connection, &DuelConnection::changed, this, &NetworkDuel::follow);
    connect(m_connection, &DuelConnection::finished, this, &NetworkDuel::follow);
    connect(m_connection, &DuelConnection::closed, this, &NetworkDuel::closed);
    m_connection->start();
    // A host's connection has already greeted; what happened before is caught up on at once.
    QMetaObject::invokeMethod(this, &NetworkDuel::follow, Qt::QueuedConnection);
}

NetworkDuel *NetworkDuel::join(const QString &host, quint16 port, const QString &localName,
                               const NumberSet &localSecret, QObject *parent)
{
    auto *socket = new QTcpSocket;
    auto side = std::make_unique<DuelSide>(DuelSide::Role::Joiner, localSecret, localName);
    auto *connection = new DuelConnection(socket, std::move(side));
    auto *duel = new NetworkDuel(connection, localName, localSecret, parent);
    socket->connectToHost(host, port);
    return duel;
}

bool NetworkDuel::isClosed() const
{
    return m_connection->isClosed();
}

int NetworkDuel::localPlayer() const
{
    return m_connection->side().iStart() ? 0 : 1;
}

void NetworkDuel::follow()
{
    const DuelSide &side = m_connection->side();
    // Play begins once the coin has fallen; a duel over with no outcome never began.
    const bool begun = side.phase() >= DuelSide::Phase::Playing
                    && !(side.phase() == DuelSide::Phase::Over && side.outcome() == DuelSide::Outcome::None);
    if (!m_started && begun) {
        m_started = true;
        emit started();
    }
    if (m_started) {
        // In play and neither side's turn to guess: this side's last guess awaits its score.
        const bool awaitingScore = side.phase() == DuelSide::Phase::Playing && !side.myTurnToGuess()
                                && !side.waitingForTheirGuess();
        const std::vector<Turn> mine = scoredTurns(side.myTurns(), awaitingScore);
        const std::array<const std::vector<Turn> *, 2> latest{&mine, &side.theirTurns()};
        const std::array<int, 2> players{localPlayer(), remotePlayer()};
        for (int i = 0; i < 2; ++i) {
            if (latest[i]->size() == m_turns[players[i]].size())
                continue;
            m_turns[players[i]] = *latest[i];
            emit turnPlayed(players[i]);
        }
    }
    if (!m_ended && side.phase() == DuelSide::Phase::Over) {
        m_ended = true;
        emit ended();
    }
}

QString NetworkDuel::playerName(int player) const
{
    if (!m_started || (player != 0 && player != 1))
        return {};
    return player == localPlayer() ? m_localName : m_connection->side().otherName();
}

bool NetworkDuel::isLocal(int player) const
{
    return m_started && player == localPlayer();
}

int NetworkDuel::playerToGuess() const
{
    if (!m_started || m_ended)
        return -1;
    const DuelSide &side = m_connection->side();
    if (side.myTurnToGuess())
        return localPlayer();
    return side.waitingForTheirGuess() ? remotePlayer() : -1;
}

const std::vector<Turn> &NetworkDuel::turnsOf(int player) const
{
    static const std::vector<Turn> none;
    return player == 0 || player == 1 ? m_turns[player] : none;
}

std::optional<NumberSet> NetworkDuel::secretOf(int player) const
{
    if (!m_started)
        return std::nullopt;
    if (player == localPlayer())
        return m_localSecret;
    if (player == remotePlayer() && revealed(m_connection->side().outcome()))
        return m_connection->side().theirSecret();
    return std::nullopt;
}

DuelPlay::Result NetworkDuel::result() const
{
    const DuelSide &side = m_connection->side();
    if (!m_ended)
        return {};
    const int local = m_started ? localPlayer() : -1;
    const int remote = m_started ? remotePlayer() : -1;
    switch (side.outcome()) {
    case DuelSide::Outcome::Won:
        return {Ending::Won, local, {}};
    case DuelSide::Outcome::Lost:
        return {Ending::Won, remote, {}};
    case DuelSide::Outcome::Draw:
        return {Ending::Draw, -1, {}};
    case DuelSide::Outcome::OtherLied:
        return {Ending::Lied, remote, side.reason()};
    case DuelSide::Outcome::OtherLeft:
        return m_localLeft ? Result{Ending::Left, local, tr("You left the duel.")}
                           : Result{Ending::Left, remote, side.reason()};
    case DuelSide::Outcome::None:
        break;
    }
    // Over before the first guess: nobody forfeits a duel that never began.
    return {Ending::Left, m_localLeft ? local : -1, m_localLeft ? tr("You left the duel.") : side.reason()};
}

void NetworkDuel::guess(const NumberSet &number)
{
    if (m_connection->side().myTurnToGuess())
        m_connection->guess(number);
}

void NetworkDuel::leave()
{
    if (m_ended)
        return;
    m_localLeft = true;
    m_connection->stop(QStringLiteral("the other player left"));
}
