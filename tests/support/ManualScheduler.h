// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"

#include <QPointer>

#include <cstdint>
#include <string>
#include <vector>

// A scheduler on a manual clock: nothing runs until the test advances the clock.
class ManualScheduler final : public Scheduler
{
public:
    void performAfterDelay(const QObject *target, std::string_view action, double seconds,
                           std::function<void()> call) override;
    void cancelPrevious(const QObject *target, std::string_view action) override;
    void cancelAll(const QObject *target) override;

    // Moves the clock on, running every call that falls due on the way in the order of its time.
    void advance(double seconds);

    double now() const { return m_now; }
    int pendingCount(const QObject *target, std::string_view action) const;
    int pendingCount() const { return static_cast<int>(m_entries.size()); }
    // The operations target has pending calls of, oldest first, by the action names the game's
    // classes publish (HitBlowController::kAskMacNextAnswer, GameBoardView::kDidOK, ...).
    std::vector<std::string> pendingActions(const QObject *target) const;
    // The delays the pending calls of one action were scheduled with, oldest first.
    std::vector<double> pendingDelays(const QObject *target, std::string_view action) const;

private:
    struct Entry {
        std::uint64_t id;
        const QObject *target;
        QPointer<const QObject> liveTarget;
        std::string action;
        double dueAt;
        double delay;
        std::function<void()> call;
    };

    std::vector<Entry> m_entries;
    double m_now = 0;
    std::uint64_t m_nextId = 1;
};
