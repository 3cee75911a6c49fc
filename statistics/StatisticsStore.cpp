// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/StatisticsStore.h"

#include "oldfiles/StatisticsFile.h"
#include "platform/RegularFile.h"
#include "platform/UserFolders.h"
#include "rules/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>

#include <sqlite3.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

namespace {
const QString kCorruptSuffix = QStringLiteral(".corrupt");
// The journal and its index live beside the database and go wherever it goes.
const QString kCompanionSuffixes[] = {QStringLiteral("-wal"), QStringLiteral("-shm")};
// The tables' form this version writes, as `PRAGMA user_version` (0: made before it was set).
// 2 added `mode` and `puzzle` to the matches; 3 let them hold duels (mode 'duel', `opponent`,
// `network`, `opponent_lied`).
constexpr int kSchemaVersion = 3;
// Another game's lock is waited for this long at most once the store is told to hurry.
constexpr int kHurriedTimeoutMs = 300;
// A damaged database is read in runs of this many ids, each id alone where a run cannot be read.
constexpr int kRescueRun = 64;
// Room below which a failed write is taken for a full disk, whatever SQLite calls it.
constexpr qint64 kNearlyFull = 512 * 1024;

// SQLite's primary result codes that say what went wrong.
enum SqliteCode { kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kIoErr = 10, kCorrupt = 11, kFull = 13, kCantOpen = 14, kNotADb = 26 };

// A row the game knows: every figure and list reads these only; the others stay in the file.
const QString kKnownRow = QStringLiteral("(strength IN (0, 1, 2, 3) AND result IN ('won', 'lost', 'draw', 'abandoned') "
                                         "AND guesses BETWEEN 0 AND %1 AND guesses = CAST(guesses AS INTEGER) "
                                         "AND hinted IN (0, 1) AND mode IN ('mac', 'daily', 'practice', 'duel'))")
                              .arg(MatchStatistics::kMostGuesses);

// The columns the game writes, table by table.
const std::pair<QString, QStringList> kTables[] = {
    {QStringLiteral("matches"), {"id", "finished", "strength", "result", "guesses", "hinted", "turns"}},
    {QStringLiteral("saved_match"), {"id", "match"}},
};

std::pair<quint64, quint64> fileIdOf(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {0, 0};
    return {quint64(status.st_dev), quint64(status.st_ino)};
}

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
const QString kHardMode = QStringLiteral("hardMode");

// What a match keeps beyond the user's turns, as a JSON object: the guesses the hint gave
// ("hintedGuesses", counted from 0), Mac's number ("macNumber"; a daily puzzle's secret), Mac's
// turns ("macTurns", as OwnRecords writes them) and, for a daily puzzle played in hard mode
// throughout, "hardMode": true. NULL when there is nothing of it.
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
    if (match.hardMode)
        details.insert(kHardMode, true);
    if (details.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return QString::fromUtf8(QJsonDocument(details).toJson(QJsonDocument::Compact));
}

// Takes what detailsText() wrote; anything unreadable is left out.
void readDetails(const QString &text, MatchRecord &record)
{
    const QJsonObject details = QJsonDocument::fromJson(text.toUtf8()).object();
    for (const QJsonValue turn : details.value(kHintedGuesses).toArray()) {
        if (turn.toInt(-1) >= 0 && turn.toInt() < int(record.turns.size()))
            record.hintedGuesses.push_back(turn.toInt());
    }
    record.macNumber = NumberText::parse(details.value(kMacNumber).toString());
    record.hardMode = details.value(kHardMode).toBool(false);
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
    record.mode = matchModeNamed(row.value(7).toString()).value_or(MatchMode::Mac);
    record.puzzle = row.value(8).toInt();
    record.opponent = row.value(9).toString();
    record.overNetwork = row.value(10).toInt() == 1;
    record.opponentLied = row.value(11).toInt() == 1;
    return record;
}

// The first of the database's journals at path that exists as something other than a regular file.
QString oddCompanion(const QString &path)
{
    for (const QString &suffix : {kCompanionSuffixes[0], kCompanionSuffixes[1], QStringLiteral("-journal")}) {
        if (!whyNotRegularFile(path + suffix).isEmpty())
            return QFileInfo(path + suffix).fileName();
    }
    return {};
}

const QString kModeCheck = QStringLiteral("CHECK (mode IN ('mac', 'daily', 'practice', 'duel'))");
// The check of the tables of version 2, which knew no duels.
const QString kModeCheckBeforeDuels = QStringLiteral("CHECK (mode IN ('mac', 'daily', 'practice'))");
const QString kModeColumn = QStringLiteral("mode TEXT NOT NULL DEFAULT 'mac' ") + kModeCheck;
const QString kPuzzleColumn = QStringLiteral("puzzle INTEGER");
const QString kOpponentColumn = QStringLiteral("opponent TEXT");
const QString kNetworkColumn = QStringLiteral("network INTEGER CHECK (network IN (0, 1))");
const QString kOpponentLiedColumn = QStringLiteral("opponent_lied INTEGER NOT NULL DEFAULT 0 CHECK (opponent_lied IN (0, 1))");
const QString kColumns = QStringLiteral("finished, strength, result, guesses, hinted, turns, details, mode, puzzle, "
                                        "opponent, network, opponent_lied");
// The same read from a table made before duels, and from one made before the daily puzzle, whose
// matches were all against Mac.
const QString kColumnsBeforeDuels = QStringLiteral("finished, strength, result, guesses, hinted, turns, details, mode, puzzle, "
                                                   "NULL, NULL, 0");
const QString kColumnsBeforeDaily = QStringLiteral("finished, strength, result, guesses, hinted, turns, details, 'mac', NULL, "
                                                   "NULL, NULL, 0");

// The condition on the rows of one strength's figures (see MatchStatistics::counts()).
QString matchesOf(int strength)
{
    if (strength == MatchStatistics::kDailyPuzzles)
        return QStringLiteral("mode = 'daily'");
    if (strength == MatchStatistics::kAllStrengths)
        return QStringLiteral("mode = 'mac'");
    return QStringLiteral("mode = 'mac' AND strength = %1").arg(strength);
}

// The columns to read of the matches of database, whichever version made it.
QString columnsOf(const QSqlDatabase &database)
{
    QSqlQuery query(database);
    query.exec(QStringLiteral("PRAGMA table_info(matches)"));
    bool daily = false;
    bool duels = false;
    while (query.next()) {
        daily = daily || query.value(1).toString() == QStringLiteral("mode");
        duels = duels || query.value(1).toString() == QStringLiteral("opponent_lied");
    }
    return duels ? kColumns : daily ? kColumnsBeforeDuels : kColumnsBeforeDaily;
}

// The rows with ids first to last that the game knows, oldest first; nothing when they cannot be read.
std::optional<std::vector<MatchRecord>> rowsBetween(const QSqlDatabase &database, qint64 first, qint64 last)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    const QString columns = columnsOf(database);
    const QString known = columns != kColumnsBeforeDaily ? kKnownRow : QString(kKnownRow).replace(QStringLiteral("mode IN"), QStringLiteral("'mac' IN"));
    if (!query.exec(QStringLiteral("SELECT %1 FROM matches NOT INDEXED WHERE id BETWEEN %2 AND %3 AND %4 ORDER BY id")
                        .arg(columns).arg(first).arg(last).arg(known)))
        return std::nullopt;
    std::vector<MatchRecord> rows;
    while (query.next())
        rows.push_back(recordFrom(query));
    if (query.lastError().isValid())
        return std::nullopt;
    return rows;
}
} // namespace

