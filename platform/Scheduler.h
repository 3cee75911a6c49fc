#pragma once

#include <functional>
#include <string_view>

// Delayed calls on the main loop. A call runs once, after its delay; cancelling drops every
// pending call of one action on one target and nothing else. Targets are identified by address
// and actions by name, so a target must cancel its calls before it goes away.
class Scheduler
{
public:
    virtual ~Scheduler() = default;

    virtual void performAfterDelay(const void *target, std::string_view action, double seconds,
                                   std::function<void()> call) = 0;
    virtual void cancelPrevious(const void *target, std::string_view action) = 0;
    virtual void cancelAll(const void *target) = 0;
};
