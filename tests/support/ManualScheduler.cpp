// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManualScheduler.h"

#include <algorithm>

void ManualScheduler::performAfterDelay(const QObject *target, std::string_view action, double seconds,
                                        std::function<void()> call)
{
    cancelAllWhenDestroyed(target);
    m_entries.push_back({m_nextId++, target, target, std::string(action), m_now + std::max(seconds, 0.0), seconds,
                         std::move(call)});
}

void ManualScheduler::cancelPrevious(const QObject *target, std::string_view action)
{
    std::erase_if(m_entries, [&](const Entry &e) { return e.target == target && e.action == action; });
}

void ManualScheduler::cancelAll(const QObject *target)
{
    std::erase_if(m_entries, [&](const Entry &e) { return e.target == target; });
}

void ManualScheduler::advance(double seconds)
{
    const double end = m_now + seconds;
    for (;;) {
        auto next = std::min_element(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
            return a.dueAt < b.dueAt || (a.dueAt == b.dueAt && a.id < b.id);
        });
        if (next == m_entries.end() || next->dueAt > end + 1e-9)
            break;
        m_now = std::max(m_now, next->dueAt);
        auto call = std::move(next->call);
        const bool targetAlive = !next->liveTarget.isNull();
        m_entries.erase(next);
        if (targetAlive)
            call();
    }
    m_now = end;
}

int ManualScheduler::pendingCount(const QObject *target, std::string_view action) const
{
    return static_cast<int>(std::count_if(m_entries.begin(), m_entries.end(), [&](const Entry &e) {
        return e.target == target && e.action == action;
    }));
}

std::vector<std::string> ManualScheduler::pendingActions(const QObject *target) const
{
    std::vector<std::string> actions;
    for (const Entry &e : m_entries) {
        if (e.target == target)
            actions.push_back(e.action);
    }
    return actions;
}

std::vector<double> ManualScheduler::pendingDelays(const QObject *target, std::string_view action) const
{
    std::vector<double> delays;
    for (const Entry &e : m_entries) {
        if (e.target == target && e.action == action)
            delays.push_back(e.delay);
    }
    return delays;
}