QString StatisticsStore::defaultPath()
{
    // Empty, for a store in memory, when the user has no data folder to keep it in.
    const QString folder = UserFolders::dataHome();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/HitBlow/statistics.sqlite");
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
    if (m_database.isOpen()) {
        if (isStillThere())
            return true;
        // Deleted or replaced since it was opened, as the player may do to start afresh: what is
        // there now is opened, or a new file begun, rather than writing into a file no one sees.
        m_database.close();
        qWarning("The statistics in %s were removed or replaced while the game ran; the file there now is used.",
                 qPrintable(m_path));
    }
    std::vector<MatchRecord> carried;
    if (m_refused || refuseOddFile() || !openConnection())
        return false;
    // Judged before anything is written, the journal's mode included, so that a file set aside or
    // refused stays byte for byte as it was.
    if (!isIntact()) {
        if (m_problem != Problem::None) {
            m_database.close();
            return false;
        }
        carried = readableRows(&m_lost);
        keepAside();
        if (m_refused || !openConnection())
            return false;
    }
    if (refuseForeignTables())
        return false;
    if (!switchToWal() || !createTables()) {
        // Tried again at the next read or write.
        m_database.close();
        return false;
    }
    m_fileId = fileIdOf(m_path);
    if (!carried.empty() && append(carried))
        m_carriedOver += int(carried.size());
    return true;
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
    } else if (const QString companion = oddCompanion(m_path); !companion.isEmpty()) {
        // SQLite would open its journal whatever it is and delete it on closing.
        reason = QStringLiteral("%1 beside it is not a regular file").arg(companion);
    } else if (info.exists() && info.size() > 0) {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly)) {
            refuse(Problem::NotReadable, QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
            return true;
        }
        if (file.read(16) != QByteArray("SQLite format 3\0", 16))
            reason = QStringLiteral("not an SQLite database");
    }
    if (reason.isEmpty())
        return false;
    refuse(Problem::NotADatabase, reason);
    return true;
}

