// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatisticsDialog.h"
#include "oldfiles/StatisticsFile.h"
#include "statistics/StatisticsStore.h"
#include "rules/NumberText.h"
#include "statistics/StatisticsKeeper.h"
#include "statistics/StatisticsImport.h"

#include "ScriptedMatches.h"
#include "StoredDefaults.h"
#include "ZeroDevice.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <memory>

// The statistics database behind StatisticsKeeper, the game's one way in: every match recorded
// once and as it was, and the storage faults a player's disk can hold. What is stored is read
// back through a connection of the test's own, not through the keeper.
class TestStatisticsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyMatchRecordedOnceAsPlayed_data();
    void everyMatchRecordedOnceAsPlayed();
    void dailyRows_data();
    void dailyRows();
    void duelRows_data();
    void duelRows();
    void storageFaults_data();
    void storageFaults();
    void damagedDatabaseSetAside_data();
    void damagedDatabaseSetAside();
    void unknownRowsLeftInPlace_data();
    void unknownRowsLeftInPlace();
    void failedWriteReleasesTheLock_data();
    void failedWriteReleasesTheLock();
    void quitWithMatchesWaiting_data();
    void quitWithMatchesWaiting();
    void logStaysSmall();
    void deletedDatabaseBegunAgain();
    void windowSaysWhyItWaits();
    void fullDiskKeepsWhatWasStored();
    void windowShowsWhatIsStoredAndWhatIsNot();
    void turnsKeptAsPlayed_data();
    void turnsKeptAsPlayed();
    void macsSideAndHintsKept_data();
    void macsSideAndHintsKept();

private:
    std::unique_ptr<ScriptedMatches> m_matches;
    std::unique_ptr<QTemporaryDir> m_home;
};

namespace {
// Each match as format writes it, oldest first, a space between two.
QString rowsOf(const MatchStatistics &statistics, const std::function<QString(const MatchRecord &)> &format)
{
    QStringList read;
    for (const MatchRecord &record : statistics.matches())
        read << format(record);
    return read.join(u' ');
}

// The matches as an export at path writes them and reads them back; nothing when it cannot.
MatchStatistics exportedAgain(const MatchStatistics &statistics, const QString &path)
{
    StatisticsFile exported(path);
    return exported.save(statistics) ? exported.load() : MatchStatistics();
}

// A database of count matches whose pages after the first few are overwritten: its header is
// SQLite's, its tables are not.
void writeDamagedDatabase(const QString &path, int count)
{
    {
        StatisticsStore store(path);
        std::vector<MatchRecord> matches(std::size_t(count),
                                         MatchRecord{QDateTime(QDate(2026, 3, 4), QTime(5, 6), Qt::UTC), 1,
                                                     MatchOutcome::Won, 5, false, {}, {}});
        QVERIFY(store.append(matches));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.size() > 16384);
    file.seek(8192);
    file.write(QByteArray(8192, '\xab'));
}
// The texts of the window's labels that are shown.
QStringList visibleTexts(const QWidget &window)
{
    QStringList shown;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isHidden())
            shown << label->text();
    }
    return shown;
}
} // namespace

void TestStatisticsStore::init()
{
    openUserDefaults()->clear();
    m_home = std::make_unique<QTemporaryDir>();
    m_matches = std::make_unique<ScriptedMatches>();
}

void TestStatisticsStore::cleanup()
{
    m_matches.reset();
    m_home.reset();
}

void TestStatisticsStore::everyMatchRecordedOnceAsPlayed_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("strength");
    QTest::addColumn<QString>("stored");

    QTest::newRow("one won match") << "turn right shown" << 1 << "won:1:0:1";
    QTest::newRow("a second match in one session") << "turn right shown turn4 wrong shown" << 2
                                                   << "won:1:0:2 lost:1:0:2";
    QTest::newRow("three in a row") << "turn4 wrong turn right turn4 wrong" << 0 << "lost:1:0:0 won:1:0:0 lost:1:0:0";
    QTest::newRow("won in the second round") << "turn wrong next right shown" << 1 << "won:2:0:1";
    QTest::newRow("the strongest level, sixteen guesses") << "draw16 shown" << 3 << "draw:16:0:3";
    QTest::newRow("sixteen guesses at the weakest level") << "draw16" << 0 << "draw:16:0:0";
    QTest::newRow("a level beyond the strongest plays as the strongest") << "turn right" << 9 << "won:1:0:3";
    QTest::newRow("a level below 0 as 0") << "turn right" << -2 << "won:1:0:0";
    QTest::newRow("the hint marks its own match only") << "turn hint right shown turn right shown" << 1
                                                        << "won:1:1:1 won:1:0:1";
    QTest::newRow("hinted in a later round") << "turn wrong next hint right" << 1 << "won:2:1:1";
    QTest::newRow("a hint before New Game is forgotten") << "turn hint new turn right" << 1 << "won:1:0:1";
    QTest::newRow("New Game in the pause after the user's guess") << "turn wrong abandon new" << 1
                                                                  << "abandoned:1:0:1";
    QTest::newRow("quit in the pause after the user's guess") << "turn wrong abandon" << 2 << "abandoned:1:0:2";
    QTest::newRow("given up on the user's turn") << "turn abandon" << 1 << "abandoned:0:0:1";
    QTest::newRow("a decided match is not abandoned as well") << "turn right abandon shown abandon" << 1
                                                              << "won:1:0:1";
    QTest::newRow("nothing running, nothing abandoned") << "abandon new abandon" << 1 << "";
    QTest::newRow("abandoned, then a won match") << "turn wrong abandon turn right" << 1
                                                 << "abandoned:1:0:1 won:1:0:1";
}

void TestStatisticsStore::everyMatchRecordedOnceAsPlayed()
{
    QFETCH(QString, steps);
    QFETCH(int, strength);
    QFETCH(QString, stored);

    const QString path = m_home->filePath("HitBlow/statistics.sqlite");
    {
        StatisticsKeeper keeper(path);
        m_matches->play(steps, keeper, strength);
    }
    QCOMPARE(ScriptedMatches::storedRows(path), stored);
}

