#pragma once

#include "MatchProgress.h"
#include "MatchStatistics.h"
#include "StatisticsFile.h"

#include <QThreadPool>

#include <atomic>
#include <future>
#include <memory>
#include <optional>

// Records each match in the statistics once, when it is decided or abandoned, and has the file
// written at once. The file is read and written on a thread of its own, in the order asked: the
// game never waits for the disk, except when it needs the statistics before their first read has
// finished. The first read starts with the first match, or when the statistics are first needed.
class StatisticsKeeper
{
public:
    explicit StatisticsKeeper(const QString &path = StatisticsFile::defaultPath());
    // Waits for the writes still under way.
    ~StatisticsKeeper();
    StatisticsKeeper(const StatisticsKeeper &) = delete;
    StatisticsKeeper &operator=(const StatisticsKeeper &) = delete;

    // A match is starting: it is neither hinted nor recorded yet.
    void matchStarted();
    void markHinted();
    bool hinted() const { return m_hinted; }

    // Takes a new match as started (status 1), and records the match the first time it is seen
    // decided (status 6 or 7 with a result).
    void matchStatusChanged(const MatchProgress &match, int strength);
    // Records a running match (status 2 to 5) as abandoned.
    void abandon(const MatchProgress &match, int strength);

    const MatchStatistics &statistics();
    // Forgets every match and writes the empty statistics.
    void reset();

    // Where an unreadable file was kept aside; given once, then empty.
    QString takeKeptAsideNotice();

    // Waits until the file holds everything recorded so far.
    void waitForWrites();

private:
    struct Loaded {
        MatchStatistics statistics;
        QString keptAsidePath;
    };

    void startLoading();
    void record(MatchOutcome result, const MatchProgress &match, int strength);
    void save();

    // Used only on the file's thread.
    std::unique_ptr<StatisticsFile> m_file;
    QThreadPool m_fileThread;
    std::future<Loaded> m_loading;
    std::optional<MatchStatistics> m_statistics;
    QString m_keptAsideNotice;
    bool m_hinted = false;
    bool m_recorded = false;
    std::atomic<bool> m_saveFailureReported = false;
};