void StatisticsStore::refuse(Problem problem, const QString &reason)
{
    m_database.close();
    m_refused = true;
    fail(problem, reason);
    qWarning("The statistics in %s are left as they are: %s.", qPrintable(m_path), qPrintable(reason));
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
    if (!m_database.open()) {
        failFrom(m_database.lastError());
        return false;
    }
    fail(Problem::None, {});
    // Another game's lock is waited for in short naps, so that a game told to hurry stops waiting.
    const QVariant handle = m_database.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") == 0)
        sqlite3_busy_handler(*static_cast<sqlite3 *const *>(handle.data()), &StatisticsStore::waitForLock, this);
    return true;
}

int StatisticsStore::waitForLock(void *store, int attempt)
{
    using namespace std::chrono;
    auto *self = static_cast<StatisticsStore *>(store);
    const auto now = steady_clock::now();
    if (attempt == 0)
        self->m_waitStarted = now;
    const int limit = self->m_hurry && *self->m_hurry ? std::min(self->m_busyTimeout, kHurriedTimeoutMs) : self->m_busyTimeout;
    if (now - self->m_waitStarted >= milliseconds(limit))
        return 0;
    std::this_thread::sleep_for(milliseconds(10));
    return 1;
}

void StatisticsStore::setBusyTimeout(int milliseconds)
{
    m_busyTimeout = milliseconds;
}

bool StatisticsStore::switchToWal()
{
    // The journal stays small on a small disk: it is cut back to this size after a checkpoint.
    return m_path.isEmpty()
        || (execute(QStringLiteral("PRAGMA journal_mode = WAL"))
            && execute(QStringLiteral("PRAGMA journal_size_limit = %1").arg(256 * 1024)));
}

// False with no problem set when SQLite finds the file damaged; false with a problem when it
// could not look (busy, unreadable). Rows that break the tables' checks are no damage: they are
// left out when read.
bool StatisticsStore::isIntact()
{
    QSqlQuery check(m_database);
    if (check.exec(QStringLiteral("PRAGMA quick_check"))) {
        bool intact = true;
        while (check.next()) {
            const QString line = check.value(0).toString();
            intact = intact
                && (line == QLatin1String("ok") || line.startsWith(QLatin1String("CHECK constraint failed"))
                    || line.startsWith(QLatin1String("NULL value in")));
        }
        if (!check.lastError().isValid())
            return intact;
    }
    const int code = check.lastError().nativeErrorCode().toInt() & 0xff;
    if (code == kCorrupt || code == kNotADb)
        return false;
    failFrom(check.lastError());
    return false;
}

