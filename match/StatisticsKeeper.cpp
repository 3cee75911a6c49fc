#include "StatisticsKeeper.h"

#include "MatchRules.h"

#include <algorithm>

namespace {
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
    : m_file(std::make_unique<StatisticsFile>(path))
{
    // One thread, so that reading and writing happen in the order asked.
    m_fileThread.setMaxThreadCount(1);
}

StatisticsKeeper::~StatisticsKeeper()
{
    waitForWrites();
}

void StatisticsKeeper::matchStarted()
{
    m_hinted = false;
    m_recorded = false;
    startLoading();
}

void StatisticsKeeper::startLoading()
{
    if (m_statistics || m_loading.valid())
        return;
    auto promise = std::make_shared<std::promise<Loaded>>();
    m_loading = promise->get_future();
    m_fileThread.start([file = m_file.get(), promise] {
        MatchStatistics statistics = file->load();
        promise->set_value(Loaded{std::move(statistics), file->keptAsidePath()});
    });
}

void StatisticsKeeper::waitForWrites()
{
    m_fileThread.waitForDone();
}

void StatisticsKeeper::markHinted()
{
    m_hinted = true;
}

void StatisticsKeeper::matchStatusChanged(const MatchProgress &match, int strength)
{
    const int status = match.status;
    if (status == GameStatusChooseNumbers)
        matchStarted();
    if (status != GameStatusGameOver && status != GameStatusResultShown)
        return;
    if (const std::optional<MatchOutcome> outcome = outcomeOf(match.result))
        record(*outcome, match, strength);
}

void StatisticsKeeper::abandon(const MatchProgress &match, int strength)
{
    if (isMatchRunning(match.status))
        record(MatchOutcome::Abandoned, match, strength);
}

void StatisticsKeeper::record(MatchOutcome result, const MatchProgress &match, int strength)
{
    if (m_recorded)
        return;
    m_recorded = true;
    // Levels beyond the strongest play as the strongest; those below 0 as 0.
    const int level = std::clamp(strength, 0, MatchStatistics::kStrongestLevel);
    statistics();
    m_statistics->append(MatchRecord{QDateTime::currentDateTimeUtc(), level, result,
                                     match.userGuesses, m_hinted, {}});
    save();
}

const MatchStatistics &StatisticsKeeper::statistics()
{
    if (!m_statistics) {
        startLoading();
        Loaded loaded = m_loading.get();
        m_statistics = std::move(loaded.statistics);
        m_keptAsideNotice = loaded.keptAsidePath;
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
    // The file's thread writes a copy, so that the game goes on with its own.
    m_fileThread.start([this, file = m_file.get(), statistics = *m_statistics] {
        if (file->save(statistics)) {
            m_saveFailureReported = false;
            return;
        }
        // Reported once until a save succeeds again; the statistics of this run stay in memory.
        if (!m_saveFailureReported.exchange(true)) {
            qWarning("The statistics could not be saved to %s: %s", qPrintable(file->path()),
                     qPrintable(file->errorString()));
        }
    });
}
