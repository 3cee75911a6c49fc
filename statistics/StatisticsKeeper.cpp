// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/StatisticsKeeper.h"

#include "rules/MatchRules.h"
#include "oldfiles/SavedMatchFile.h"
#include "oldfiles/StatisticsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

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

StatisticsKeeper::StatisticsKeeper(const QString &databasePath)
    : m_databasePath(databasePath)
    , m_inThread(std::make_unique<QObject>())
{
    m_inThread->moveToThread(&m_thread);
}

StatisticsKeeper::~StatisticsKeeper()
{
    finish();
}

QString StatisticsKeeper::waitingPath(const QString &databasePath)
{
    return databasePath + QStringLiteral("-waiting.json");
}

QString StatisticsKeeper::finish()
{
    if (!m_thread.isRunning())
        return {};
    m_finishing = true;
    QString lost;
    post([this, &lost] {
        if (m_store) {
            if (!m_store->isRefused() && !m_unsaved.empty())
                writeUnsaved();
            lost = writeWaitingFile();
        }
        // The connection is closed on the thread that opened it.
        m_store.reset();
        QThread::currentThread()->quit();
    });
    m_thread.wait();
    return lost;
}

void StatisticsKeeper::post(std::function<void()> work)
{
    // The thread, and with it Qt SQL, starts with the first work, never at start-up.
    if (!m_thread.isRunning())
        m_thread.start();
    QMetaObject::invokeMethod(m_inThread.get(), std::move(work), Qt::QueuedConnection);
}

void StatisticsKeeper::matchStarted()
{
    m_hinted = false;
    m_hints.clear();
    m_recorded = false;
    // Opens the database while the player chooses a number.
    post([this] { store(); });
}

void StatisticsKeeper::matchResumed(bool hinted)
{
    m_hinted = hinted;
    // Which guesses were hinted is not kept with the match.
    m_hints.clear();
    m_recorded = false;
    post([this] { store(); });
}

void StatisticsKeeper::markHinted(int turn, const NumberSet &guess)
{
    m_hinted = true;
    if (turn >= 0)
        m_hints.emplace_back(turn, guess);
}

bool StatisticsKeeper::typedByHint(int turn, const NumberSet &guess) const
{
    return std::find(m_hints.begin(), m_hints.end(), std::pair(turn, guess)) != m_hints.end();
}

void StatisticsKeeper::matchStatusChanged(const MatchProgress &match, int strength)
{
    const int status = match.status;
    // A daily puzzle starts on the user's turn, before its first guess.
    if (status == GameStatusChooseNumbers || (match.dailyPuzzle > 0 && status == GameStatusUserTurn && match.userGuesses == 0))
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
    MatchRecord record{QDateTime::currentDateTimeUtc(), level, result, match.userGuesses,
                       m_hinted, {}, match.turns, {}, match.macTurns, match.macNumber};
    if (match.dailyPuzzle > 0) {
        record.mode = match.practice ? MatchMode::Practice : MatchMode::Daily;
        record.puzzle = match.dailyPuzzle;
        record.hardMode = match.hardMode;
    }
    // A guess sent as the hint typed it; one changed before Return is the player's own.
    for (int turn = 0; turn < int(match.turns.size()); ++turn) {
        if (typedByHint(turn, match.turns.turns[std::size_t(turn)].guess))
            record.hintedGuesses.push_back(turn);
    }
    if (result != MatchOutcome::Abandoned)
        m_lastDecided = record;
    post([this, record] {
        m_unsaved.push_back(record);
        // The match kept for resuming is this one: it goes with the write that counts it.
        if (!m_keptText.isEmpty())
            m_recordedKeptTexts.push_back(std::exchange(m_keptText, QByteArray()));
        // At the end, one try for all, not a wait for another game's lock for each.
        if (!m_finishing)
            writeUnsaved();
    });
}