void TestStatisticsStore::dailyRows_data()
{
    QTest::addColumn<bool>("version1");   // a database of the version before the daily puzzle, with two matches
    QTest::addColumn<QString>("written"); // mode:puzzle:result of each match appended, one write each
    QTest::addColumn<QString>("rows");    // mode:puzzle:result of every row read back, oldest first
    QTest::addColumn<QString>("attempt"); // the result of puzzle 7's one attempt, or nothing

    QTest::newRow("version 1's rows read as against Mac") << true << "" << "mac:0:won mac:0:lost" << "";
    QTest::newRow("a daily row with its puzzle") << false << "daily:7:won" << "daily:7:won" << "won";
    QTest::newRow("a second attempt adds no row") << false << "daily:7:lost daily:7:won" << "daily:7:lost" << "lost";
    QTest::newRow("practice is no attempt") << false << "practice:7:won practice:7:lost daily:7:lost"
                                            << "practice:7:won practice:7:lost daily:7:lost" << "lost";
    QTest::newRow("another puzzle is another attempt") << false << "daily:6:won daily:8:won" << "daily:6:won daily:8:won"
                                                       << "";
    QTest::newRow("version 1 goes on with a daily row") << true << "daily:7:won mac:0:draw"
                                                        << "mac:0:won mac:0:lost daily:7:won mac:0:draw" << "won";
}

void TestStatisticsStore::dailyRows()
{
    QFETCH(bool, version1);
    QFETCH(QString, written);
    QFETCH(QString, rows);
    QFETCH(QString, attempt);

    const QString path = m_home->filePath("HitBlow/statistics.sqlite");
    QVERIFY(QDir().mkpath(m_home->filePath("HitBlow")));
    if (version1) {
        QVERIFY(ScriptedMatches::runSql(
            path, {"PRAGMA user_version = 1",
                   "CREATE TABLE matches (id INTEGER PRIMARY KEY, finished TEXT NOT NULL, "
                   "strength INTEGER NOT NULL CHECK (strength BETWEEN 0 AND 3), "
                   "result TEXT NOT NULL CHECK (result IN ('won', 'lost', 'draw', 'abandoned')), "
                   "guesses INTEGER NOT NULL CHECK (guesses BETWEEN 0 AND 16), "
                   "hinted INTEGER NOT NULL CHECK (hinted IN (0, 1)), turns TEXT, details TEXT)",
                   // The index version 1 made, which opening it drops (it once failed as locked).
                   "CREATE INDEX matches_by_level ON matches (strength, id, result, guesses, hinted)",
                   "CREATE TABLE saved_match (id INTEGER PRIMARY KEY CHECK (id = 1), match TEXT NOT NULL)",
                   "INSERT INTO matches VALUES (1, '2026-02-03T04:05:06Z', 2, 'won', 5, 0, NULL, NULL)",
                   "INSERT INTO matches VALUES (2, '2026-02-03T05:05:06Z', 1, 'lost', 9, 1, NULL, NULL)"}));
    }
    StatisticsStore store(path);
    for (const QString &match : written.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList fields = match.split(u':');
        MatchRecord record{QDateTime(QDate(2026, 3, 4), QTime(5, 6), Qt::UTC), 1,
                           StatisticsFile::resultNamed(fields[2]).value(), 3, false, {}, {}};
        record.mode = matchModeNamed(fields[0]).value();
        record.puzzle = fields[1].toInt();
        QVERIFY(store.append({record}));
    }
    const auto format = [](const MatchRecord &record) {
        return QStringLiteral("%1:%2:%3").arg(matchModeName(record.mode)).arg(record.puzzle).arg(StatisticsFile::resultName(record.result));
    };
    const MatchStatistics all = store.allMatches();
    QCOMPARE(rowsOf(all, format), rows);
    // Export writes the mode and the puzzle, and reads them back.
    QCOMPARE(rowsOf(exportedAgain(all, m_home->filePath("export.json")), format), rows);
    const std::optional<MatchRecord> one = store.dailyAttempt(7);
    QCOMPARE(one ? QString(StatisticsFile::resultName(one->result)) : QString(), attempt);
    // The figures of a level are those of the matches against Mac alone.
    QCOMPARE(store.summaryFor(MatchStatistics::kAllStrengths).matches(), int(rows.count("mac:")));
}

void TestStatisticsStore::duelRows_data()
{
    QTest::addColumn<bool>("version2");   // a database of the version before duels, with three rows
    QTest::addColumn<QString>("written"); // mode:opponent:network:lied:result of each match appended
    QTest::addColumn<QString>("rows");    // the same of every known row read back, oldest first

    QTest::newRow("a duel at one computer") << false << "duel:Ben:0:0:won" << "duel:Ben:0:0:won";
    QTest::newRow("a duel whose opponent lied") << false << "duel:Ann:1:1:won mac::0:0:lost"
                                                << "duel:Ann:1:1:won mac::0:0:lost";
    QTest::newRow("version 2 takes a duel, its rows kept") << true << "duel:Ben:1:0:draw"
                                                            << "mac::0:0:won daily::0:0:lost duel:Ben:1:0:draw";
}