// Every row of a damaged table that can still be read, in runs and, where a run fails, id by id;
// lost counts the ids up to the highest known that could not be read.
std::vector<MatchRecord> StatisticsStore::readableRows(int *lost)
{
    std::vector<MatchRecord> rows;
    // Lets SQLite read a file shorter than its header says; nothing is written through it.
    execute(QStringLiteral("PRAGMA writable_schema = ON"));
    QSqlQuery highestQuery(m_database);
    const bool highestKnown = highestQuery.exec(QStringLiteral("SELECT max(id) FROM matches NOT INDEXED"))
        && highestQuery.next();
    // Without the highest id, every id a file of this size could hold is tried.
    const qint64 highest = highestKnown ? highestQuery.value(0).toLongLong() : QFileInfo(m_path).size() / 16;
    qint64 lastRead = 0;
    std::vector<qint64> unreadable;
    for (qint64 first = 1; first <= highest; first += kRescueRun) {
        const qint64 last = std::min(first + kRescueRun - 1, highest);
        if (std::optional<std::vector<MatchRecord>> run = rowsBetween(m_database, first, last)) {
            rows.insert(rows.end(), run->begin(), run->end());
            if (!run->empty())
                lastRead = last;
            continue;
        }
        for (qint64 id = first; id <= last; ++id) {
            if (std::optional<std::vector<MatchRecord>> one = rowsBetween(m_database, id, id)) {
                rows.insert(rows.end(), one->begin(), one->end());
                lastRead = id;
            } else {
                unreadable.push_back(id);
            }
        }
    }
    // Without the highest id, ids that fail beyond the last one read may or may not have been rows.
    const bool endUnknown = !highestKnown && !unreadable.empty() && unreadable.back() > lastRead;
    *lost = endUnknown ? -1 : int(unreadable.size());
    return rows;
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

// A database whose tables the game cannot write (another program's, or a newer version's with a
// column the game does not fill) is refused before anything is written to it.
bool StatisticsStore::refuseForeignTables()
{
    QSqlQuery query(m_database);
    const int version = query.exec(QStringLiteral("PRAGMA user_version")) && query.next() ? query.value(0).toInt() : 0;
    for (const auto &[table, columns] : kTables) {
        if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
            failFrom(query.lastError());
            m_database.close();
            return true;
        }
        std::set<QString> missing(columns.begin(), columns.end());
        QString unfilled;
        // table_info's columns: cid, name, type, notnull, dflt_value, pk.
        while (query.next()) {
            const QString name = query.value(1).toString();
            const bool mustBeFilled = query.value(3).toInt() != 0 && query.value(4).isNull() && query.value(5).toInt() == 0;
            if (missing.erase(name) == 0 && mustBeFilled)
                unfilled = name;
        }
        const bool exists = missing.size() < std::size_t(columns.size());
        if (!exists || (missing.empty() && unfilled.isEmpty()))
            continue;
        if (version > kSchemaVersion)
            refuse(Problem::Newer, QStringLiteral("written by a newer version of the game (its table %1 needs %2)")
                                       .arg(table, unfilled.isEmpty() ? *missing.begin() : unfilled));
        else
            refuse(Problem::Foreign, QStringLiteral("its table %1 is not the game's").arg(table));
        return true;
    }
    return false;
}

bool StatisticsStore::isStillThere() const
{
    if (m_path.isEmpty())
        return true;
    return fileIdOf(m_path) == m_fileId;
}

bool StatisticsStore::createTables()
{
    QSqlQuery versionQuery(m_database);
    const int version = versionQuery.exec(QStringLiteral("PRAGMA user_version")) && versionQuery.next()
        ? versionQuery.value(0).toInt()
        : 0;
    // A statement left open would lock the index dropped below ("database table is locked").
    versionQuery.finish();
    return execute(QStringLiteral("CREATE TABLE IF NOT EXISTS matches ("
                                  "id INTEGER PRIMARY KEY, "
                                  "finished TEXT NOT NULL, "
                                  "strength INTEGER NOT NULL CHECK (strength BETWEEN 0 AND %1), "
                                  "result TEXT NOT NULL CHECK (result IN ('won', 'lost', 'draw', 'abandoned')), "
                                  "guesses INTEGER NOT NULL CHECK (guesses BETWEEN 0 AND %2), "
                                  "hinted INTEGER NOT NULL CHECK (hinted IN (0, 1)), "
                                  "turns TEXT, "
                                  "details TEXT, "
                                  "%3, "
                                  "%4, %5, %6, %7)")
                       .arg(MatchStatistics::kStrongestLevel)
                       .arg(MatchStatistics::kMostGuesses)
                       .arg(kModeColumn, kPuzzleColumn, kOpponentColumn, kNetworkColumn, kOpponentLiedColumn))
        && addColumn(QStringLiteral("details"), QStringLiteral("details TEXT"))
        // The tables of version 1 and before gain the daily puzzle's columns, and so does a newer
        // version's without them; every row kept reads as a match against Mac.
        && addColumn(QStringLiteral("mode"), kModeColumn) && addColumn(QStringLiteral("puzzle"), kPuzzleColumn)
        && admitDuels()
        && (version >= kSchemaVersion || execute(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)))
        // Every column a level's figures read, so that they come from the index alone.
        && execute(QStringLiteral("CREATE INDEX IF NOT EXISTS matches_by_mode_level ON matches (mode, strength, id, result, guesses, hinted)"))
        && execute(QStringLiteral("CREATE INDEX IF NOT EXISTS matches_by_puzzle ON matches (mode, puzzle)"))
        && execute(QStringLiteral("DROP INDEX IF EXISTS matches_by_level"))
        && execute(QStringLiteral("DROP INDEX IF EXISTS matches_by_strength"))
        && execute(QStringLiteral("CREATE TABLE IF NOT EXISTS saved_match ("
                                  "id INTEGER PRIMARY KEY CHECK (id = 1), "
                                  "match TEXT NOT NULL)"));
}

