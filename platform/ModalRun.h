// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Whether a modal run is open: a modal window of the application (an alert or a dialog, in its
// own event loop or not) or an explicit ModalRun. While one is open, delayed calls that fall due
// wait; they run once the last has ended and the event loop a modal window ran in has returned,
// so that the handler that opened it still runs to its end before any delayed call. Modal
// windows are noticed by themselves: nobody who opens one has to say so.
class ModalRun
{
public:
    // Marks a modal run that is no window of the application's own.
    ModalRun();
    ~ModalRun();
    ModalRun(const ModalRun &) = delete;
    ModalRun &operator=(const ModalRun &) = delete;

    static bool isActive();

    // Called each time the last open modal run ends. Returns an id for removeEndListener().
    static int addEndListener(std::function<void()> listener);
    static void removeEndListener(int id);
};
