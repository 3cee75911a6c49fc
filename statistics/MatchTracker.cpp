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
    // This game's own match: the matches other runs kept wait for the next start.
    waitForKeptMatches();
    SavedMatch kept = saved;
    kept.hinted = m_keeper.hinted();
    m_keeper.keepMatch(kept);
    m_resumable.clear();
}

void MatchTracker::findKeptMatch(std::function<void()> found)
{
    // The keeper is the tracker's own, so an answer never outlives the tracker.
    m_keeper.findKeptMatches(&m_keeper, [this, found = std::move(found)](const std::vector<KeptMatch> &kept) {
        if (m_keptMatchKnown)
            return;
        learnKeptMatches(kept);
        if (found)
            found();
    });
}

void MatchTracker::waitForKeptMatches()
{
    // Cut short by a termination signal, the wait finds none: the game is ending, and the kept
    // matches stay in the database for the next start.
    if (!m_keptMatchKnown)
        learnKeptMatches(m_keeper.keptMatchesNow());
}

void MatchTracker::learnKeptMatches(const std::vector<KeptMatch> &kept)
{
    m_keptMatchKnown = true;
    m_resumable = kept;
}

std::optional<SavedMatch> MatchTracker::resume(std::size_t index)
{
    waitForKeptMatches();
    if (index >= m_resumable.size())
        return std::nullopt;
    const KeptMatch kept = m_resumable[index];
    m_resumable.erase(m_resumable.begin() + std::ptrdiff_t(index));
    if (!m_keeper.claimKeptMatch(kept))
        return std::nullopt;
    m_keeper.matchResumed(kept.match.hinted);
    return kept.match;
}

bool MatchTracker::newGameNeedsConsent(GameStatus status)
{
    waitForKeptMatches();
    return (isMatchRunning(status) || !m_resumable.empty()) && m_aids.confirmAbandon();
}

void MatchTracker::giveUp(const MatchProgress &match, int strength)
{
    waitForKeptMatches();
    if (!isMatchRunning(match.status) && !m_resumable.empty()) {
        const KeptMatch &kept = m_resumable.front();
        const SavedMatch &given = kept.match;
        // Another game may have taken it up meanwhile: it is that game's to finish.
        if (m_keeper.claimKeptMatch(kept)) {
            m_keeper.matchResumed(given.hinted);
            m_keeper.abandon({given.status, MatchResultNone, int(given.userTurns.size()), {given.userTurns},
                              {given.macTurns}, given.macOwnNumbers, given.dailyPuzzle, given.dailyPractice,
                              given.dailyHardMode},
                             given.strength);
        }
    } else {
        m_keeper.abandon(match, strength);
    }
    // The one given up is no longer kept; the others wait for the next start, as when a match of
    // this game's own is kept.
    m_resumable.clear();
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
