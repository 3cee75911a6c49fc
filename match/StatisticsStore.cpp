#include "StatisticsStore.h"

#include "statistics/StatisticsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <atomic>

namespace {
const QString kCorruptSuffix = QStringLiteral(".corrupt");
// The journal and its index live beside the database and go wherever it goes.
const QString kCompanionSuffixes[] = {QStringLiteral("-wal"), QStringLiteral("-shm")};
constexpr int kBusyTimeoutMs = 5000;

// SQLite's primary result codes that say what went wrong.
enum SqliteCode { kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kCorrupt = 11, kFull = 13, kCantOpen = 14, kNotADb = 26 };

QString uniqueConnectionName()
{
    static std::atomic<int> next = 0;
    return QStringLiteral("hitblow-statistics-%1").arg(next++);
}

QString finishedText(const QDateTime &finished)
{
    return finished.toUTC().toString(Qt::ISODate);
}

MatchRecord recordFrom(const QSqlQuery &row)
{
    MatchRecord record;
    record.finished = QDateTime::fromString(row.value(0).toString(), Qt::ISODate).toUTC();
    record.strength = row.value(1).toInt();
    record.result = StatisticsFile::resultNamed(row.value(2).toString()).value_or(MatchOutcome::Abandoned);
    record.guesses = row.value(3).toInt();
    record.hinted = row.value(4).toInt() != 0;
    return record;
}

const QString kColumns = QStringLiteral("finished, strength, result, guesses, hinted");
} // namespace

QString StatisticsStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/HitBlow/statistics.sqlite");
}

StatisticsStore::StatisticsStore(const QString &path)
    : m_path(path)
    , m_connectionName(uniqueConnectionName())
{
}

StatisticsStore::~StatisticsStore()
{
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString StatisticsStore::unusedName(const QString &path, const QString &suffix)
{
    QString name = path + suffix;
    for (int number = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++number)
        name = path + QLatin1Char('.') + QString::number(number) + suffix;
    return name;
}

bool StatisticsStore::open()
{
    if (m_database.isOpen())
        return true;
    if (m_refused || refuseOddFile())
        return false;
    if (!openConnection())
        return false;
    if (!isIntact()) {
        if (m_problem != Problem::None)
            return false;
        keepAside();
        if (!openConnection())
            return false;
    }
    return createTables();
}

bool StatisticsStore::refuseOddFile()
{
    if (m_path.isEmpty())
        return false;
    // Only a regular file is ever opened: a FIFO would block the open for good, a device never
    // ends, a folder is no file. Each stays as it is.
    const QFileInfo info(m_path);
    QString reason;
    if (info.exists() && !info.isFile()) {
        reason = QStringLiteral("not a regular file");
    } else if (info.exists() && info.size() > 0) {
        QFile file(m_path);
        const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(16) : QByteArray();
        if (header != QByteArray("SQLite format 3\0", 16))
            reason = QStringLiteral("not an SQLite database");
    }
    if (reason.isEmpty())
        return false;
    m_refused = true;
    fail(Problem::NotADatabase, reason);
    qWarning("The statistics in %s are left as they are: %s.", qPrintable(m_path), qPrintable(reason));
    return true;
}

bool StatisticsStore::openConnection()
{
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!m_database.isValid()) {
        fail(Problem::Other, QStringLiteral("the SQLite driver of Qt is missing"));
        return false;
    }
    if (!m_path.isEmpty() && !QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        fail(Problem::NotWritable, QStringLiteral("its folder cannot be made"));
        return false;
    }
    m_database.setDatabaseName(m_path.isEmpty() ? QStringLiteral(":memory:") : m_path);
    m_database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!m_database.open()) {
        failFrom(m_database.lastError());
        return false;
    }
    fail(Problem::None, {});
    return execute(QStringLiteral("PRAGMA busy_timeout = %1").arg(kBusyTimeoutMs))
        && (m_path.isEmpty() || execute(QStringLiteral("PRAGMA journal_mode = WAL")));
}

