// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scheduler.h"

#include <QObject>

Scheduler::~Scheduler()
{
    for (const auto &[target, connection] : m_watchedTargets)
        QObject::disconnect(connection);
}

void Scheduler::cancelAllWhenDestroyed(const QObject *target)
{
    if (m_watchedTargets.contains(target))
        return;
    m_watchedTargets[target] = QObject::connect(target, &QObject::destroyed, [this, target] {
        m_watchedTargets.erase(target);
        cancelAll(target);
    });
}
