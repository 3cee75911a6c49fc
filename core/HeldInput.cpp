// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/HeldInput.h"

#include <utility>

bool HeldInput::hold(bool isOK, std::function<void()> input)
{
    if (!m_okPending)
        return false;
    m_held.push_back({isOK, std::move(input)});
    return true;
}

void HeldInput::deliver(bool matchMovedOn)
{
    // OK presses right behind an OK that moved the match on only repeat it: a quick second Return
    // on the counts must not refuse a guess that was never typed.
    while (matchMovedOn && !m_held.empty() && m_held.front().isOK)
        m_held.pop_front();
    // Each input is taken out before it runs: a held OK key makes the rest wait for its own press.
    while (!m_okPending && !m_held.empty()) {
        const std::function<void()> input = std::move(m_held.front().deliver);
        m_held.pop_front();
        input();
    }
}

void HeldInput::clear()
{
    m_okPending = false;
    m_held.clear();
}