void TestStatisticsStore::duelRows()
{
    QFETCH(bool, version2);
    QFETCH(QString, written);
    QFETCH(QString, rows);

    const QString path = m_home->filePath("statistics.sqlite");
    // Every value of every row as SQLite keeps it, types included.
    const QString dump = QStringLiteral("SELECT group_concat(id || quote(finished) || quote(strength) || quote(result) "
                                        "|| quote(guesses) || quote(hinted) || quote(turns) || quote(details) "
                                        "|| quote(mode) || quote(puzzle), '|') FROM matches");
    const auto valueOf = [&path](const QString &select) {
        QSqlDatabase reader = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-reader"));
        reader.setDatabaseName(path);
        QString value;
        if (reader.open()) {
            QSqlQuery query(reader);
            if (query.exec(select) && query.next())
                value = query.value(0).toString();
        }
        reader = {};
        QSqlDatabase::removeDatabase(QStringLiteral("test-reader"));
        return value;
    };
    QString before;
    if (version2) {
        QVERIFY(ScriptedMatches::runSql(
            path, {"PRAGMA user_version = 2",
                   "CREATE TABLE matches (id INTEGER PRIMARY KEY, finished TEXT NOT NULL, "
                   "strength INTEGER NOT NULL CHECK (strength BETWEEN 0 AND 3), "
                   "result TEXT NOT NULL CHECK (result IN ('won', 'lost', 'draw', 'abandoned')), "
                   "guesses INTEGER NOT NULL CHECK (guesses BETWEEN 0 AND 16), "
                   "hinted INTEGER NOT NULL CHECK (hinted IN (0, 1)), turns TEXT, details TEXT, "
                   "mode TEXT NOT NULL DEFAULT 'mac' CHECK (mode IN ('mac', 'daily', 'practice')), puzzle INTEGER)",
                   "CREATE TABLE saved_match (id INTEGER PRIMARY KEY CHECK (id = 1), match TEXT NOT NULL)",
                   "INSERT INTO saved_match VALUES (1, '{}')",
                   "INSERT INTO matches VALUES (3, '2026-02-03T04:05:06Z', 2, 'won', 5, 0, "
                   "'[{\"guess\":\"0123\",\"hits\":4,\"blows\":0}]', '{\"macNumber\":\"0123\"}', 'mac', NULL)",
                   "INSERT INTO matches VALUES (7, '2026-02-04T04:05:06Z', 1, 'lost', 10, 1, NULL, NULL, 'daily', 12)",
                   // Unknown to the game (a fraction of a guess): left as it is, read by nobody.
                   "INSERT INTO matches VALUES (9, '2026-02-05T04:05:06Z', 1, 'draw', 2.5, 0, x'00ff', NULL, 'mac', NULL)"}));
        before = valueOf(dump);
        QVERIFY(!before.isEmpty());
    }
    {
        StatisticsStore store(path);
        for (const QString &match : written.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList fields = match.split(u':');
            MatchRecord record{QDateTime(QDate(2026, 3, 4), QTime(5, 6), Qt::UTC), 0,
                               StatisticsFile::resultNamed(fields[4]).value(), 3, false, {}, {}};
            record.mode = matchModeNamed(fields[0]).value();
            record.opponent = fields[1];
            record.overNetwork = fields[2] == "1";
            record.opponentLied = fields[3] == "1";
            QVERIFY2(store.append({record}), qPrintable(store.detail()));
        }
        const auto format = [](const MatchRecord &record) {
            return QStringLiteral("%1:%2:%3:%4:%5")
                .arg(matchModeName(record.mode), record.opponent)
                .arg(int(record.overNetwork))
                .arg(int(record.opponentLied))
                .arg(StatisticsFile::resultName(record.result));
        };
        const MatchStatistics all = store.allMatches();
        QCOMPARE(rowsOf(all, format), rows);
        // The side file and the export keep a duel as a duel.
        QCOMPARE(rowsOf(exportedAgain(all, m_home->filePath("export.json")), format), rows);
        // No figure counts a duel.
        QCOMPARE(store.summaryFor(MatchStatistics::kAllStrengths).matches(), int(rows.count("mac:")));
        QCOMPARE(store.summaryFor(MatchStatistics::kDailyPuzzles).matches(), int(rows.count("daily:")));
    }
    if (version2) {
        QCOMPARE(valueOf(dump.chopped(QStringLiteral(" FROM matches").size()) + QStringLiteral(" FROM matches WHERE id < 10")), before);
        QCOMPARE(valueOf(QStringLiteral("SELECT count(*) FROM saved_match")), QStringLiteral("1"));
        QCOMPARE(valueOf(QStringLiteral("PRAGMA user_version")).toInt() >= 3, true);
    }
}

void TestStatisticsStore::storageFaults_data()
{
    QTest::addColumn<QString>("inTheWay"); // what stands at the database's path before the game
    QTest::addColumn<QString>("problem");  // part of what the player is told; empty: nothing
    QTest::addColumn<QString>("stored");   // the rows in the database file afterwards
    QTest::addColumn<QString>("keptAs");   // where a damaged database went

    QTest::newRow("no database yet") << "<none>" << "" << "won:1:0:1 lost:1:0:1" << "";
    QTest::newRow("an empty file") << "<empty>" << "" << "won:1:0:1 lost:1:0:1" << "";
    QTest::newRow("garbage") << "<garbage>" << "is not a statistics database" << "<none>" << "";
    QTest::newRow("a FIFO") << "<fifo>" << "is not a statistics database" << "<none>" << "";
    QTest::newRow("a device") << "<device>" << "is not a statistics database" << "<none>" << "";
    QTest::newRow("a folder") << "<folder>" << "is not a statistics database" << "<none>" << "";
    QTest::newRow("a database the player cannot read") << "<mode 000>" << "cannot be read" << "<none>" << "";
    QTest::newRow("another program's matches table") << "<foreign>" << "is another program's database" << "<none>" << "";
    QTest::newRow("a newer version's column the game cannot fill")
        << "<newer, NOT NULL>" << "was written by a newer version of the game" << "<none>" << "";
    QTest::newRow("a newer version's column that may stay empty") << "<newer, nullable>" << ""
                                                                   << "won:2:0:2 won:1:0:1 lost:1:0:1" << "";
    QTest::newRow("a damaged database") << "<damaged>" << "" << "" << "statistics.sqlite.corrupt";
    QTest::newRow("an earlier damaged one stays") << "<damaged twice>" << "" << "" << "statistics.sqlite.2.corrupt";
}

