// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>

// Input that waits while an OK key's press is pending, so that it never changes what that OK
// submits: keys and mouse presses and releases that arrive meanwhile are held and delivered in
// order once the OK has run. OK presses held right behind an OK that moved the match on are
// dropped as repeats of it.
class HeldInput
{
public:
    // An OK key went down; its press runs later.
    void okPressed() { m_okPending = true; }
    // The pending OK press has come up (it runs next).
    void okReleased() { m_okPending = false; }
    bool okPending() const { return m_okPending; }

    // Queues input while an OK press is pending; false when it may act at once. isOK marks an OK
    // key or a press on the OK button.
    bool hold(bool isOK, std::function<void()> input);
    // Delivers what waited, oldest first; a delivered OK key makes the rest wait for its own press.
    void deliver(bool matchMovedOn);
    // Forgets the pending press and everything held, as a new match does.
    void clear();

    int count() const { return static_cast<int>(m_held.size()); }

private:
    struct Input {
        bool isOK;
        std::function<void()> deliver;
    };
    bool m_okPending = false;
    std::deque<Input> m_held;
};
