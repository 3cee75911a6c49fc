// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DuelAnnouncement.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

// While a duel is hosted, announces it to the local network: every kIntervalMs a DuelAnnouncement
// goes by UDP to the broadcast address of each network interface (read again each time, as
// interfaces come and go), or to the one destination set instead.
class DuelBeacon : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kDefaultPort = 47614;
    static constexpr int kIntervalMs = 500;

    DuelBeacon(const QString &name, quint16 duelPort, QObject *parent = nullptr);

    void setDestination(const QHostAddress &address, quint16 port);
    // Announces at once, then every kIntervalMs until stop().
    void start();
    void stop();

private:
    void announce();

    QUdpSocket m_socket;
    QTimer m_timer;
    QByteArray m_datagram;
    QHostAddress m_destination; // null: every interface's broadcast address
    quint16 m_destinationPort = kDefaultPort;
};
