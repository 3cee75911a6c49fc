// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelBeacon.h"

#include <QNetworkInterface>

DuelBeacon::DuelBeacon(const QString &name, quint16 duelPort, QObject *parent)
    : QObject(parent), m_datagram(DuelAnnouncement::of(name, duelPort).toDatagram())
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &DuelBeacon::announce);
}

void DuelBeacon::setDestination(const QHostAddress &address, quint16 port)
{
    m_destination = address;
    m_destinationPort = port;
}

void DuelBeacon::start()
{
    announce();
    m_timer.start();
}

void DuelBeacon::stop()
{
    m_timer.stop();
}

void DuelBeacon::announce()
{
    if (!m_destination.isNull()) {
        m_socket.writeDatagram(m_datagram, m_destination, m_destinationPort);
        return;
    }
    // A datagram that cannot go out on one interface (it went down) is simply not sent there.
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::CanBroadcast))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (!entry.broadcast().isNull())
                m_socket.writeDatagram(m_datagram, entry.broadcast(), m_destinationPort);
        }
    }
}