void TestStatisticsStore::storageFaults()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, problem);
    QFETCH(QString, stored);
    QFETCH(QString, keptAs);

    const QString folder = m_home->filePath("HitBlow");
    const QString path = folder + "/statistics.sqlite";
    QVERIFY(QDir().mkpath(folder));
    const QByteArray garbage("These are not the statistics you are looking for.\n\x00\x01\x02", 53);
    if (inTheWay == "<empty>" || inTheWay == "<garbage>") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(inTheWay == "<garbage>" ? garbage : QByteArray());
    } else if (inTheWay == "<fifo>") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (inTheWay == "<device>") {
        const QString refused = makeZeroDevice(path);
        if (!refused.isEmpty())
            QSKIP(qPrintable(refused));
    } else if (inTheWay == "<folder>") {
        QVERIFY(QDir().mkpath(path + "/inside"));
    } else if (inTheWay == "<mode 000>") {
        if (geteuid() == 0)
            QSKIP("Root reads any file: a file the player cannot read needs another user.");
        QVERIFY(ScriptedMatches::runSql(path, {"CREATE TABLE matches (id INTEGER PRIMARY KEY)"}));
        QVERIFY(QFile::setPermissions(path, {}));
    } else if (inTheWay == "<foreign>") {
        QVERIFY(ScriptedMatches::runSql(path, {"CREATE TABLE matches (id INTEGER PRIMARY KEY, home TEXT, away TEXT, score INTEGER)",
                                               "INSERT INTO matches (home, away, score) VALUES ('Ajax', 'PSV', 2)"}));
    } else if (inTheWay.startsWith("<newer")) {
        const QString rating = inTheWay.contains("NOT NULL") ? "rating INTEGER NOT NULL" : "rating INTEGER";
        QVERIFY(ScriptedMatches::runSql(
            path, {"PRAGMA user_version = 7",
                   "CREATE TABLE matches (id INTEGER PRIMARY KEY, finished TEXT NOT NULL, strength INTEGER NOT NULL, "
                   "result TEXT NOT NULL, guesses INTEGER NOT NULL, hinted INTEGER NOT NULL, turns TEXT, " + rating + ")",
                   "INSERT INTO matches VALUES (1, '2031-01-02T03:04:05Z', 2, 'won', 2, 0, NULL, 5)"}));
    } else if (inTheWay.startsWith("<damaged")) {
        if (inTheWay == "<damaged twice>") {
            QFile earlier(path + ".corrupt");
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier");
        }
        writeDamagedDatabase(path, 3000);
    }
    const QString kindBefore = ScriptedMatches::kindOf(path);
    // Only a regular file's bytes are compared: a device's never end.
    const bool regularFile = QFileInfo(path).isFile();
    const QByteArray bytesBefore = regularFile ? ScriptedMatches::contentsOf(path) : QByteArray();

    QElapsedTimer clock;
    clock.start();
    QStringList told;
    std::vector<MatchRecord> shown;
    {
        StatisticsKeeper keeper(path);
        connect(&keeper, &StatisticsKeeper::saveProblemChanged, this, [&](const QString &text) { told << text; });
        m_matches->play("turn right turn4 wrong", keeper, 1);
        shown = keeper.askAndWait<std::vector<MatchRecord>>([](StatisticsStore &store) { return store.latest(5); });
        const QString notice = keeper.takeKeptAsideNotice();
        QVERIFY2(keptAs.isEmpty() ? notice.isEmpty() : notice.contains("/" + keptAs + ","), qPrintable(notice));
        QCOMPARE(keeper.saveProblem().contains(problem), true);
        QCOMPARE(keeper.saveProblem().isEmpty(), problem.isEmpty());
    }
    // Nothing in the way blocks the game or its end.
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCoreApplication::processEvents();
    QCOMPARE(told.isEmpty(), problem.isEmpty());
    // The window shows the matches of the session even when they cannot be saved.
    QVERIFY(shown.size() >= 2);
    QCOMPARE(int(shown.front().result), int(MatchOutcome::Lost));

    const QString waiting = StatisticsKeeper::waitingPath(path);
    if (!problem.isEmpty()) {
        // Refused files are left exactly as they were; the session's matches wait beside them.
        QCOMPARE(ScriptedMatches::kindOf(path), kindBefore);
        if (regularFile)
            QCOMPARE(ScriptedMatches::contentsOf(path), bytesBefore);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 (QStringList{"statistics.sqlite", "statistics.sqlite-waiting.json"}));
        QCOMPARE(ScriptedMatches::waitingRows(waiting), "won:1:0:1 lost:1:0:1");
        // A second session adds its own; once the file is out of the way, the next start takes them in.
        {
            StatisticsKeeper again(path);
            m_matches->play("draw16", again, 3);
        }
        QCOMPARE(ScriptedMatches::waitingRows(waiting), "won:1:0:1 lost:1:0:1 draw:16:0:3");
        QVERIFY(QDir(path).exists() ? QDir(path).removeRecursively() : QFile::remove(path));
        {
            StatisticsKeeper later(path);
            later.askAndWait<int>([](StatisticsStore &store) { return store.matchCount(); });
        }
        QCOMPARE(ScriptedMatches::storedRows(path), "won:1:0:1 lost:1:0:1 draw:16:0:3");
        QVERIFY(!QFileInfo::exists(waiting));
        return;
    }
    QVERIFY(!QFileInfo::exists(waiting));
    if (stored.isEmpty()) {
        // A damaged database's rows that can be read come first (3000 written, 2 pages spoilt).
        const QStringList rows = ScriptedMatches::storedRows(path).split(' ');
        QVERIFY2(rows.size() > 2500 && rows.size() <= 3002, qPrintable(QString::number(rows.size())));
        QCOMPARE(rows.mid(rows.size() - 2), (QStringList{"won:1:0:1", "lost:1:0:1"}));
        QCOMPARE(rows.count("won:5:0:1"), rows.size() - 2);
    } else {
        QCOMPARE(ScriptedMatches::storedRows(path), stored);
    }
    if (!keptAs.isEmpty()) {
        QCOMPARE(ScriptedMatches::contentsOf(folder + "/" + keptAs), bytesBefore);
        if (inTheWay == "<damaged twice>")
            QCOMPARE(ScriptedMatches::contentsOf(path + ".corrupt"), QByteArray("earlier"));
    }
}

