#include "statistics/StatisticsKeeper.h"

#include "rules/MatchRules.h"
#include "oldfiles/SavedMatchFile.h"
#include "oldfiles/StatisticsFile.h"

#include <QDir>
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
    if (!m_thread.isRunning())
        return;
    post([this] {
        if (!m_unsaved.empty())
            writeUnsaved();
        // The connection is closed on the thread that opened it.
        m_store.reset();
        QThread::currentThread()->quit();
    });
    m_thread.wait();
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
    MatchRecord record{QDateTime::currentDateTimeUtc(), level, result, match.userGuesses,
                       m_hinted, {}, match.turns, {}, match.macTurns, match.macNumber};
    // A guess sent as the hint typed it; one changed before Return is the player's own.
    for (int turn = 0; turn < int(match.turns.answers.size()); ++turn) {
        if (std::find(m_hints.begin(), m_hints.end(), std::pair(turn, match.turns.answers[std::size_t(turn)]))
            != m_hints.end())
            record.hintedGuesses.push_back(turn);
    }
    if (result != MatchOutcome::Abandoned)
        m_lastDecided = record;
    post([this, record] {
        m_unsaved.push_back(record);
        // The match kept for resuming is this one: it goes with the write that counts it.
        if (!m_keptText.isEmpty())
            m_recordedKeptTexts.push_back(std::exchange(m_keptText, QByteArray()));
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
            MatchStatistics matches = database.allMatches();
            for (const MatchRecord &match : m_unsaved)
                matches.append(match);
            StatisticsFile file(path);
            return file.save(matches) ? QString() : file.errorString();
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
    if (!m_store->open() && m_store->problem() == StatisticsStore::Problem::NotADatabase) {
        // A file in the way is never written over: this run keeps its matches in memory, where
        // the statistics window still finds them.
        m_refusal = problemText(*m_store);
        m_store = std::make_unique<StatisticsStore>(QString());
        m_store->open();
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
    const QMutexLocker locker(&m_reportsLock);
    m_keptAside = m_store->keptAsidePath();
    if (report.outcome == StatisticsImport::Outcome::Unreadable)
        m_keptAside = report.keptAs;
    m_importReport = report;
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
        setSaveProblem(m_refusal);
        return;
    }
    qWarning("The statistics could not be saved to %s (%s); %d matches wait in memory.", qPrintable(database.path()),
             qPrintable(database.detail()), int(m_unsaved.size()));
    setSaveProblem(problemText(database));
}

QString StatisticsKeeper::problemText(const StatisticsStore &database) const
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
    case StatisticsStore::Problem::Other:
        reason = database.detail();
        break;
    }
    return tr("Statistics could not be saved: %1").arg(reason);
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
