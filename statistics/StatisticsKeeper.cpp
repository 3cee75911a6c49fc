#include "StatisticsKeeper.h"

#include "HitBlowController.h"

#include <algorithm>

namespace {
bool isRunning(int status)
{
    return status >= GameStatusMacTurn && status <= GameStatusUserResult;
}

std::optional<MatchOutcome> outcomeOf(int matchResult)
{
    switch (matchResult) {
    case MatchResultUserWon:
        return MatchOutcome::Won;
    case MatchResultMacWon:
        return MatchOutcome::Lost;
    case MatchResultDraw:
        return MatchOutcome::Draw;
    default:
        return std::nullopt;
    }
}
} // namespace

StatisticsKeeper::StatisticsKeeper(const QString &path)
    : m_file(path)
{
}

void StatisticsKeeper::matchStarted()
{
    m_hinted = false;
    m_recorded = false;
}

void StatisticsKeeper::markHinted()
{
    m_hinted = true;
}

void StatisticsKeeper::matchStatusChanged(const HitBlowController &match, int strength)
{
    const int status = match.gameStatus();
    if (status != GameStatusGameOver && status != GameStatusResultShown)
        return;
    if (const std::optional<MatchOutcome> outcome = outcomeOf(match.matchResult()))
        record(*outcome, match, strength);
}

void StatisticsKeeper::abandon(const HitBlowController &match, int strength)
{
    if (isRunning(match.gameStatus()))
        record(MatchOutcome::Abandoned, match, strength);
}

void StatisticsKeeper::record(MatchOutcome result, const HitBlowController &match, int strength)
{
    if (m_recorded)
        return;
    m_recorded = true;
    // Levels beyond the strongest play as the strongest; those below 0 as 0.
    const int level = std::clamp(strength, 0, MatchStatistics::kStrongestLevel);
    statistics();
    m_statistics->append(MatchRecord{QDateTime::currentDateTimeUtc(), level, result,
                                     int(match.userFormerAnswers().size()), m_hinted, {}});
    save();
}

const MatchStatistics &StatisticsKeeper::statistics()
{
    if (!m_statistics) {
        m_statistics = m_file.load();
        m_keptAsideNotice = m_file.keptAsidePath();
    }
    return *m_statistics;
}

void StatisticsKeeper::reset()
{
    statistics();
    m_statistics->clear();
    save();
}

QString StatisticsKeeper::takeKeptAsideNotice()
{
    statistics();
    return std::exchange(m_keptAsideNotice, QString());
}

void StatisticsKeeper::save()
{
    if (m_file.save(*m_statistics)) {
        m_saveFailureReported = false;
        return;
    }
    // Reported once until a save succeeds again; the statistics of this run stay in memory.
    if (!m_saveFailureReported) {
        qWarning("The statistics could not be saved to %s: %s", qPrintable(m_file.path()),
                 qPrintable(m_file.errorString()));
        m_saveFailureReported = true;
    }
}