void TestStatisticsStore::damagedDatabaseSetAside_data()
{
    QTest::addColumn<QString>("journal"); // the journal mode the database was left in
    QTest::addColumn<QString>("damage");

    QTest::newRow("truncated, rollback journal") << "DELETE" << "truncated";
    QTest::newRow("truncated, write-ahead log") << "WAL" << "truncated";
    QTest::newRow("garbage pages, rollback journal") << "DELETE" << "garbage";
    QTest::newRow("garbage pages, write-ahead log") << "WAL" << "garbage";
}

void TestStatisticsStore::damagedDatabaseSetAside()
{
    QFETCH(QString, journal);
    QFETCH(QString, damage);

    const QString path = m_home->filePath("HitBlow/statistics.sqlite");
    writeDamagedDatabase(path, 3000);
    QVERIFY(ScriptedMatches::runSql(path, {"PRAGMA journal_mode = " + journal}));
    {
        // Damaged again, past the first pages, by cutting it off or writing over a third of it.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        if (damage == "truncated") {
            QVERIFY(file.resize(size / 2));
        } else {
            file.seek(size / 3 / 4096 * 4096);
            file.write(QByteArray(int(size / 3), '\x5a'));
        }
    }
    const QByteArray bytesBefore = ScriptedMatches::contentsOf(path);
    QString notice;
    {
        StatisticsKeeper keeper(path);
        m_matches->play("turn right", keeper, 2);
        keeper.waitForWrites();
        notice = keeper.takeKeptAsideNotice();
        QCOMPARE(keeper.saveProblem(), QString());
    }
    // Set aside byte for byte, and a new database with what could be read and the new match.
    QCOMPARE(ScriptedMatches::contentsOf(path + ".corrupt"), bytesBefore);
    const QStringList rows = ScriptedMatches::storedRows(path).split(' ');
    const int carried = int(rows.size()) - 1;
    QCOMPARE(rows.last(), "won:1:0:2");
    QCOMPARE(rows.count("won:5:0:1"), carried);
    QVERIFY2(carried > 0 && carried < 3000, qPrintable(QString::number(carried)));
    QVERIFY2(notice.contains("matches that could still be read (" + QString::number(carried) + ")"), qPrintable(notice));
    QVERIFY2(notice.contains("Matches that could not be read: " + QString::number(3000 - carried) + ".")
                 || notice.contains("Some matches could not be read"),
             qPrintable(notice));
}

void TestStatisticsStore::unknownRowsLeftInPlace_data()
{
    QTest::addColumn<QString>("change"); // made by hand to the second of three stored rows
    QTest::addColumn<QString>("raw");    // how that row reads afterwards

    QTest::newRow("a result the game does not know") << "result = 'x'" << "x:1:0:1";
    QTest::newRow("strength 9") << "strength = 9" << "lost:1:0:9";
    QTest::newRow("guesses -1") << "guesses = -1" << "lost:-1:0:1";
    QTest::newRow("guesses 70000") << "guesses = 70000" << "lost:70000:0:1";
    QTest::newRow("hinted 7") << "hinted = 7" << "lost:1:7:1";
    QTest::newRow("guesses as text") << "guesses = 'many'" << "lost:0:0:1";
}

void TestStatisticsStore::unknownRowsLeftInPlace()
{
    QFETCH(QString, change);
    QFETCH(QString, raw);

    const QString path = m_home->filePath("HitBlow/statistics.sqlite");
    {
        StatisticsKeeper keeper(path);
        m_matches->play("turn right turn4 wrong turn right", keeper, 1);
    }
    QVERIFY(ScriptedMatches::runSql(path, {"PRAGMA ignore_check_constraints = ON", "UPDATE matches SET " + change + " WHERE id = 2"}));
    StatisticsKeeper keeper(path);
    m_matches->play("draw16", keeper, 1);
    keeper.waitForWrites();
    // Nothing set aside: the row stays in the file, left out of what the window shows, and counted.
    QCOMPARE(keeper.takeKeptAsideNotice(), QString());
    QVERIFY(!QFileInfo::exists(path + ".corrupt"));
    QCOMPARE(ScriptedMatches::storedRows(path), "won:1:0:1 " + raw + " won:1:0:1 draw:16:0:1");
    QCOMPARE(keeper.askAndWait<int>([](StatisticsStore &store) { return store.unknownRows(); }), 1);
    StatisticsDialog window(keeper, 1);
    QTRY_COMPARE(window.figure("Won"), "2");
    QCOMPARE(window.figure("Lost"), "0");
    QCOMPARE(window.figure("Drawn"), "1");
    QTRY_COMPARE(window.latestMatches()->topLevelItemCount(), 3);
    QTRY_VERIFY2(visibleTexts(window).filter("1 stored match holds values this version does not know").size() == 1,
                 qPrintable(visibleTexts(window).join('|')));
}

void TestStatisticsStore::failedWriteReleasesTheLock_data()
{
    QTest::addColumn<QString>("failure");

    QTest::newRow("a check before the commit refuses it") << "refused";
    QTest::newRow("a row the table refuses") << "bad row";
    QTest::newRow("an old statistics file that cannot be renamed") << "old file";
}

void TestStatisticsStore::failedWriteReleasesTheLock()
{
    QFETCH(QString, failure);

    const QString folder = m_home->filePath("HitBlow");
    const QString path = folder + "/statistics.sqlite";
    const MatchRecord match{QDateTime(QDate(2026, 3, 4), QTime(5, 6), Qt::UTC), 2, MatchOutcome::Lost, 7, false, {}, {}};
    if (failure == "old file") {
        // A file that is a mount point cannot be renamed, even by root.
        QVERIFY(QDir().mkpath(folder));
        QFile old(folder + "/statistics.json");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(R"({"matches":[{"finished":"2026-01-02T03:04:05Z","strength":1,"result":"won","guesses":3,"hinted":false}]})");
        old.close();
        if (QProcess::execute("mount", {"--bind", old.fileName(), old.fileName()}) != 0)
            QSKIP("An old file that cannot be renamed needs a bind mount, and mounting needs root (or CAP_SYS_ADMIN).");
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {old.fileName()}); });
        {
            // Both games go on recording after the failed import.
            StatisticsKeeper first(path);
            StatisticsKeeper second(path);
            m_matches->play("turn right turn4 wrong", first, 1);
            first.waitForWrites();
            QCOMPARE(int(first.takeImportReport().outcome), int(StatisticsImport::Outcome::Failed));
            m_matches->play("draw16", second, 3);
            second.waitForWrites();
            m_matches->play("turn right", first, 1);
        }
        QCOMPARE(ScriptedMatches::storedRows(path), "won:1:0:1 lost:1:0:1 draw:16:0:3 won:1:0:1");
        return;
    }
    StatisticsStore first(path);
    MatchRecord written = match;
    if (failure == "bad row")
        written.guesses = MatchStatistics::kMostGuesses + 1;
    QVERIFY(!first.append({written}, [&](QString *reason) {
        *reason = "refused";
        return failure != "refused";
    }));
    // Neither this connection nor another waits for a lock the failed write kept.
    StatisticsStore second(path);
    second.setBusyTimeout(0);
    QVERIFY2(second.append({match}), qPrintable(second.detail()));
    first.setBusyTimeout(0);
    QVERIFY2(first.append({match}), qPrintable(first.detail()));
    QCOMPARE(ScriptedMatches::storedRows(path), "lost:7:0:2 lost:7:0:2");
}