// False with no problem set when SQLite finds the file damaged; false with a problem when it
// could not look (busy, unreadable).
bool StatisticsStore::isIntact()
{
    QSqlQuery check(m_database);
    if (check.exec(QStringLiteral("PRAGMA quick_check")) && check.next())
        return check.value(0).toString() == QLatin1String("ok");
    const int code = check.lastError().nativeErrorCode().toInt() & 0xff;
    if (code == kCorrupt || code == kNotADb)
        return false;
    failFrom(check.lastError());
    return false;
}

void StatisticsStore::keepAside()
{
    m_database.close();
    const QString aside = unusedName(m_path, kCorruptSuffix);
    if (!QFile::rename(m_path, aside)) {
        // What cannot be moved away is not written over: this run keeps its matches in memory.
        m_refused = true;
        fail(Problem::NotADatabase, QStringLiteral("damaged, and it cannot be moved aside"));
        return;
    }
    for (const QString &suffix : kCompanionSuffixes)
        QFile::rename(m_path + suffix, aside + suffix);
    m_keptAsidePath = aside;
    qWarning("The statistics in %s were damaged; they were kept as %s.", qPrintable(m_path), qPrintable(aside));
}

bool StatisticsStore::createTables()
{
    // A second table for the match in progress will sit beside this one, written in the same
    // transactions as the matches.
    return execute(QStringLiteral("CREATE TABLE IF NOT EXISTS matches ("
                                  "id INTEGER PRIMARY KEY, "
                                  "finished TEXT NOT NULL, "
                                  "strength INTEGER NOT NULL CHECK (strength BETWEEN 0 AND %1), "
                                  "result TEXT NOT NULL CHECK (result IN ('won', 'lost', 'draw', 'abandoned')), "
                                  "guesses INTEGER NOT NULL CHECK (guesses BETWEEN 0 AND %2), "
                                  "hinted INTEGER NOT NULL CHECK (hinted IN (0, 1)), "
                                  "turns TEXT)")
                       .arg(MatchStatistics::kStrongestLevel)
                       .arg(MatchStatistics::kMostGuesses))
        && execute(QStringLiteral("CREATE INDEX IF NOT EXISTS matches_by_strength ON matches (strength, id)"));
}