void StatisticsKeeper::recordDuel(const MatchRecord &duel)
{
    if (duel.result != MatchOutcome::Abandoned)
        m_lastDecided = duel;
    post([this, duel] {
        m_unsaved.push_back(duel);
        if (!m_finishing)
            writeUnsaved();
    });
}

void StatisticsKeeper::reset()
{
    post([this] {
        m_unsaved.clear();
        StatisticsStore &database = store();
        setSaveProblem(database.clear() ? m_refusal : problemText(database));
    });
}

void StatisticsKeeper::keepMatch(const SavedMatch &match)
{
    post([this, text = match.toJson()] {
        StatisticsStore &database = store();
        if (database.keepMatch(text)) {
            m_keptText = text;
            m_keepFailureReported = false;
            return;
        }
        // Once until keeping works again, not at every status change; the match kept before stays.
        if (!std::exchange(m_keepFailureReported, true))
            qWarning("The match in progress could not be kept in %s: %s", qPrintable(database.path()),
                     qPrintable(database.detail()));
    });
}

void StatisticsKeeper::findKeptMatch(QObject *receiver, std::function<void(const std::optional<SavedMatch> &)> done)
{
    ask<std::optional<SavedMatch>>(receiver, [this](StatisticsStore &) { return readKeptMatch(); }, std::move(done));
}

std::optional<SavedMatch> StatisticsKeeper::keptMatchNow()
{
    return askAndWait<std::optional<SavedMatch>>([this](StatisticsStore &) { return readKeptMatch(); });
}

std::optional<SavedMatch> StatisticsKeeper::readKeptMatch()
{
    StatisticsStore &database = store();
    const std::optional<QByteArray> text = database.keptMatch();
    if (!text)
        return std::nullopt;
    QString why;
    std::optional<SavedMatch> match = SavedMatch::fromJson(*text, &why);
    if (!match) {
        // Left in its row, where the next match kept takes its place.
        qWarning("The match in progress kept in %s could not be read (%s); it cannot be resumed.",
                 qPrintable(database.path()), qPrintable(why));
        return std::nullopt;
    }
    m_keptText = *text;
    return match;
}

void StatisticsKeeper::importKeptMatchFile()
{
    const QString path = SavedMatchFile::besideStatistics(m_databasePath);
    if (!QFileInfo::exists(path))
        return;
    // An unreadable file is set aside by the file itself; a readable one is removed once the
    // database holds a kept match, its own or a newer one.
    SavedMatchFile file(path);
    const std::optional<SavedMatch> match = file.load();
    if (match && (m_store->keptMatch() || m_store->keepMatch(match->toJson())))
        file.clear();
}

void StatisticsKeeper::exportTo(const QString &path, QObject *receiver, std::function<void(const QString &)> done)
{
    ask<QString>(
        receiver,
        [this, path](StatisticsStore &database) {
            // Row by row as they are read, then those still waiting, never all held at once.
            bool readable = true;
            StatisticsFile file(path);
            const bool saved = file.save([&](const std::function<bool(const MatchRecord &)> &add) {
                bool written = true;
                readable = database.forEachMatch([&](const MatchRecord &match) { return written = add(match); })
                    || !written;
                return readable && written && std::all_of(m_unsaved.begin(), m_unsaved.end(), add);
            });
            if (saved)
                return QString();
            return readable ? file.errorString() : reasonText(database);
        },
        std::move(done));
}

void StatisticsKeeper::waitForWrites()
{
    if (!m_thread.isRunning())
        return;
    std::promise<void> done;
    post([&done] { done.set_value(); });
    done.get_future().wait();
}

StatisticsStore &StatisticsKeeper::store()
{
    if (!m_store)
        openStore();
    return *m_store;
}

