// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotificationAccessible.h"

NotificationAccessible::NotificationAccessible(QWidget *host, const QString &phrase)
    : WidgetPartAccessible(host)
    , m_phrase(phrase)
{
}

QString NotificationAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_phrase : QString();
}

// A notification has no place of its own on the screen: it stands where its widget is.
QRect NotificationAccessible::rect() const
{
    return host() ? QRect(host()->mapToGlobal(QPoint()), host()->size()) : QRect();
}

QAccessible::Role NotificationAccessible::role() const
{
    return QAccessible::Notification;
}
