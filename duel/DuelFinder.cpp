// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelFinder.h"

#include "DuelAnnouncement.h"

#include <QNetworkDatagram>

#include <algorithm>

DuelFinder::DuelFinder(QObject *parent) : QObject(parent)
{
    m_clock.start();
    connect(&m_socket, &QUdpSocket::readyRead, this, &DuelFinder::readDatagrams);
    m_sweep.setInterval(250);
    connect(&m_sweep, &QTimer::timeout, this, &DuelFinder::forgetSilentGames);
}

bool DuelFinder::listen(const QHostAddress &address, quint16 port)
{
    if (!m_socket.bind(address, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint))
        return false;
    m_sweep.start();
    return true;
}

void DuelFinder::readDatagrams()
{
    bool changed = false;
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        const std::optional<DuelAnnouncement> announced = DuelAnnouncement::parse(datagram.data());
        if (!announced)
            continue;
        // An IPv4 address may arrive mapped into IPv6 on a dual-stack socket.
        QHostAddress address = datagram.senderAddress();
        bool isIPv4 = false;
        if (const quint32 ipv4 = address.toIPv4Address(&isIPv4); isIPv4)
            address = QHostAddress(ipv4);
        const auto known = std::find_if(m_games.begin(), m_games.end(), [&](const Game &game) {
            return game.address == address && game.port == announced->port;
        });
        if (known != m_games.end()) {
            known->heardAtMs = m_clock.elapsed();
            changed |= known->name != announced->name;
            known->name = announced->name;
        } else if (int(m_games.size()) < kMostGames) {
            m_games.push_back({announced->name, address, announced->port, m_clock.elapsed()});
            changed = true;
        }
    }
    if (changed)
        emit gamesChanged();
}

void DuelFinder::forgetSilentGames()
{
    const qint64 now = m_clock.elapsed();
    const auto silent = std::remove_if(m_games.begin(), m_games.end(), [&](const Game &game) {
        return now - game.heardAtMs > m_forgetAfterMs;
    });
    if (silent == m_games.end())
        return;
    m_games.erase(silent, m_games.end());
    emit gamesChanged();
}
