// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiveAnnouncer.h"

#include "NotificationAccessible.h"

LiveAnnouncer::LiveAnnouncer(QWidget *host)
    : QObject(host)
    , m_host(host)
{
    m_notifications.push_back(QAccessible::registerAccessibleInterface(new NotificationAccessible(host, {})));
}

LiveAnnouncer::~LiveAnnouncer()
{
    for (QAccessible::Id id : m_notifications)
        QAccessible::deleteAccessibleInterface(id);
}

void LiveAnnouncer::announce(const QString &phrase)
{
    if (phrase.isEmpty())
        return;
    auto *notification = new NotificationAccessible(m_host, phrase);
    m_notifications.push_back(QAccessible::registerAccessibleInterface(notification));
    if (m_notifications.size() > kKept) {
        QAccessible::deleteAccessibleInterface(m_notifications.front());
        m_notifications.pop_front();
    }
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QAccessibleInterface *LiveAnnouncer::latest() const
{
    return QAccessible::accessibleInterface(m_notifications.back());
}
