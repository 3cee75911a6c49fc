// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>

#include <functional>
#include <map>
#include <string_view>

class QObject;

// Delayed calls on the main loop. A call runs once, after its delay; cancelling drops every
// pending call of one action on one target and nothing else. Actions are named after the
// operation they call. As with a QTimer's context object, the calls of a target are dropped when
// it is destroyed, so no owner has to cancel them itself.
class Scheduler
{
public:
    Scheduler() = default;
    Scheduler(const Scheduler &) = delete;
    Scheduler &operator=(const Scheduler &) = delete;
    virtual ~Scheduler();

    virtual void performAfterDelay(const QObject *target, std::string_view action, double seconds,
                                   std::function<void()> call) = 0;
    virtual void cancelPrevious(const QObject *target, std::string_view action) = 0;
    virtual void cancelAll(const QObject *target) = 0;

protected:
    // Implementations call this for each call they schedule.
    void cancelAllWhenDestroyed(const QObject *target);

private:
    std::map<const QObject *, QMetaObject::Connection> m_watchedTargets;
};
