// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/MatchTracker.h"

#include "rules/MatchRules.h"
#include "match/ExpertHint.h"
#include "match/OwnRecords.h"

#include <utility>

MatchTracker::MatchTracker(RandomSource &random, const QString &statisticsPath)
    : m_keeper(statisticsPath)
    , m_hintStrategy(std::make_unique<ExpertHint>(random))
{
    m_aids.load();
}

MatchTracker::~MatchTracker() = default;

void MatchTracker::statusChanged(const MatchProgress &match, int strength, const std::optional<SavedMatch> &saved)
{
    // A decided match is recorded here, and the keeper forgets it as kept in the same write.
    m_keeper.matchStatusChanged(match, strength);
    if (saved && isMatchRunning(match.status))
        keep(*saved);
}

void MatchTracker::keep(const SavedMatch &saved)
{
    if (!isMatchRunning(saved.status))
        return;
    // This match takes the kept one's place: the kept one must have been seen first.
    waitForKeptMatch();
    SavedMatch kept = saved;
    kept.hinted = m_keeper.hinted();
    m_keeper.keepMatch(kept);
    m_resumable.reset();
}

void MatchTracker::findKeptMatch(std::function<void()> found)
{
    // The keeper is the tracker's own, so an answer never outlives the tracker.
    m_keeper.findKeptMatch(&m_keeper, [this, found = std::move(found)](const std::optional<SavedMatch> &kept) {
        if (m_keptMatchKnown)
            return;
        learnKeptMatch(kept);
        if (found)
            found();
    });
}

void MatchTracker::waitForKeptMatch()
{
    // Cut short by a termination signal, the wait finds none: the game is ending, and a kept
    // match stays in the database for the next start.
    if (!m_keptMatchKnown)
        learnKeptMatch(m_keeper.keptMatchNow());
}

void MatchTracker::learnKeptMatch(const std::optional<SavedMatch> &kept)
{
    m_keptMatchKnown = true;
    m_resumable = kept;
}

std::optional<SavedMatch> MatchTracker::resume()
{
    waitForKeptMatch();
    std::optional<SavedMatch> match = std::exchange(m_resumable, std::nullopt);
    if (match)
        m_keeper.matchResumed(match->hinted);
    return match;
}

bool MatchTracker::newGameNeedsConsent(GameStatus status)
{
    waitForKeptMatch();
    return (isMatchRunning(status) || m_resumable) && m_aids.confirmAbandon();
}

void MatchTracker::giveUp(const MatchProgress &match, int strength)
{
    waitForKeptMatch();
    if (!isMatchRunning(match.status) && m_resumable) {
        m_keeper.matchResumed(m_resumable->hinted);
        m_keeper.abandon({m_resumable->status, MatchResultNone, int(m_resumable->userTurns.size()),
                          {m_resumable->userTurns},
                          {m_resumable->macTurns},
                          m_resumable->macOwnNumbers, m_resumable->dailyPuzzle, m_resumable->dailyPractice,
                          m_resumable->dailyHardMode},
                         m_resumable->strength);
    } else {
        m_keeper.abandon(match, strength);
    }
    // Recorded as abandoned above, and with it no longer kept.
    m_resumable.reset();
}

bool MatchTracker::hintAvailable(GameStatus status)
{
    return status == GameStatusUserTurn;
}

std::optional<NumberSet> MatchTracker::hint(GameStatus status, const OwnRecords &records)
{
    if (!hintAvailable(status))
        return std::nullopt;
    const NumberSet guess = m_hintStrategy->suggestedGuess(records);
    m_keeper.markHinted(int(records.size()), guess);
    return guess;
}