bool StatisticsStore::append(const std::vector<MatchRecord> &matches,
                             const std::function<bool(QString *reason)> &beforeCommit)
{
    // BEGIN IMMEDIATE takes the write lock first, so a second game waits here rather than failing
    // halfway.
    if (!open() || !execute(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    QSqlQuery insert(m_database);
    bool written = insert.prepare(QStringLiteral("INSERT INTO matches (%1) VALUES (?, ?, ?, ?, ?)").arg(kColumns));
    for (auto match = matches.begin(); written && match != matches.end(); ++match) {
        insert.addBindValue(finishedText(match->finished));
        insert.addBindValue(match->strength);
        insert.addBindValue(QString(StatisticsFile::resultName(match->result)));
        insert.addBindValue(match->guesses);
        insert.addBindValue(match->hinted ? 1 : 0);
        written = insert.exec();
    }
    if (!written)
        failFrom(insert.lastError());
    QString reason;
    if (written && beforeCommit && !beforeCommit(&reason)) {
        fail(Problem::Other, reason);
        written = false;
    }
    if (written && execute(QStringLiteral("COMMIT"))) {
        fail(Problem::None, {});
        return true;
    }
    // Whatever failed, the transaction is undone; a failed COMMIT has often undone it already.
    QSqlQuery(m_database).exec(QStringLiteral("ROLLBACK"));
    return false;
}

bool StatisticsStore::clear()
{
    return open() && execute(QStringLiteral("DELETE FROM matches"));
}

LevelSummary StatisticsStore::summaryFor(int strength)
{
    LevelSummary summary;
    if (!open())
        return summary;
    const QString level = QString::number(strength);
    QSqlQuery query(m_database);
    query.exec(QStringLiteral("SELECT result, count(*), sum(guesses), min(guesses) FROM matches "
                              "WHERE strength = %1 GROUP BY result").arg(level));
    int guessesInWins = 0;
    while (query.next()) {
        const int count = query.value(1).toInt();
        switch (StatisticsFile::resultNamed(query.value(0).toString()).value_or(MatchOutcome::Abandoned)) {
        case MatchOutcome::Won:
            summary.won = count;
            guessesInWins = query.value(2).toInt();
            summary.fewestGuessesInWins = query.value(3).toInt();
            break;
        case MatchOutcome::Lost:
            summary.lost = count;
            break;
        case MatchOutcome::Draw:
            summary.drawn = count;
            break;
        case MatchOutcome::Abandoned:
            summary.abandoned = count;
            break;
        }
    }
    // Wins since the last match of the level that was not won.
    query.exec(QStringLiteral("SELECT count(*) FROM matches WHERE strength = %1 AND id > coalesce("
                              "(SELECT max(id) FROM matches WHERE strength = %1 AND result != 'won'), 0)").arg(level));
    summary.currentStreak = query.next() ? query.value(0).toInt() : 0;
    // Matches of one run of wins share the difference between their place among all matches of
    // the level and their place among its wins.
    query.exec(QStringLiteral("SELECT coalesce(max(run), 0) FROM (SELECT count(*) AS run FROM ("
                              "SELECT result, row_number() OVER (ORDER BY id) "
                              "- row_number() OVER (PARTITION BY result ORDER BY id) AS island "
                              "FROM matches WHERE strength = %1) WHERE result = 'won' GROUP BY island)").arg(level));
    summary.bestStreak = query.next() ? query.value(0).toInt() : 0;
    query.exec(QStringLiteral("SELECT guesses, result, count(*) FROM matches "
                              "WHERE strength = %1 AND result != 'abandoned' GROUP BY guesses, result").arg(level));
    while (query.next()) {
        const auto result = StatisticsFile::resultNamed(query.value(1).toString());
        if (result && *result != MatchOutcome::Abandoned)
            summary.decidedAt[query.value(0).toInt()][static_cast<int>(*result)] = query.value(2).toInt();
    }
    if (summary.matches() > 0)
        summary.winRate = double(summary.won) / summary.matches();
    if (summary.won > 0)
        summary.averageGuessesInWins = double(guessesInWins) / summary.won;
    return summary;
}

std::vector<MatchRecord> StatisticsStore::latest(int count)
{
    std::vector<MatchRecord> matches;
    if (!open())
        return matches;
    QSqlQuery query(m_database);
    query.exec(QStringLiteral("SELECT %1 FROM matches ORDER BY id DESC LIMIT %2").arg(kColumns).arg(std::max(count, 0)));
    while (query.next())
        matches.push_back(recordFrom(query));
    return matches;
}

MatchStatistics StatisticsStore::allMatches()
{
    MatchStatistics statistics;
    if (!open())
        return statistics;
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT %1 FROM matches ORDER BY id").arg(kColumns));
    while (query.next())
        statistics.append(recordFrom(query));
    return statistics;
}

int StatisticsStore::matchCount()
{
    if (!open())
        return 0;
    QSqlQuery query(m_database);
    return query.exec(QStringLiteral("SELECT count(*) FROM matches")) && query.next() ? query.value(0).toInt() : 0;
}

bool StatisticsStore::execute(const QString &statement)
{
    QSqlQuery query(m_database);
    if (query.exec(statement))
        return true;
    failFrom(query.lastError());
    return false;
}

void StatisticsStore::fail(Problem problem, const QString &detail)
{
    m_problem = problem;
    m_detail = detail;
}

void StatisticsStore::failFrom(const QSqlError &error)
{
    Problem problem = Problem::Other;
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case kFull:
        problem = Problem::DiskFull;
        break;
    case kPerm:
    case kReadOnly:
    case kCantOpen:
        problem = Problem::NotWritable;
        break;
    case kBusy:
    case kLocked:
        problem = Problem::Busy;
        break;
    case kNotADb:
        problem = Problem::NotADatabase;
        break;
    default:
        break;
    }
    fail(problem, error.databaseText().isEmpty() ? error.text() : error.databaseText());
}
