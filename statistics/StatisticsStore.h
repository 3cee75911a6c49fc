// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/MatchStatistics.h"

#include <QSqlDatabase>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QSqlError;

// The statistics database, an SQLite file: one connection, used only on the thread that made the
// store. Table `matches` holds one row per match in the order recorded: `id`, `finished` (ISO 8601,
// UTC, "2026-01-02T03:04:05Z"), `strength` (0 to 3), `result` ("won", "lost", "draw" or
// "abandoned"), `guesses`, `hinted` (0 or 1), `turns` (the user's guesses and scores as
// OwnRecords::toJsonText() writes them; NULL where they were not kept), `details` (a JSON object:
// the guesses the hint gave, Mac's number and Mac's turns; NULL where none were kept), `mode`
// ("mac", "daily" for a daily puzzle on its date, "practice" for an earlier one played again,
// "duel" for a duel with another person; rows of databases before version 2 read as "mac"),
// `puzzle` (the daily puzzle's number; NULL for the others), and of a duel `opponent` (the other
// player's name), `network` (1 across the network, 0 at one computer) and `opponent_lied` (1 when
// the opponent's scores or number did not match its commitment: the duel ended there and counts
// as won; 0 for every other row). A duel is kept from the player's side: `turns` are the player's
// guesses, the details' "Mac's" turns and number the opponent's, and `strength` means nothing.
// A daily puzzle has at most one "daily" row. The figures of a strength level count only "mac"
// rows, the daily figures only "daily" ones; a daily row keeps the strength set when it was played. Table `saved_match` holds
// at most one row, the match in progress kept for resuming as SavedMatch::toJson() writes it. Every
// write is one transaction; the journal is a write-ahead log and a busy timeout makes two games wait for
// each other, so a full disk, a crash or a second game never leaves half a write.
//
// A file that is not a database (a folder, a FIFO, a device, anything without SQLite's header, one
// that cannot be read) is refused and never touched, and so is a database whose journal (-wal,
// -shm, -journal) is no regular file, and so is a database of another program or of
// a newer version whose tables the game cannot write (judged by `PRAGMA user_version` and the
// columns, before anything is written). A database that SQLite finds damaged is renamed aside,
// byte for byte, with the suffix ".corrupt" (with its journal), a new one is started, and the rows
// that can still be read are carried over into it. Rows holding values the game does not know
// (a result, strength, guess count or hinted mark out of range) stay in the file and are left out
// of every figure; unknownRows() counts them. A database deleted or replaced while the game runs
// is noticed at the next write, and a new one begun with the rows the old one held.
class StatisticsStore
{
public:
    enum class Problem { None, DiskFull, NotWritable, Busy, NotADatabase, NotReadable, Foreign, Newer, Other };

    // $XDG_DATA_HOME/HitBlow/statistics.sqlite, by default under ~/.local/share (see UserFolders);
    // empty when there is no such folder.
    static QString defaultPath();

    // An empty path keeps the statistics in memory only.
    explicit StatisticsStore(const QString &path);
    ~StatisticsStore();
    StatisticsStore(const StatisticsStore &) = delete;
    StatisticsStore &operator=(const StatisticsStore &) = delete;

    const QString &path() const { return m_path; }
    // path with suffix appended, or with ".2" + suffix, ".3" + suffix ... when that is taken.
    static QString unusedName(const QString &path, const QString &suffix);

    // Opens the database, creating it and its folder when needed; true once it is open. Refused
    // files stay refused for the life of the store. keptAsidePath() says where a damaged one went.
    bool open();
    bool isOpen() const { return m_database.isOpen(); }
    const QString &keptAsidePath() const { return m_keptAsidePath; }
    // Of a damaged database: the rows carried over, and those that could not be read (-1: some,
    // how many unknown).
    int rowsCarriedOver() const { return m_carriedOver; }
    int rowsLost() const { return m_lost; }
    // Whether a refusal is for good (a file in the way), not for a moment (busy, disk full).
    bool isRefused() const { return m_refused; }
    // How long a read or write waits for another game's lock; once *hurry is true (set from any
    // thread), a moment at most.
    void setBusyTimeout(int milliseconds);
    void setHurry(const std::atomic<bool> *hurry) { m_hurry = hurry; }

