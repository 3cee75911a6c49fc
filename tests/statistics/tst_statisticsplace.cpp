// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/StatisticsKeeper.h"
#include "statistics/StatisticsStore.h"

#include "ScriptedMatches.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Where the statistics are kept when the place is odd (a journal beside the database that is no
// regular file, no data folder at all), and stored turns longer than any match. Each case has a
// folder of its own as the current one.
class TestStatisticsPlace : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void journalInTheWay_data();
    void journalInTheWay();
    void noDataFolderKeepsMatchesInMemory();
    void turnsLongerThanAMatch_data();
    void turnsLongerThanAMatch();

private:
    QTemporaryDir m_folder;
    QString m_previousFolder;
};

void TestStatisticsPlace::init()
{
    QVERIFY(m_folder.isValid());
    m_previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder.path()));
}

void TestStatisticsPlace::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    QDir(m_folder.path()).removeRecursively();
    QDir().mkpath(m_folder.path());
}

void TestStatisticsPlace::journalInTheWay_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("FIFO as the write-ahead log") << "-wal";
    QTest::newRow("FIFO as its index") << "-shm";
    QTest::newRow("FIFO as the rollback journal") << "-journal";
}

// The database and the FIFO are left exactly as they were; the session's matches are still shown.
void TestStatisticsPlace::journalInTheWay()
{
    QFETCH(QString, suffix);
    const QString path = m_folder.filePath("statistics.sqlite");
    {
        StatisticsKeeper keeper(path);
        ScriptedMatches().play("turn right", keeper, 1);
    }
    QCOMPARE(ScriptedMatches::storedRows(path), "won:1:0:1");
    const QByteArray before = ScriptedMatches::contentsOf(path);
    QCOMPARE(::mkfifo(QFile::encodeName(path + suffix).constData(), 0600), 0);

    StatisticsKeeper keeper(path);
    ScriptedMatches().play("turn4 wrong", keeper, 1);
    const auto shown = keeper.askAndWait<std::vector<MatchRecord>>([](StatisticsStore &store) { return store.latest(5); });
    QCOMPARE(int(shown.size()), 1);
    QVERIFY2(keeper.saveProblem().contains("a journal file beside " + path + " is not a regular file; the database is left as it is"),
             qPrintable(keeper.saveProblem()));
    QCOMPARE(ScriptedMatches::kindOf(path + suffix), "fifo");
    QCOMPARE(ScriptedMatches::contentsOf(path), before);
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList({"statistics.sqlite", "statistics.sqlite" + suffix}));
}

// With no HOME and a relative XDG_DATA_HOME there is no data folder: the matches of the session are
// kept and shown, the player is told, and nothing is read or written in the current folder (nor at
// the filesystem's root, the old fallback).
void TestStatisticsPlace::noDataFolderKeepsMatchesInMemory()
{
    const QByteArray home = qgetenv("HOME");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    qputenv("XDG_DATA_HOME", "relative");
    const QString path = StatisticsStore::defaultPath();
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", dataHome);
    QCOMPARE(path, QString());

    // An older version's file where a folderless path would look for it.
    QFile old(m_folder.filePath("statistics.json"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(R"({"matches":[]})");
    old.close();
    StatisticsKeeper keeper(path);
    ScriptedMatches().play("turn right turn4 wrong", keeper, 1);
    const auto shown = keeper.askAndWait<std::vector<MatchRecord>>([](StatisticsStore &store) { return store.latest(5); });
    QCOMPARE(int(shown.size()), 2);
    QVERIFY2(keeper.saveProblem().contains("kept only until the game quits: no folder"), qPrintable(keeper.saveProblem()));
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden),
             QStringList{"statistics.json"});
}

void TestStatisticsPlace::turnsLongerThanAMatch_data()
{
    QTest::addColumn<int>("guesses");
    QTest::addColumn<int>("readBack"); // guesses read back: none for turns no match can have
    QTest::newRow("sixteen") << 16 << 16;
    QTest::newRow("seventeen") << 17 << 0;
    QTest::newRow("290,000") << 290000 << 0;
}

// The row is shown with its figures; its turns are not read, so it cannot be reviewed.
void TestStatisticsPlace::turnsLongerThanAMatch()
{
    QFETCH(int, guesses);
    QFETCH(int, readBack);
    QStringList turns;
    for (int guess = 0; guess < guesses; ++guess)
        turns << R"({"guess":"0123","hits":0,"blows":0})";
    const QString path = m_folder.filePath("statistics.sqlite");
    StatisticsStore store(path);
    QVERIFY(store.append({MatchRecord{QDateTime(QDate(2026, 3, 4), QTime(5, 6), Qt::UTC), 1, MatchOutcome::Draw,
                                      16, false, {}, {}}}));
    {
        auto database = QSqlDatabase::addDatabase("QSQLITE", "by hand");
        database.setDatabaseName(path);
        QVERIFY(database.open());
        QSqlQuery update(database);
        QVERIFY(update.prepare("UPDATE matches SET turns = ?"));
        update.addBindValue('[' + turns.join(',') + ']');
        QVERIFY(update.exec());
    }
    QSqlDatabase::removeDatabase("by hand");
    const std::vector<MatchRecord> shown = store.latest(5);
    QCOMPARE(int(shown.size()), 1);
    QCOMPARE(int(shown.front().turns.size()), readBack);
}

QTEST_MAIN(TestStatisticsPlace)
#include "tst_statisticsplace.moc"
