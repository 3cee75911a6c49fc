// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BoardEntry.h"

#include "rules/MatchRules.h"

#include <algorithm>

int BoardEntry::lengthFor(GameStatus status)
{
    switch (status) {
    case GameStatusUserTurn:
        return kDigitCount;
    case GameStatusCheckHitBlow:
        return kCountsLength;
    default:
        return 0;
    }
}

std::vector<int> *BoardEntry::entriesFor(GameStatus status)
{
    switch (status) {
    case GameStatusUserTurn:
        return &m_guess;
    case GameStatusCheckHitBlow:
        return &m_counts;
    default:
        return nullptr;
    }
}

void BoardEntry::clear()
{
    m_guess.clear();
    m_counts.clear();
    m_cursor = 0;
}

void BoardEntry::clearGuess()
{
    m_guess.clear();
    m_cursor = 0;
}

void BoardEntry::clearCounts()
{
    m_counts.clear();
    m_cursor = 0;
}

void BoardEntry::type(GameStatus status, int digit)
{
    std::vector<int> *entries = entriesFor(status);
    if (!entries)
        return;
    const int length = lengthFor(status);
    const int count = static_cast<int>(entries->size());
    if (m_cursor < count) {
        (*entries)[m_cursor] = digit;
    } else if (count < length) {
        entries->resize(m_cursor, kBlank);
        entries->push_back(digit);
    }
    if (m_cursor < length - 1)
        ++m_cursor;
}

void BoardEntry::deleteAtCursor(GameStatus status)
{
    std::vector<int> *entries = entriesFor(status);
    if (!entries)
        return;
    const int count = static_cast<int>(entries->size());
    if (count == 0) {
        m_cursor = 0;
    } else if (m_cursor < count) {
        entries->erase(entries->begin() + m_cursor);
    } else {
        entries->pop_back();
        m_cursor = count - 1;
    }
}

void BoardEntry::moveCursor(GameStatus status, int step)
{
    const int length = lengthFor(status);
    if (length == 0)
        return;
    if (step < 0)
        m_cursor = m_cursor <= 0 ? length - 1 : m_cursor - 1;
    else
        m_cursor = m_cursor >= length - 1 ? 0 : m_cursor + 1;
}

void BoardEntry::setCounts(const HitBlowResult &counts)
{
    m_counts = {counts.hits, counts.blows};
    m_cursor = 0;
}

namespace {
// The value an entry counts as: a blank counts as 0.
int valueOf(int entry)
{
    return entry == BoardEntry::kBlank ? 0 : entry;
}
} // namespace

BoardEntry::GuessCheck BoardEntry::checkGuess()
{
    // Missing digits count as 0 and stay in the list as blank entries the user can overwrite.
    if (m_guess.size() < static_cast<std::size_t>(kDigitCount))
        m_guess.resize(kDigitCount, kBlank);
    GuessCheck check{{}, -1};
    for (int place = 0; place < kDigitCount; ++place)
        check.guess[place] = valueOf(m_guess[place]);
    for (int place = 1; place < kDigitCount && check.repeatedDigit < 0; ++place) {
        const auto before = check.guess.begin() + place;
        if (std::find(check.guess.begin(), before, check.guess[place]) != before)
            check.repeatedDigit = check.guess[place];
    }
    if (check.accepted())
        m_cursor = 0;
    return check;
}

BoardEntry::CountsCheck BoardEntry::checkCounts(const HitBlowResult &truth)
{
    if (m_counts.size() < static_cast<std::size_t>(kCountsLength))
        m_counts.resize(kCountsLength, kBlank);
    const HitBlowResult typed{valueOf(m_counts[0]), valueOf(m_counts[1])};
    return {typed, typed.hits == truth.hits && typed.blows == truth.blows};
}