// The tables of version 2 admit no duel in their check of the mode, and SQLite cannot change a
// check: the table is made again from its own definition with that one check widened, and gains
// the duel's columns. Every row is copied as it is, ids included, in one transaction; the indexes
// go with the old table and are made again with the rest.
bool StatisticsStore::admitDuels()
{
    QSqlQuery query(m_database);
    if (!query.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = 'matches'"))
        || !query.next()) {
        failFrom(query.lastError());
        return false;
    }
    const QString definition = query.value(0).toString();
    query.finish();
    const qsizetype columns = definition.indexOf(QLatin1Char('('));
    if (definition.contains(kModeCheckBeforeDuels) && columns > 0) {
        const QString widened = QStringLiteral("CREATE TABLE matches_with_duels ")
            + definition.mid(columns).replace(kModeCheckBeforeDuels, kModeCheck);
        const bool rebuilt = execute(QStringLiteral("BEGIN IMMEDIATE")) && execute(widened)
            && execute(QStringLiteral("INSERT INTO matches_with_duels SELECT * FROM matches"))
            && execute(QStringLiteral("DROP TABLE matches"))
            && execute(QStringLiteral("ALTER TABLE matches_with_duels RENAME TO matches"))
            && execute(QStringLiteral("COMMIT"));
        if (!rebuilt) {
            QSqlQuery(m_database).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return addColumn(QStringLiteral("opponent"), kOpponentColumn) && addColumn(QStringLiteral("network"), kNetworkColumn)
        && addColumn(QStringLiteral("opponent_lied"), kOpponentLiedColumn);
}

// Tables of earlier versions lack some columns; each is added to them with its default.
bool StatisticsStore::addColumn(const QString &name, const QString &definition)
{
    QSqlQuery columns(m_database);
    if (!columns.exec(QStringLiteral("PRAGMA table_info(matches)"))) {
        failFrom(columns.lastError());
        return false;
    }
    while (columns.next()) {
        if (columns.value(1).toString() == name)
            return true;
    }
    return execute(QStringLiteral("ALTER TABLE matches ADD COLUMN %1").arg(definition));
}

bool StatisticsStore::append(const std::vector<MatchRecord> &matches,
                             const std::function<bool(QString *reason)> &beforeCommit)
{
    auto match = matches.begin();
    return append([&]() { return match == matches.end() ? std::nullopt : std::optional(*match++); }, beforeCommit);
}

bool StatisticsStore::append(const MatchSource &next, const std::function<bool(QString *reason)> &beforeCommit)
{
    // BEGIN IMMEDIATE takes the write lock first, so a second game waits here rather than failing
    // halfway.
    if (!open() || !execute(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    QSqlQuery insert(m_database);
    // A daily puzzle has one attempt: a second row of the same puzzle (another game's, or a repeat)
    // is not written.
    bool written = insert.prepare(QStringLiteral("INSERT INTO matches (%1) SELECT ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ? "
                                                 "WHERE ? != 'daily' OR NOT EXISTS "
                                                 "(SELECT 1 FROM matches WHERE mode = 'daily' AND puzzle = ?)")
                                      .arg(kColumns));
    while (written) {
        const std::optional<MatchRecord> match = next();
        if (!match)
            break;
        insert.addBindValue(finishedText(match->finished));
        insert.addBindValue(match->strength);
        insert.addBindValue(QString(StatisticsFile::resultName(match->result)));
        insert.addBindValue(match->guesses);
        insert.addBindValue(match->hinted ? 1 : 0);
        // NULL where the turns were not kept, as for matches of earlier versions.
        insert.addBindValue(match->turns.empty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(match->turns.toJsonText()));
        insert.addBindValue(detailsText(*match));
        const QString mode = matchModeName(match->mode);
        const bool puzzled = match->mode == MatchMode::Daily || match->mode == MatchMode::Practice;
        const QVariant puzzle = puzzled ? QVariant(match->puzzle) : QVariant(QMetaType::fromType<int>());
        const bool duel = match->mode == MatchMode::Duel;
        insert.addBindValue(mode);
        insert.addBindValue(puzzle);
        insert.addBindValue(duel ? QVariant(match->opponent) : QVariant(QMetaType::fromType<QString>()));
        insert.addBindValue(duel ? QVariant(match->overNetwork ? 1 : 0) : QVariant(QMetaType::fromType<int>()));
        insert.addBindValue(duel && match->opponentLied ? 1 : 0);
        insert.addBindValue(mode);
        insert.addBindValue(puzzle);
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
        // The log goes into the database now, as far as it can without waiting for anyone, so
        // that the next write starts it again from the beginning and it stays small.
        if (!m_path.isEmpty())
            QSqlQuery(m_database).exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
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
                              "FROM (SELECT result, guesses FROM matches WHERE %5 AND %6 ORDER BY id)")
                   .arg(int(MatchOutcome::Won))
                   .arg(int(MatchOutcome::Lost))
                   .arg(int(MatchOutcome::Draw))
                   .arg(int(MatchOutcome::Abandoned))
                   .arg(kKnownRow)
                   .arg(matchesOf(strength)));
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
    // Every match, whatever its mode, among all strengths' latest.
    query.exec(QStringLiteral("SELECT %1 FROM matches WHERE %2 AND %3 ORDER BY id DESC LIMIT %4")
                   .arg(kColumns, kKnownRow,
                        strength == MatchStatistics::kAllStrengths ? QStringLiteral("1") : matchesOf(strength))
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
    query.exec(QStringLiteral("SELECT %1 FROM matches WHERE result != 'abandoned' AND %2 ORDER BY id DESC LIMIT 1")
                   .arg(kColumns, kKnownRow));
    return query.next() ? std::optional(recordFrom(query)) : std::nullopt;
}

std::optional<MatchRecord> StatisticsStore::dailyAttempt(int puzzle)
{
    if (!open())
        return std::nullopt;
    QSqlQuery query(m_database);
    query.exec(QStringLiteral("SELECT %1 FROM matches WHERE mode = 'daily' AND puzzle = %2 AND %3 ORDER BY id LIMIT 1")
                   .arg(kColumns)
                   .arg(puzzle)
                   .arg(kKnownRow));
    return query.next() ? std::optional(recordFrom(query)) : std::nullopt;
}

std::vector<MatchRecord> StatisticsStore::solvedDailies()
{
    std::vector<MatchRecord> solved;
    if (!open())
        return solved;
    QSqlQuery query(m_database);
    query.exec(QStringLiteral("SELECT %1 FROM matches WHERE mode = 'daily' AND result = 'won' AND %2 ORDER BY puzzle")
                   .arg(kColumns, kKnownRow));
    while (query.next())
        solved.push_back(recordFrom(query));
    return solved;
}

MatchStatistics StatisticsStore::allMatches()
{
    MatchStatistics statistics;
    forEachMatch([&statistics](const MatchRecord &match) {
        statistics.append(match);
        return true;
    });
    return statistics;
}

bool StatisticsStore::forEachMatch(const std::function<bool(const MatchRecord &)> &visit)
{
    if (!open())
        return false;
    // Forward only: Qt SQL then keeps no row it has handed on.
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM matches WHERE %2 ORDER BY id").arg(kColumns, kKnownRow))) {
        failFrom(query.lastError());
        return false;
    }
    while (query.next()) {
        if (!visit(recordFrom(query)))
            return false;
    }
    if (query.lastError().isValid()) {
        failFrom(query.lastError());
        return false;
    }
    return true;
}

int StatisticsStore::matchCount()
{
    return countWhere(kKnownRow);
}

int StatisticsStore::unknownRows()
{
    return countWhere(kKnownRow + QStringLiteral(" IS NOT 1"));
}

int StatisticsStore::countWhere(const QString &condition)
{
    if (!open())
        return 0;
    QSqlQuery query(m_database);
    return query.exec(QStringLiteral("SELECT count(*) FROM matches WHERE %1").arg(condition)) && query.next()
        ? query.value(0).toInt()
        : 0;
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
    if (query.prepare(statement)) {
        query.addBindValue(QString::fromUtf8(text));
        if (query.exec())
            return true;
    }
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
    case kIoErr:
        // SQLite often calls a write that found no room an I/O error.
        if (!m_path.isEmpty() && QStorageInfo(QFileInfo(m_path).absolutePath()).bytesAvailable() < kNearlyFull)
            problem = Problem::DiskFull;
        break;
    default:
        break;
    }
    fail(problem, error.databaseText().isEmpty() ? error.text() : error.databaseText());
}