void StatisticsKeeper::openStore()
{
    m_store = std::make_unique<StatisticsStore>(m_databasePath);
    // At the end another game's lock is waited for a moment only, even by a write under way.
    m_store->setHurry(&m_finishing);
    if (m_databasePath.isEmpty()) {
        // No data folder (HOME and XDG_DATA_HOME unset or unusable): the store is in memory, and
        // no old file is looked for, since there is no folder to look in.
        m_store->open();
        m_refusal = tr("Statistics kept only until the game quits: no folder to keep them in");
        qWarning("%s (HOME and XDG_DATA_HOME are unset or unusable).", qPrintable(m_refusal));
        setSaveProblem(m_refusal);
        return;
    }
    if (!m_store->open() && m_store->isRefused()) {
        // A file in the way is never written over: this run keeps its matches in memory, where
        // the statistics window still finds them, and at the end in the side file.
        m_refusal = problemText(*m_store);
        m_store = std::make_unique<StatisticsStore>(QString());
        m_store->open();
        takeInWaitingFile();
        setSaveProblem(m_refusal);
        return;
    }
    // Opened, or to be opened at the next write; the old file waits for a database that opens.
    StatisticsImport::Report report;
    if (m_store->isOpen())
        report = StatisticsImport::run(*m_store, QFileInfo(m_databasePath).dir().filePath(QStringLiteral("statistics.json")));
    if (m_store->isOpen())
        importKeptMatchFile();
    if (report.outcome != StatisticsImport::Outcome::NoFile)
        qWarning("Importing the old statistics file: %d matches imported, %d invalid entries left out%s%s",
                 report.imported, report.invalid, report.detail.isEmpty() ? "" : "; ", qPrintable(report.detail));
    {
        const QMutexLocker locker(&m_reportsLock);
        m_keptAside = keptAsideText(*m_store);
        if (report.outcome == StatisticsImport::Outcome::Unreadable)
            m_keptAside = tr("The old statistics file could not be read. It was kept as %1.").arg(report.keptAs);
        m_importReport = report;
    }
    takeInWaitingFile();
}

QString StatisticsKeeper::keptAsideText(const StatisticsStore &database) const
{
    if (database.keptAsidePath().isEmpty())
        return {};
    QString text = tr("The statistics database was damaged. It was kept as %1, and a new one was begun")
                       .arg(database.keptAsidePath());
    if (database.rowsCarriedOver() > 0)
        text += tr(" with the matches that could still be read (%n)", nullptr, database.rowsCarriedOver());
    text += QLatin1Char('.');
    if (database.rowsLost() > 0)
        text += QLatin1Char(' ') + tr("Matches that could not be read: %n.", nullptr, database.rowsLost());
    else if (database.rowsLost() < 0)
        text += QLatin1Char(' ') + tr("Some matches could not be read.");
    return text;
}

// The matches a side file holds join those waiting (or, with a refused database, the store in
// memory); the file goes once they are written. One that cannot be read is kept aside.
void StatisticsKeeper::takeInWaitingFile()
{
    StatisticsFile file(waitingPath(m_databasePath));
    const MatchStatistics waiting = file.load();
    if (!file.keptAsidePath().isEmpty()) {
        const QMutexLocker locker(&m_reportsLock);
        m_keptAside = tr("The matches waiting to be saved could not be read. They were kept as %1.")
                          .arg(file.keptAsidePath());
    }
    if (waiting.matches().empty())
        return;
    m_waitingFileTaken = true;
    if (!m_refusal.isEmpty()) {
        m_store->append(waiting.matches());
        return;
    }
    m_unsaved.insert(m_unsaved.begin(), waiting.matches().begin(), waiting.matches().end());
    writeUnsaved();
}

// The matches still waiting, all of them in one file put in place of any before; gives what was
// lost when even that could not be written.
QString StatisticsKeeper::writeWaitingFile()
{
    const QString path = waitingPath(m_databasePath);
    MatchStatistics waiting;
    if (!m_refusal.isEmpty()) {
        waiting = m_store->allMatches();
    } else {
        for (const MatchRecord &match : m_unsaved)
            waiting.append(match);
    }
    if (waiting.matches().empty())
        return {};
    StatisticsFile file(path);
    if (file.save(waiting)) {
        qWarning("%d matches could not be saved to %s; they wait in %s for the next start.",
                 int(waiting.matches().size()), qPrintable(m_databasePath), qPrintable(path));
        return {};
    }
    // The file before, if any, stays: its matches are among these, and it is still whole.
    const QString lost = tr("Matches lost: %n. They could not be saved to the statistics, nor to %1 (%2).", nullptr,
                            int(waiting.matches().size()))
                             .arg(path, file.errorString());
    qWarning("%s", qPrintable(lost));
    return lost;
}

