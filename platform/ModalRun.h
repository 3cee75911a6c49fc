#pragma once

#include <functional>

// Marks a modal run (an alert or a dialog in its own event loop). While one is open, delayed
// calls that fall due wait; they run once the last modal run has ended, so that a handler that
// opened an alert still runs to its end before any delayed call.
class ModalRun
{
public:
    ModalRun();
    ~ModalRun();
    ModalRun(const ModalRun &) = delete;
    ModalRun &operator=(const ModalRun &) = delete;

    static bool isActive();

    // Called each time the last open modal run ends. Returns an id for removeEndListener().
    static int addEndListener(std::function<void()> listener);
    static void removeEndListener(int id);
};
