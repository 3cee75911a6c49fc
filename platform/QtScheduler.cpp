// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtScheduler.h"

#include "ModalRun.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
// QTimer takes milliseconds as int; a delay that is not a finite, non-negative number runs at once.
int delayInMilliseconds(double seconds)
{
    constexpr double longest = 24.0 * 60 * 60;
    if (!std::isfinite(seconds) || seconds <= 0)
        return 0;
    return static_cast<int>(std::lround(std::min(seconds, longest) * 1000.0));
}
} // namespace

void QtScheduler::TimerDeleter::operator()(QTimer *timer) const
{
    timer->stop();
    timer->deleteLater();
}

QtScheduler::QtScheduler(QObject *parent)
    : QObject(parent)
{
    // The code that opened the modal run finishes before any call that waited for its end.
    m_modalListener = ModalRun::addEndListener(
        [this] { QMetaObject::invokeMethod(this, &QtScheduler::runDueCalls, Qt::QueuedConnection); });
}

QtScheduler::~QtScheduler()
{
    ModalRun::removeEndListener(m_modalListener);
}

void QtScheduler::performAfterDelay(const QObject *target, std::string_view action, double seconds,
                                    std::function<void()> call)
{
    cancelAllWhenDestroyed(target);
    const std::uint64_t id = m_nextId++;
    std::unique_ptr<QTimer, TimerDeleter> timer(new QTimer);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer.get(), &QTimer::timeout, this, [this, id] { fallDue(id); });
    timer->start(delayInMilliseconds(seconds));
    m_entries.push_back({id, target, target, std::string(action), std::move(call), std::move(timer)});
}

void QtScheduler::cancelPrevious(const QObject *target, std::string_view action)
{
    std::erase_if(m_entries, [&](const Entry &e) { return e.target == target && e.action == action; });
}

void QtScheduler::cancelAll(const QObject *target)
{
    std::erase_if(m_entries, [&](const Entry &e) { return e.target == target; });
}

void QtScheduler::fallDue(std::uint64_t id)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [id](const Entry &e) { return e.id == id; });
    if (it == m_entries.end())
        return;
    it->due = true;
    if (!ModalRun::isActive())
        runDueCalls();
}

void QtScheduler::runDueCalls()
{
    // Entries are kept in scheduling order; each call is taken out before it runs, because it may
    // schedule or cancel calls itself, or open a modal run that holds back the rest.
    while (!ModalRun::isActive()) {
        auto it = std::find_if(m_entries.begin(), m_entries.end(), [](const Entry &e) { return e.due; });
        if (it == m_entries.end())
            return;
        auto call = std::move(it->call);
        const bool targetAlive = !it->liveTarget.isNull();
        m_entries.erase(it);
        if (targetAlive)
            call();
    }
}
