#include "MatchTracker.h"

#include "MatchRules.h"
#include "match/ExpertHint.h"
#include "match/OwnRecords.h"

#include <utility>

MatchTracker::MatchTracker(RandomSource &random, const QString &statisticsPath,
                           std::unique_ptr<SavedMatchStore> savedMatches)
    : m_keeper(statisticsPath)
    , m_hintStrategy(std::make_unique<ExpertHint>(random))
    , m_savedMatches(std::move(savedMatches))
{
    m_aids.load();
    m_resumable = m_savedMatches->load();
    m_keeping = m_resumable.has_value();
}

MatchTracker::~MatchTracker() = default;

void MatchTracker::statusChanged(const MatchProgress &match, int strength, const std::optional<SavedMatch> &saved)
{
    m_keeper.matchStatusChanged(match, strength);
    if (saved && isMatchRunning(match.status)) {
        keep(*saved);
    } else if (match.result != MatchResultNone && m_keeping) {
        // Recorded above, so counted once: it is not offered again.
        m_savedMatches->clear();
        m_keeping = false;
    }
}

void MatchTracker::keep(const SavedMatch &saved)
{
    if (!isMatchRunning(saved.status))
        return;
    SavedMatch kept = saved;
    kept.hinted = m_keeper.hinted();
    m_savedMatches->save(kept);
    m_keeping = true;
    m_resumable.reset();
}

std::optional<SavedMatch> MatchTracker::resume()
{
    std::optional<SavedMatch> match = std::exchange(m_resumable, std::nullopt);
    if (match)
        m_keeper.matchResumed(match->hinted);
    return match;
}

bool MatchTracker::newGameNeedsConsent(int status) const
{
    return (isMatchRunning(status) || m_resumable) && m_aids.confirmAbandon();
}

void MatchTracker::giveUp(const MatchProgress &match, int strength)
{
    if (!isMatchRunning(match.status) && m_resumable) {
        m_keeper.matchResumed(m_resumable->hinted);
        m_keeper.abandon({m_resumable->status, MatchResultNone, int(m_resumable->userAnswers.size()),
                          {m_resumable->userAnswers, m_resumable->userHits, m_resumable->userBlows}},
                         m_resumable->strength);
    } else {
        m_keeper.abandon(match, strength);
    }
    m_resumable.reset();
    if (m_keeping)
        m_savedMatches->clear();
    m_keeping = false;
}

bool MatchTracker::hintAvailable(int status)
{
    return status == GameStatusUserTurn;
}

std::optional<NumberSet> MatchTracker::hint(int status, const OwnRecords &records)
{
    if (!hintAvailable(status))
        return std::nullopt;
    const NumberSet guess = m_hintStrategy->suggestedGuess(records);
    m_keeper.markHinted();
    return guess;
}
