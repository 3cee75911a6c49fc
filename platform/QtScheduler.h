// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Scheduler.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QTimer;

// Delayed calls on Qt timers. A call that falls due while a modal run is open waits for its end.
class QtScheduler final : public QObject, public Scheduler
{
public:
    explicit QtScheduler(QObject *parent = nullptr);
    ~QtScheduler() override;

    void performAfterDelay(const QObject *target, std::string_view action, double seconds,
                           std::function<void()> call) override;
    void cancelPrevious(const QObject *target, std::string_view action) override;
    void cancelAll(const QObject *target) override;

private:
    // Timers may be dropped from inside their own timeout signal, so they are deleted later.
    struct TimerDeleter {
        void operator()(QTimer *timer) const;
    };

    struct Entry {
        std::uint64_t id;
        const QObject *target;
        // Null once the target is gone, however it went: its call must never run then.
        QPointer<const QObject> liveTarget;
        std::string action;
        std::function<void()> call;
        std::unique_ptr<QTimer, TimerDeleter> timer;
        bool due = false;
    };

    void fallDue(std::uint64_t id);
    void runDueCalls();

    std::vector<Entry> m_entries;
    std::uint64_t m_nextId = 1;
    int m_modalListener = 0;
};
