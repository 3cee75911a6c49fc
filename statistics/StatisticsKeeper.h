#pragma once

#include "MatchStatistics.h"
#include "StatisticsFile.h"

#include <optional>

class HitBlowController;

// Records each match in the statistics once, when it is decided or abandoned, and writes the file
// at once. The file is read on first need, so that start-up never waits for it.
class StatisticsKeeper
{
public:
    explicit StatisticsKeeper(const QString &path = StatisticsFile::defaultPath());

    // A match is starting: it is neither hinted nor recorded yet.
    void matchStarted();
    void markHinted();
    bool hinted() const { return m_hinted; }

    // Records the match the first time it is seen decided (status 6 or 7 with a result).
    void matchStatusChanged(const HitBlowController &match, int strength);
    // Records a running match (status 2 to 5) as abandoned.
    void abandon(const HitBlowController &match, int strength);

    const MatchStatistics &statistics();
    // Forgets every match and writes the empty statistics.
    void reset();

    // Where an unreadable file was kept aside; given once, then empty.
    QString takeKeptAsideNotice();

private:
    void record(MatchOutcome result, const HitBlowController &match, int strength);
    void save();

    StatisticsFile m_file;
    std::optional<MatchStatistics> m_statistics;
    QString m_keptAsideNotice;
    bool m_hinted = false;
    bool m_recorded = false;
    bool m_saveFailureReported = false;
};
