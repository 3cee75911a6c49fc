// SPDX-License-Identifier: GPL-3.0-or-later
#include "DuelAnnouncement.h"

#include "DuelMessage.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QLatin1String kGameTag("hitblow");
} // namespace

DuelAnnouncement DuelAnnouncement::of(const QString &name, quint16 port)
{
    return {DuelMessage::hello(name).name, port};
}

QByteArray DuelAnnouncement::toDatagram() const
{
    const QJsonObject object{{"duel", kGameTag}, {"version", DuelMessage::kVersion}, {"name", name}, {"port", port}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<DuelAnnouncement> DuelAnnouncement::parse(const QByteArray &datagram)
{
    if (datagram.size() > kMostDatagramBytes)
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(datagram).object();
    const double port = object.value("port").toDouble(-1);
    const QJsonValue name = object.value("name");
    const bool wellFormed = object.size() == 4 && object.value("duel") == kGameTag
        && object.value("version") == DuelMessage::kVersion && port >= 1 && port <= 65535 && port == int(port)
        && name.isString();
    // A name is taken only as a hello would send it: no controls, not too long, not blank.
    if (!wellFormed || DuelMessage::hello(name.toString()).name != name.toString())
        return std::nullopt;
    return DuelAnnouncement{name.toString(), quint16(port)};
}
