#include "statistics/StatisticsStore.h"

#include "oldfiles/StatisticsFile.h"
#include "rules/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

const QString kHintedGuesses = QStringLiteral("hintedGuesses");
const QString kMacNumber = QStringLiteral("macNumber");
const QString kMacTurns = QStringLiteral("macTurns");

// What a match keeps beyond the user's turns, as a JSON object: the guesses the hint gave
// ("hintedGuesses", counted from 0), Mac's number ("macNumber") and Mac's turns ("macTurns", as
// OwnRecords writes them). NULL when there is nothing of it.
QVariant detailsText(const MatchRecord &match)
{
    QJsonObject details;
    if (!match.hintedGuesses.empty()) {
        QJsonArray hinted;
        for (int turn : match.hintedGuesses)
            hinted.append(turn);
        details.insert(kHintedGuesses, hinted);
    }
    if (match.macNumber)
        details.insert(kMacNumber, NumberText::of(*match.macNumber));
    if (!match.macTurns.empty())
        details.insert(kMacTurns, QJsonDocument::fromJson(match.macTurns.toJsonText().toUtf8()).array());
    if (details.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return QString::fromUtf8(QJsonDocument(details).toJson(QJsonDocument::Compact));
}

// Takes what detailsText() wrote; anything unreadable is left out.
void readDetails(const QString &text, MatchRecord &record)
{
    const QJsonObject details = QJsonDocument::fromJson(text.toUtf8()).object();
    for (const QJsonValue turn : details.value(kHintedGuesses).toArray()) {
        if (turn.toInt(-1) >= 0 && turn.toInt() < int(record.turns.answers.size()))
            record.hintedGuesses.push_back(turn.toInt());
    }
    record.macNumber = NumberText::parse(details.value(kMacNumber).toString());
    const QJsonValue macTurns = details.value(kMacTurns);
    if (macTurns.isArray())
        record.macTurns = OwnRecords::fromJsonText(QString::fromUtf8(QJsonDocument(macTurns.toArray()).toJson()));
}

MatchRecord recordFrom(const QSqlQuery &row)
{
    MatchRecord record;
    record.finished = QDateTime::fromString(row.value(0).toString(), Qt::ISODate).toUTC();
    record.strength = row.value(1).toInt();
    record.result = StatisticsFile::resultNamed(row.value(2).toString()).value_or(MatchOutcome::Abandoned);
    record.guesses = row.value(3).toInt();
    record.hinted = row.value(4).toInt() != 0;
    record.turns = OwnRecords::fromJsonText(row.value(5).toString());
    readDetails(row.value(6).toString(), record);
    return record;
}

const QString kColumns = QStringLiteral("finished, strength, result, guesses, hinted, turns, details");
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
    return execute(QStringLiteral("CREATE TABLE IF NOT EXISTS matches ("
                                  "id INTEGER PRIMARY KEY, "
                                  "finished TEXT NOT NULL, "
                                  "strength INTEGER NOT NULL CHECK (strength BETWEEN 0 AND %1), "
                                  "result TEXT NOT NULL CHECK (result IN ('won', 'lost', 'draw', 'abandoned')), "
                                  "guesses INTEGER NOT NULL CHECK (guesses BETWEEN 0 AND %2), "
                                  "hinted INTEGER NOT NULL CHECK (hinted IN (0, 1)), "
                                  "turns TEXT, "
                                  "details TEXT)")
                       .arg(MatchStatistics::kStrongestLevel)
                       .arg(MatchStatistics::kMostGuesses))
        && addDetailsColumn()
        && execute(QStringLiteral("CREATE INDEX IF NOT EXISTS matches_by_strength ON matches (strength, id, result, guesses)"))
        && execute(QStringLiteral("CREATE TABLE IF NOT EXISTS saved_match ("
                                  "id INTEGER PRIMARY KEY CHECK (id = 1), "
                                  "match TEXT NOT NULL)"));
}

// Databases of earlier versions have no details column; it is added to them, empty.
bool StatisticsStore::addDetailsColumn()
{
    QSqlQuery columns(m_database);
    if (!columns.exec(QStringLiteral("PRAGMA table_info(matches)"))) {
        failFrom(columns.lastError());
        return false;
    }
    while (columns.next()) {
        if (columns.value(1).toString() == QStringLiteral("details"))
            return true;
    }
    return execute(QStringLiteral("ALTER TABLE matches ADD COLUMN details TEXT"));
}

