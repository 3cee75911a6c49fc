#include "MatchTracker.h"

#include "MatchRules.h"
#include "match/ExpertHint.h"
#include "match/OwnRecords.h"

MatchTracker::MatchTracker(RandomSource &random, const QString &statisticsPath)
    : m_keeper(statisticsPath)
    , m_hintStrategy(std::make_unique<ExpertHint>(random))
{
    m_aids.load();
}

MatchTracker::~MatchTracker() = default;

void MatchTracker::statusChanged(const MatchProgress &match, int strength)
{
    m_keeper.matchStatusChanged(match, strength);
}

bool MatchTracker::newGameNeedsConsent(int status) const
{
    return isMatchRunning(status) && m_aids.confirmAbandon();
}

void MatchTracker::giveUp(const MatchProgress &match, int strength)
{
    m_keeper.abandon(match, strength);
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
