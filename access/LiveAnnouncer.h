// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QObject>
#include <QWidget>

#include <deque>

// Speaks short phrases through assistive technology as things happen. Each phrase is a new
// notification of the host widget (NotificationAccessible), shown with an ObjectShow event, which
// screen readers speak at once (Orca does so for notifications). A new object for every phrase:
// a screen reader that falls behind drops older events of the same object and reads an object's
// name when it gets to the event, so one object renamed would lose or repeat phrases. The
// latest few stay registered for a slow screen reader to read. Lives as long as its host.
class LiveAnnouncer : public QObject
{
public:
    explicit LiveAnnouncer(QWidget *host);
    ~LiveAnnouncer() override;

    // Shows phrase as a new notification. An empty phrase says nothing.
    void announce(const QString &phrase);
    // The latest notification (an empty one before the first phrase), the host's child.
    QAccessibleInterface *latest() const;

private:
    static constexpr std::size_t kKept = 8;

    QWidget *m_host;
    std::deque<QAccessible::Id> m_notifications;
};