void StatisticsKeeper::writeUnsaved()
{
    StatisticsStore &database = store();
    const auto forgetRecordedKeptMatches = [this, &database](QString *reason) {
        for (const QByteArray &text : m_recordedKeptTexts) {
            if (!database.forgetKeptMatch(text)) {
                *reason = database.detail();
                return false;
            }
        }
        return true;
    };
    if (database.append(m_unsaved, forgetRecordedKeptMatches)) {
        m_unsaved.clear();
        m_recordedKeptTexts.clear();
        if (std::exchange(m_waitingFileTaken, false) && m_refusal.isEmpty())
            QFile::remove(waitingPath(m_databasePath));
        setSaveProblem(m_refusal);
        return;
    }
    qWarning("The statistics could not be saved to %s (%s); %d matches wait in memory.", qPrintable(database.path()),
             qPrintable(database.detail()), int(m_unsaved.size()));
    setSaveProblem(problemText(database));
}

QString StatisticsKeeper::problemText(const StatisticsStore &database) const
{
    const QString reason = reasonText(database);
    return reason.isEmpty() ? QString() : tr("Statistics could not be saved: %1").arg(reason);
}

QString StatisticsKeeper::readProblem(const StatisticsStore &database) const
{
    const QString reason = database.isOpen() ? QString() : reasonText(database);
    return reason.isEmpty() ? QString() : tr("The statistics could not be read: %1").arg(reason);
}

QString StatisticsKeeper::reasonText(const StatisticsStore &database) const
{
    QString reason;
    switch (database.problem()) {
    case StatisticsStore::Problem::None:
        return {};
    case StatisticsStore::Problem::DiskFull:
        reason = tr("disk full");
        break;
    case StatisticsStore::Problem::NotWritable:
        reason = tr("the folder cannot be written");
        break;
    case StatisticsStore::Problem::Busy:
        reason = tr("another game keeps the statistics busy");
        break;
    case StatisticsStore::Problem::NotADatabase:
        reason = tr("%1 is not a statistics database; it is left as it is").arg(m_databasePath);
        break;
    case StatisticsStore::Problem::NotReadable:
        reason = tr("%1 cannot be read; it is left as it is").arg(m_databasePath);
        break;
    case StatisticsStore::Problem::Foreign:
        reason = tr("%1 is another program's database; it is left as it is").arg(m_databasePath);
        break;
    case StatisticsStore::Problem::Newer:
        reason = tr("%1 was written by a newer version of the game; it is left as it is").arg(m_databasePath);
        break;
    case StatisticsStore::Problem::Other:
        reason = database.detail();
        break;
    }
    return reason;
}

void StatisticsKeeper::setSaveProblem(const QString &problem)
{
    {
        const QMutexLocker locker(&m_reportsLock);
        if (problem.isEmpty() && m_saveProblem.isEmpty())
            return;
        m_saveProblem = problem;
    }
    // Every failure is told, so that the player hears of each match left unsaved.
    emit saveProblemChanged(problem);
}

QString StatisticsKeeper::saveProblem() const
{
    const QMutexLocker locker(&m_reportsLock);
    return m_saveProblem;
}

QString StatisticsKeeper::takeKeptAsideNotice()
{
    const QMutexLocker locker(&m_reportsLock);
    return std::exchange(m_keptAside, QString());
}

StatisticsImport::Report StatisticsKeeper::takeImportReport()
{
    const QMutexLocker locker(&m_reportsLock);
    return std::exchange(m_importReport, StatisticsImport::Report());
}