void TestStatisticsStore::quitWithMatchesWaiting_data()
{
    QTest::addColumn<bool>("heldAtQuit"); // another connection's write lock, taken before the matches
    QTest::addColumn<int>("matches");     // lost matches played under it

    QTest::newRow("lock released before the quit") << false << 1;
    QTest::newRow("lock held through the quit") << true << 5;
}

void TestStatisticsStore::quitWithMatchesWaiting()
{
    QFETCH(bool, heldAtQuit);
    QFETCH(int, matches);

    const QString path = m_home->filePath("HitBlow/statistics.sqlite");
    const QString waiting = StatisticsKeeper::waitingPath(path);
    {
        StatisticsKeeper earlier(path);
        m_matches->play("turn right", earlier, 1);
    }
    QStringList lost;
    for (int i = 0; i < matches; ++i)
        lost << "lost:1:0:1";
    {
        QSqlDatabase locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-locker"));
        locker.setDatabaseName(path);
        QVERIFY(locker.open());
        QVERIFY(QSqlQuery(locker).exec("BEGIN IMMEDIATE"));
        auto keeper = std::make_unique<StatisticsKeeper>(path);
        for (int i = 0; i < matches; ++i)
            m_matches->play("turn4 wrong", *keeper, 1);
        if (heldAtQuit) {
            // One short try at the end, not a wait for the lock for each match queued.
            QElapsedTimer clock;
            clock.start();
            keeper.reset();
            QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(ScriptedMatches::waitingRows(waiting), lost.join(' '));
        } else {
            keeper->waitForWrites();
            QVERIFY2(keeper->saveProblem().contains("busy"), qPrintable(keeper->saveProblem()));
        }
        QVERIFY(QSqlQuery(locker).exec("ROLLBACK"));
        locker.close();
        keeper.reset();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-locker"));
    if (!heldAtQuit) {
        // Written by the quit itself once the lock is gone.
        QCOMPARE(ScriptedMatches::storedRows(path), "won:1:0:1 " + lost.join(' '));
        QVERIFY(!QFileInfo::exists(waiting));
    }
    {
        // Taken in at the next start.
        StatisticsKeeper next(path);
        next.askAndWait<int>([](StatisticsStore &store) { return store.matchCount(); });
    }
    QCOMPARE(ScriptedMatches::storedRows(path), "won:1:0:1 " + lost.join(' '));
    QVERIFY(!QFileInfo::exists(waiting));
}

void TestStatisticsStore::logStaysSmall()
{
    // On a small disk the write-ahead log would take the room that the matches need.
    StatisticsKeeper keeper(m_home->filePath("HitBlow/statistics.sqlite"));
    for (int i = 0; i < 100; ++i)
        m_matches->play("turn right", keeper, 1);
    keeper.waitForWrites();
    const qint64 log = QFileInfo(m_home->filePath("HitBlow/statistics.sqlite-wal")).size();
    QVERIFY2(log < 256 * 1024, qPrintable(QString::number(log)));
}

void TestStatisticsStore::deletedDatabaseBegunAgain()
{
    const QString path = m_home->filePath("HitBlow/statistics.sqlite");
    StatisticsKeeper keeper(path);
    m_matches->play("turn right turn right", keeper, 1);
    keeper.waitForWrites();
    // Deleted by the player while the game runs: the next match begins a new file, not one no
    // one can see.
    QVERIFY(QFile::remove(path));
    m_matches->play("turn4 wrong", keeper, 1);
    keeper.waitForWrites();
    QCOMPARE(keeper.saveProblem(), QString());
    QCOMPARE(ScriptedMatches::storedRows(path), "lost:1:0:1");
}

void TestStatisticsStore::windowSaysWhyItWaits()
{
    // An older program holding the database, in a rollback journal, for as long as it likes.
    const QString path = m_home->filePath("HitBlow/statistics.sqlite");
    {
        StatisticsKeeper earlier(path);
        m_matches->play("turn right turn right turn4 wrong", earlier, 1);
    }
    QVERIFY(ScriptedMatches::runSql(path, {"PRAGMA journal_mode = DELETE"}));
    QSqlDatabase locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-locker"));
    const auto removeLocker = qScopeGuard([&] {
        locker.close();
        locker = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("test-locker"));
    });
    locker.setDatabaseName(path);
    QVERIFY(locker.open());
    QVERIFY(QSqlQuery(locker).exec("BEGIN EXCLUSIVE"));

    StatisticsKeeper keeper(path);
    StatisticsDialog window(keeper, 1);
    // First it says that it waits, then why it shows nothing.
    QTRY_VERIFY2(visibleTexts(window).filter("Waiting for the statistics").size() == 1, qPrintable(visibleTexts(window).join('|')));
    QTRY_VERIFY2_WITH_TIMEOUT(visibleTexts(window).filter("The statistics could not be read: another game keeps the statistics busy").size() == 1,
                              qPrintable(visibleTexts(window).join('|')), 15000);
    QVERIFY(visibleTexts(window).filter("Waiting").isEmpty());
}