bool StatisticsStore::append(const std::vector<MatchRecord> &matches,
                             const std::function<bool(QString *reason)> &beforeCommit)
{
    // BEGIN IMMEDIATE takes the write lock first, so a second game waits here rather than failing
    // halfway.
    if (!open() || !execute(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    QSqlQuery insert(m_database);
    bool written = insert.prepare(QStringLiteral("INSERT INTO matches (%1) VALUES (?, ?, ?, ?, ?, ?, ?)").arg(kColumns));
    for (auto match = matches.begin(); written && match != matches.end(); ++match) {
        insert.addBindValue(finishedText(match->finished));
        insert.addBindValue(match->strength);
        insert.addBindValue(QString(StatisticsFile::resultName(match->result)));
        insert.addBindValue(match->guesses);
        insert.addBindValue(match->hinted ? 1 : 0);
        // NULL where the turns were not kept, as for matches of earlier versions.
        insert.addBindValue(match->turns.empty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(match->turns.toJsonText()));
        insert.addBindValue(detailsText(*match));
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

std::optional<QByteArray> StatisticsStore::keptMatch()
{
    if (!open())
        return std::nullopt;
    QSqlQuery query(m_database);
    if (!query.exec(QStringLiteral("SELECT match FROM saved_match WHERE id = 1"))) {
        failFrom(query.lastError());
        return std::nullopt;
    }
    return query.next() ? std::optional(query.value(0).toString().toUtf8()) : std::nullopt;
}

bool StatisticsStore::keepMatch(const QByteArray &text)
{
    return open() && executeWithText(QStringLiteral("INSERT OR REPLACE INTO saved_match (id, match) VALUES (1, ?)"), text);
}

bool StatisticsStore::forgetKeptMatch(const QByteArray &text)
{
    return open() && executeWithText(QStringLiteral("DELETE FROM saved_match WHERE match = ?"), text);
}

LevelSummary StatisticsStore::summaryFor(int strength)
{
    MatchStatistics::Tally tally;
    if (!open())
        return tally.summary();
    // The level's matches in order, from the part of the index that holds every column read, as
    // one text of two characters a match (result, guesses): the streaks need the order, and one
    // text costs far less than a row each through Qt SQL.
    QSqlQuery query(m_database);
    query.exec(QStringLiteral("SELECT group_concat(char(48 + CASE result WHEN 'won' THEN %1 WHEN 'lost' THEN %2 "
                              "WHEN 'draw' THEN %3 ELSE %4 END, 64 + guesses), '') "
                              "FROM (SELECT result, guesses FROM matches %5 ORDER BY id)")
                   .arg(int(MatchOutcome::Won))
                   .arg(int(MatchOutcome::Lost))
                   .arg(int(MatchOutcome::Draw))
                   .arg(int(MatchOutcome::Abandoned))
                   .arg(strength == MatchStatistics::kAllStrengths
                            ? QString()
                            : QStringLiteral("WHERE strength = %1").arg(strength)));
    const QString matches = query.next() ? query.value(0).toString() : QString();
    for (qsizetype i = 0; i + 1 < matches.size(); i += 2)
        tally.add(MatchOutcome(matches.at(i).unicode() - 48), matches.at(i + 1).unicode() - 64);
    return tally.summary();
}

std::vector<MatchRecord> StatisticsStore::latest(int count, int strength)
{
    std::vector<MatchRecord> matches;
    if (!open())
        return matches;
    QSqlQuery query(m_database);
    query.exec(QStringLiteral("SELECT %1 FROM matches %2 ORDER BY id DESC LIMIT %3")
                   .arg(kColumns,
                        strength == MatchStatistics::kAllStrengths ? QString()
                                                                  : QStringLiteral("WHERE strength = %1").arg(strength))
                   .arg(std::max(count, 0)));
    while (query.next())
        matches.push_back(recordFrom(query));
    return matches;
}

std::optional<MatchRecord> StatisticsStore::lastDecided()
{
    if (!open())
        return std::nullopt;
    QSqlQuery query(m_database);
    query.exec(QStringLiteral("SELECT %1 FROM matches WHERE result != 'abandoned' ORDER BY id DESC LIMIT 1").arg(kColumns));
    return query.next() ? std::optional(recordFrom(query)) : std::nullopt;
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

bool StatisticsStore::executeWithText(const QString &statement, const QByteArray &text)
{
    QSqlQuery query(m_database);
    query.prepare(statement);
    query.addBindValue(QString::fromUtf8(text));
    if (query.exec())
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
