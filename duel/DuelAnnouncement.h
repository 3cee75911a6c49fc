// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What a host announces on the local network so that joiners find it: its player's name and the
// TCP port it listens on, in one small UDP datagram (docs/duel-protocol.md). Datagrams come from
// anyone: parse() takes only one well-formed in every member and within the limits.
struct DuelAnnouncement
{
    static constexpr int kMostDatagramBytes = 512;

    QString name;
    quint16 port = 0;

    // The name as a hello sends it (controls taken out, cut to length, never empty).
    static DuelAnnouncement of(const QString &name, quint16 port);
    QByteArray toDatagram() const;
    static std::optional<DuelAnnouncement> parse(const QByteArray &datagram);
};