void TestStatisticsStore::fullDiskKeepsWhatWasStored()
{
    const QString disk = m_home->filePath("disk");
    QVERIFY(QDir().mkpath(disk));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=128k", "tmpfs", disk}) != 0)
        QSKIP("A full disk needs a small tmpfs, and mounting one needs root (or CAP_SYS_ADMIN).");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {disk}); });
    const QString path = disk + "/HitBlow/statistics.sqlite";

    StatisticsKeeper keeper(path);
    m_matches->play("turn right turn right turn right turn right turn right", keeper, 1);
    keeper.waitForWrites();
    QCOMPARE(keeper.saveProblem(), QString());

    // The rest of the disk taken by another file.
    QFile filler(disk + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
    }
    filler.close();

    int recorded = 5;
    int failedAt = 0;
    while (!failedAt && recorded < 400) {
        m_matches->play("turn4 wrong", keeper, 1);
        ++recorded;
        keeper.waitForWrites();
        if (!keeper.saveProblem().isEmpty())
            failedAt = recorded;
    }
    QVERIFY2(failedAt, "no write failed on the full disk");
    QCOMPARE(keeper.saveProblem(), "Statistics could not be saved: disk full");
    // What was stored before stays stored, and the failed match is not.
    QCOMPARE(ScriptedMatches::storedRows(path).split(' ').size(), failedAt - 1);

    // Room again: the match kept in memory goes in with the next one.
    QVERIFY(QFile::remove(disk + "/filler"));
    m_matches->play("turn right", keeper, 1);
    keeper.waitForWrites();
    QCOMPARE(keeper.saveProblem(), QString());
    const QStringList rows = ScriptedMatches::storedRows(path).split(' ');
    QCOMPARE(rows.size(), failedAt + 1);
    QCOMPARE(rows.mid(rows.size() - 2), (QStringList{"lost:1:0:1", "won:1:0:1"}));

    // Full again at the quit, with no room even for the side file: the quit says what is lost.
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
    }
    filler.close();
    // The log's room is used again after each checkpoint: the matches fill the disk a while first.
    for (int more = 0; keeper.saveProblem().isEmpty() && more < 400; ++more) {
        m_matches->play("turn4 wrong", keeper, 1);
        keeper.waitForWrites();
    }
    QCOMPARE(keeper.saveProblem(), "Statistics could not be saved: disk full");
    QString exportError;
    keeper.exportTo(disk + "/exported.json", this, [&](const QString &error) { exportError = error; });
    QTRY_VERIFY(!exportError.isEmpty());
    QCOMPARE(exportError, "the disk is full");
    const QString told = keeper.finish();
    QVERIFY2(told.startsWith("Matches lost: 1."), qPrintable(told));
    QVERIFY(!QFileInfo::exists(StatisticsKeeper::waitingPath(path)));
}

void TestStatisticsStore::windowShowsWhatIsStoredAndWhatIsNot()
{
    // A garbage file in the database's place: the matches of the session are shown, not saved.
    const QString folder = m_home->filePath("HitBlow");
    QVERIFY(QDir().mkpath(folder));
    QFile garbage(folder + "/statistics.sqlite");
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("garbage");
    garbage.close();
    StatisticsKeeper keeper(garbage.fileName());
    m_matches->play("turn right shown turn4 wrong shown turn right shown", keeper, 2);

    StatisticsDialog window(keeper, 2);
    QTRY_COMPARE(window.figure("Won"), "2");
    QCOMPARE(window.figure("Lost"), "1");
    QCOMPARE(window.figure("Best winning streak"), "1");
    QTRY_COMPARE(window.latestMatches()->topLevelItemCount(), 3);
    QCOMPARE(window.latestMatches()->topLevelItem(0)->text(2), "Won");
    QCOMPARE(window.latestMatches()->topLevelItem(1)->text(2), "Lost");
    // The player sees that these matches are not saved, and why.
    const QStringList shown = visibleTexts(window);
    QVERIFY2(shown.filter("Statistics could not be saved: " + garbage.fileName() + " is not a statistics database")
                 .size() == 1,
             qPrintable(shown.join('|')));
    window.levelPopup()->setCurrentIndex(0);
    QTRY_COMPARE(window.figure("Won"), "0");
}

void TestStatisticsStore::turnsKeptAsPlayed_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("written"); // put in the row's turns by hand: "-" none, "" NULL
    QTest::addColumn<int>("turns");       // how many come back

    QTest::newRow("won in the third round") << "turn wrong next wrong next right shown" << "-" << 3;
    QTest::newRow("lost in the first round") << "turn4 wrong shown" << "-" << 1;
    QTest::newRow("abandoned with the guesses so far") << "turn wrong next wrong abandon" << "-" << 2;
    QTest::newRow("a row of an earlier version, NULL") << "turn right" << "" << 0;
    QTest::newRow("written as the format says")
        << "turn right" << R"([{"guess":"3210","hits":0,"blows":4},{"guess":"0123","hits":4,"blows":0}])" << 2;
    QTest::newRow("a guess with a digit twice") << "turn right" << R"([{"guess":"0113","hits":1,"blows":0}])" << 0;
    QTest::newRow("a score no guess gets") << "turn right" << R"([{"guess":"0123","hits":3,"blows":1}])" << 0;
    QTest::newRow("a score as text") << "turn right" << R"([{"guess":"0123","hits":"1","blows":0}])" << 0;
    QTest::newRow("no array") << "turn right" << R"({"guess":"0123","hits":1,"blows":0})" << 0;
    QTest::newRow("no JSON") << "turn right" << "0123 1-0" << 0;
}