    // Gives the next match to append, nothing after the last.
    using MatchSource = std::function<std::optional<MatchRecord>()>;
    // Appends the matches in one transaction; beforeCommit, when given, runs inside it last and
    // can cancel it by returning false (then problem() is Other with its reason in detail()).
    bool append(const std::vector<MatchRecord> &matches, const std::function<bool(QString *reason)> &beforeCommit = {});
    // The same, taking each match from next as it is written, so that they are never all held.
    bool append(const MatchSource &next, const std::function<bool(QString *reason)> &beforeCommit = {});
    // Forgets every match.
    bool clear();

    // The match in progress: keptMatch() is its text, nothing when none is kept or the store cannot
    // be read; keepMatch() puts text in place of any kept before; forgetKeptMatch() removes it
    // only while it is still text, so that a match another game kept since stays. Inside
    // append's beforeCommit, forgetKeptMatch() is part of the append's transaction.
    std::optional<QByteArray> keptMatch();
    bool keepMatch(const QByteArray &text);
    bool forgetKeptMatch(const QByteArray &text);

    // The figures of one strength level (or of all: MatchStatistics::kAllStrengths; or of the daily
    // puzzles: MatchStatistics::kDailyPuzzles, whose streaks count matches won in a row), the latest
    // count matches of one level or all, newest first, and every match oldest first; empty when
    // the store cannot be read.
    LevelSummary summaryFor(int strength);
    std::vector<MatchRecord> latest(int count, int strength = MatchStatistics::kAllStrengths);
    // The latest match won, lost or drawn; nothing when there is none.
    std::optional<MatchRecord> lastDecided();
    // The row of daily puzzle number played on its date (never a practice one), the one attempt
    // it has; nothing when it has not been played or the store cannot be read.
    std::optional<MatchRecord> dailyAttempt(int puzzle);
    // Every daily puzzle solved on its date, by puzzle number.
    std::vector<MatchRecord> solvedDailies();
    MatchStatistics allMatches();
    // Hands every match to visit, oldest first, as it is read, until visit returns false; false
    // when visit stopped it or the store could not be read (then problem() says why).
    bool forEachMatch(const std::function<bool(const MatchRecord &)> &visit);
    int matchCount();
    // Rows left out because they hold values the game does not know.
    int unknownRows();

    // Why the last open or write failed, as a kind and SQLite's or the system's own words.
    Problem problem() const { return m_problem; }
    const QString &detail() const { return m_detail; }

private:
    bool refuseOddFile();
    bool openConnection();
    static int waitForLock(void *store, int attempt);
    bool switchToWal();
    bool isIntact();
    std::vector<MatchRecord> readableRows(int *lost);
    bool addColumn(const QString &name, const QString &definition);
    bool admitDuels();
    void keepAside();
    bool refuseForeignTables();
    bool createTables();
    bool isStillThere() const;
    int countWhere(const QString &condition);
    bool execute(const QString &statement);
    // Runs statement with text bound to its one placeholder.
    bool executeWithText(const QString &statement, const QByteArray &text);
    void refuse(Problem problem, const QString &reason);
    void fail(Problem problem, const QString &detail);
    void failFrom(const QSqlError &error);

    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_database;
    QString m_keptAsidePath;
    bool m_refused = false;
    int m_carriedOver = 0;
    int m_lost = 0;
    // The file the connection opened, as device and inode, to notice its deletion.
    std::pair<quint64, quint64> m_fileId;
    int m_busyTimeout = 5000;
    const std::atomic<bool> *m_hurry = nullptr;
    std::chrono::steady_clock::time_point m_waitStarted;
    Problem m_problem = Problem::None;
    QString m_detail;
};
