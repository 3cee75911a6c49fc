// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/MatchProgress.h"
#include "match/MatchStatistics.h"
#include "match/SavedMatch.h"
#include "statistics/StatisticsImport.h"
#include "statistics/StatisticsStore.h"
#include "platform/UnixSignalQuitter.h"

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <vector>

// Records each match in the statistics once, when it is decided or abandoned. The database lives
// on a thread of its own, which opens it when first needed (importing the statistics file of
// earlier versions then) and does every read and write in the order asked: the game only hands
// work over and never waits for the disk. A match that could not be written stays in memory and
// goes in with the next write that succeeds; saveProblem() says why until then. Matches still
// waiting at the end, or refused by a database the game cannot write, go to a small side file
// beside the database (waitingPath()), written whole, which the next start takes in.
//
// The database also keeps the match in progress for resuming. Recording a match forgets the match
// kept then in the same transaction, so a match is either offered again or counted, never both
// and never neither.
class StatisticsKeeper : public QObject
{
    Q_OBJECT

public:
    explicit StatisticsKeeper(const QString &databasePath = StatisticsStore::defaultPath());
    // finish(), when it was not called.
    ~StatisticsKeeper() override;
    // Ends the keeper's work: the writes still queued are not waited for one by one; the matches
    // still waiting get one short try at the database and otherwise go to the side file. Gives
    // what was lost, "" when nothing was. Nothing is recorded after it.
    QString finish();

    // The side file of the database at databasePath.
    static QString waitingPath(const QString &databasePath);

    // A match is starting: it is neither hinted nor recorded yet.
    void matchStarted();
    // The hint gave guess for the user's guess number turn (from 0).
    void markHinted(int turn = -1, const NumberSet &guess = {});
    // A match kept from an earlier run goes on (or is given up): not recorded yet, hinted as kept.
    void matchResumed(bool hinted);
    bool hinted() const { return m_hinted; }
    // Whether the user's guess of this turn (0 first) went as the hint typed it.
    bool typedByHint(int turn, const NumberSet &guess) const;
    // The latest match of this run recorded as won, lost or drawn, with its turns.
    const std::optional<MatchRecord> &lastDecided() const { return m_lastDecided; }

    // Takes a new match as started (GameStatusChooseNumbers), and records the match the first time
    // it is seen decided (GameStatusGameOver or GameStatusResultShown with a result).
    void matchStatusChanged(const MatchProgress &match, int strength);
    // Records an ended duel; the match against Mac, running or kept, is left as it is.
    void recordDuel(const MatchRecord &duel);
    // Records a running match (isMatchRunning) as abandoned.
    void abandon(const MatchProgress &match, int strength);
    // Forgets every match, stored or not.
    void reset();

    // Keeps match for resuming in place of any kept before.
    void keepMatch(const SavedMatch &match);
    // The match kept for resuming, handed to done on the game's thread unless receiver is gone;
    // nothing when none is kept or it cannot be read. A match-in-progress.json file of earlier
    // versions beside the database is taken in first.
    void findKeptMatch(QObject *receiver, std::function<void(const std::optional<SavedMatch> &)> done);
    // The same, waiting for the answer: for the rare command that comes before it.
    std::optional<SavedMatch> keptMatchNow();

    // Runs query on the store's thread and hands its result to done on the game's thread, unless
    // receiver is gone by then. The store may be refused or failing: its queries then give nothing.
    template <typename Result>
    void ask(QObject *receiver, std::function<Result(StatisticsStore &)> query,
             std::function<void(const Result &)> done);
    // The same, waiting for the answer: for the rare command that cannot go on without it. A
    // termination signal ends the wait at once with Result{}, so that the quit never waits for
    // another game's lock.
    template <typename Result>
    Result askAndWait(std::function<Result(StatisticsStore &)> query);

    // Writes every match, stored or still waiting to be, as a statistics.json file at path; done
    // gets an empty text or the reason it failed.
    void exportTo(const QString &path, QObject *receiver, std::function<void(const QString &error)> done);

    // "Statistics could not be saved: disk full", or empty while everything is stored.
    QString saveProblem() const;
    // On the store's thread, after a read: "The statistics could not be read: …", or empty when
    // the store is open.
    QString readProblem(const StatisticsStore &store) const;
    // What was kept aside, where, and what came over: a damaged database, an unreadable old
    // statistics file or side file; given once.
    QString takeKeptAsideNotice();
    // What the import of an old statistics file did; given once, then NoFile.
    StatisticsImport::Report takeImportReport();

    // Waits until every write asked so far has been tried.
    void waitForWrites();

signals:
    // Emitted, from the store's thread, after every failed write and when writing works again.
    void saveProblemChanged(const QString &problem);

private:
    void record(MatchOutcome result, const MatchProgress &match, int strength);
    void post(std::function<void()> work);

    // Used only on the store's thread.
    StatisticsStore &store();
    void openStore();
    void writeUnsaved();
    void takeInWaitingFile();
    QString writeWaitingFile();
    std::optional<SavedMatch> readKeptMatch();
    void importKeptMatchFile();
    QString problemText(const StatisticsStore &store) const;
    QString reasonText(const StatisticsStore &store) const;
    QString keptAsideText(const StatisticsStore &store) const;
    void setSaveProblem(const QString &problem);

    QString m_databasePath;
    QThread m_thread;
    // Set by finish(): the writes queued before it leave their matches to its one try.
    std::atomic<bool> m_finishing = false;
    std::unique_ptr<QObject> m_inThread;
    bool m_hinted = false;
    // The hints given in this match, by the guess they were for.
    std::vector<std::pair<int, NumberSet>> m_hints;
    bool m_recorded = false;
    std::optional<MatchRecord> m_lastDecided;

    // The store's thread's own.
    std::unique_ptr<StatisticsStore> m_store;
    std::vector<MatchRecord> m_unsaved;
    // Whether the side file's matches are among those waiting (or, with a refused database, in
    // the store in memory): the file goes once they are written.
    bool m_waitingFileTaken = false;
    QString m_refusal;
    // The text of the match kept for resuming as this game last wrote or read it, and the texts of
    // kept matches since recorded, forgotten with the next write that succeeds.
    QByteArray m_keptText;
    std::vector<QByteArray> m_recordedKeptTexts;
    bool m_keepFailureReported = false;

    // Written on the store's thread, read on the game's.
    mutable QMutex m_reportsLock;
    QString m_saveProblem;
    QString m_keptAside;
    StatisticsImport::Report m_importReport;
};

template <typename Result>
void StatisticsKeeper::ask(QObject *receiver, std::function<Result(StatisticsStore &)> query,
                           std::function<void(const Result &)> done)
{
    post([this, receiver = QPointer<QObject>(receiver), query = std::move(query), done = std::move(done)] {
        // Handed back through the keeper, which outlives its thread; the receiver is checked there.
        QMetaObject::invokeMethod(
            this, [receiver, done, result = query(store())] {
                if (receiver)
                    done(result);
            },
            Qt::QueuedConnection);
    });
}

template <typename Result>
Result StatisticsKeeper::askAndWait(std::function<Result(StatisticsStore &)> query)
{
    auto answer = std::make_shared<std::promise<Result>>();
    std::future<Result> result = answer->get_future();
    post([this, answer, query = std::move(query)] { answer->set_value(query(store())); });
    while (result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (UnixSignalQuitter::quitRequested())
            return Result{};
    }
    return result.get();
}