void TestStatisticsStore::turnsKeptAsPlayed()
{
    QFETCH(QString, steps);
    QFETCH(QString, written);
    QFETCH(int, turns);

    const QString path = m_home->filePath("HitBlow/statistics.sqlite");
    {
        StatisticsKeeper keeper(path);
        m_matches->play(steps, keeper, 1);
    }
    QString raw;
    {
        QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-writer"));
        writer.setDatabaseName(path);
        QVERIFY(writer.open());
        QSqlQuery query(writer);
        if (written != "-") {
            query.prepare(QStringLiteral("UPDATE matches SET turns = ?"));
            query.addBindValue(written.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(written));
            QVERIFY(query.exec());
        }
        QVERIFY(query.exec(QStringLiteral("SELECT turns FROM matches")) && query.next());
        raw = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-writer"));

    StatisticsStore store(path);
    const std::vector<MatchRecord> latest = store.latest(1);
    QCOMPARE(latest.size(), 1u);
    const OwnRecords &kept = latest.front().turns;
    QCOMPARE(int(kept.size()), turns);
    if (turns == 0)
        return;
    QVERIFY2(raw.startsWith("[{\"guess\":\""), qPrintable(raw));
    // What comes back is what the row holds, read here as the format describes it.
    const QJsonArray rows = QJsonDocument::fromJson(raw.toUtf8()).array();
    QCOMPARE(rows.size(), turns);
    for (int i = 0; i < turns; ++i) {
        const Turn &turn = kept.turns[i];
        const NumberSet &guess = turn.guess;
        QCOMPARE(rows[i]["guess"].toString(), QStringLiteral("%1%2%3%4").arg(guess[0]).arg(guess[1]).arg(guess[2]).arg(guess[3]));
        QCOMPARE(rows[i]["hits"].toInt(-1), turn.score.hits);
        QCOMPARE(rows[i]["blows"].toInt(-1), turn.score.blows);
    }
    // Export keeps them, and the file gives them back.
    StatisticsFile exported(m_home->filePath("exported.json"));
    QVERIFY(exported.save(store.allMatches()));
    const MatchStatistics reloaded = StatisticsFile(exported.path()).load();
    QCOMPARE(reloaded.matches().size(), 1u);
    QCOMPARE(reloaded.matches().front().turns.toJsonText(), kept.toJsonText());
    QVERIFY(reloaded.matches().front().otherFields.isEmpty());
    // A won match ends on Mac's number, and every earlier guess has its true score against it.
    if (kept.turns.back().score.hits == 4) {
        for (int i = 0; i + 1 < turns; ++i) {
            const HitBlowResult score = NumberComparer().checkHitsBlowsIn(kept.turns.back().guess, kept.turns[i].guess);
            QCOMPARE(kept.turns[i].score.hits, score.hits);
            QCOMPARE(kept.turns[i].score.blows, score.blows);
        }
    }
}

void TestStatisticsStore::macsSideAndHintsKept_data()
{
    QTest::addColumn<bool>("olderDatabase"); // made by a version without the details column
    QTest::addColumn<QString>("details");    // written over the stored details, or "-" to keep them
    QTest::addColumn<QString>("read");       // hinted guesses | Mac's number | Mac's guesses
    QTest::newRow("as recorded") << false << "-" << "1|5183|0123 1-1,4567 0-2";
    QTest::newRow("a database of an earlier version") << true << "-" << "1|5183|0123 1-1,4567 0-2";
    QTest::newRow("none kept") << false << "" << "||";
    QTest::newRow("damaged: left out, the match kept")
        << false << R"({"hintedGuesses":[7,-1,"x"],"macNumber":"1123","macTurns":[{"guess":"0123","hits":3,"blows":1}]})"
        << "||";
}

void TestStatisticsStore::macsSideAndHintsKept()
{
    QFETCH(bool, olderDatabase);
    QFETCH(QString, details);
    QFETCH(QString, read);
    const QString path = m_home->filePath(QStringLiteral("statistics.sqlite"));
    if (olderDatabase) {
        QSqlDatabase older = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-older"));
        older.setDatabaseName(path);
        QVERIFY(older.open());
        QVERIFY(QSqlQuery(older).exec(QStringLiteral(
            "CREATE TABLE matches (id INTEGER PRIMARY KEY, finished TEXT NOT NULL, strength INTEGER NOT NULL, "
            "result TEXT NOT NULL, guesses INTEGER NOT NULL, hinted INTEGER NOT NULL, turns TEXT)")));
        older.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-older"));
    MatchRecord match{QDateTime(QDate(2026, 3, 4), QTime(5, 6), Qt::UTC), 2, MatchOutcome::Lost, 2, true, {}, {}};
    match.turns.turns = {{{9, 8, 7, 6}, {0, 1}}, {{5, 1, 8, 4}, {2, 1}}};
    match.hintedGuesses = {1};
    match.macTurns.turns = {{{0, 1, 2, 3}, {1, 1}}, {{4, 5, 6, 7}, {0, 2}}};
    match.macNumber = NumberSet{5, 1, 8, 3};
    {
        StatisticsStore store(path);
        QVERIFY2(store.append({match}), qPrintable(store.detail()));
    }
    if (details != "-") {
        QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-writer"));
        writer.setDatabaseName(path);
        QVERIFY(writer.open());
        QSqlQuery query(writer);
        query.prepare(QStringLiteral("UPDATE matches SET details = ?"));
        query.addBindValue(details.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(details));
        QVERIFY(query.exec());
        writer.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-writer"));

    StatisticsStore store(path);
    const std::vector<MatchRecord> latest = store.latest(1);
    QCOMPARE(latest.size(), 1u);
    const MatchRecord &kept = latest.front();
    QStringList hinted, macGuesses;
    for (int guess : kept.hintedGuesses)
        hinted << QString::number(guess);
    for (const Turn &turn : kept.macTurns.turns)
        macGuesses << QStringLiteral("%1 %2-%3").arg(NumberText::of(turn.guess)).arg(turn.score.hits).arg(turn.score.blows);
    QCOMPARE(QStringList({hinted.join(','), kept.macNumber ? NumberText::of(*kept.macNumber) : QString(),
                          macGuesses.join(',')})
                 .join('|'),
             read);
    // The match itself is whole whatever became of its details.
    QCOMPARE(kept.turns.size(), 2u);
    QCOMPARE(kept.result, MatchOutcome::Lost);
}

QTEST_MAIN(TestStatisticsStore)
#include "tst_statisticsstore.moc"
