#include "ui/StatisticsDialog.h"
#include "oldfiles/StatisticsFile.h"
#include "statistics/StatisticsStore.h"
#include "rules/NumberText.h"
#include "statistics/StatisticsKeeper.h"

#include "ScriptedMatches.h"
#include "StoredDefaults.h"

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
    void storageFaults_data();
    void storageFaults();
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
    QTest::newRow("a damaged database") << "<damaged>" << "" << "won:1:0:1 lost:1:0:1" << "statistics.sqlite.corrupt";
    QTest::newRow("an earlier damaged one stays") << "<damaged twice>" << "" << "won:1:0:1 lost:1:0:1"
                                                  << "statistics.sqlite.2.corrupt";
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
        QVERIFY(QFile::link("/dev/zero", path));
    } else if (inTheWay == "<folder>") {
        QVERIFY(QDir().mkpath(path + "/inside"));
    } else if (inTheWay.startsWith("<damaged")) {
        if (inTheWay == "<damaged twice>") {
            QFile earlier(path + ".corrupt");
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier");
        }
        writeDamagedDatabase(path, 3000);
    }
    const QString kindBefore = ScriptedMatches::kindOf(path);
    const QByteArray bytesBefore = kindBefore == "file" ? ScriptedMatches::contentsOf(path) : QByteArray();

    QElapsedTimer clock;
    clock.start();
    QStringList told;
    std::vector<MatchRecord> shown;
    {
        StatisticsKeeper keeper(path);
        connect(&keeper, &StatisticsKeeper::saveProblemChanged, this, [&](const QString &text) { told << text; });
        m_matches->play("turn right turn4 wrong", keeper, 1);
        shown = keeper.askAndWait<std::vector<MatchRecord>>([](StatisticsStore &store) { return store.latest(5); });
        QCOMPARE(QFileInfo(keeper.takeKeptAsideNotice()).fileName(), keptAs);
        QCOMPARE(keeper.saveProblem().contains(problem), true);
        QCOMPARE(keeper.saveProblem().isEmpty(), problem.isEmpty());
    }
    // Nothing in the way blocks the game or its end.
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCoreApplication::processEvents();
    QCOMPARE(told.isEmpty(), problem.isEmpty());
    // The window shows the matches of the session even when they cannot be saved.
    QCOMPARE(int(shown.size()), 2);
    QCOMPARE(int(shown.front().result), int(MatchOutcome::Lost));

    if (!problem.isEmpty()) {
        // Refused files are left exactly as they were.
        QCOMPARE(ScriptedMatches::kindOf(path), kindBefore);
        if (kindBefore == "file")
            QCOMPARE(ScriptedMatches::contentsOf(path), bytesBefore);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{"statistics.sqlite"});
        return;
    }
    QCOMPARE(ScriptedMatches::storedRows(path), stored);
    if (!keptAs.isEmpty()) {
        QCOMPARE(ScriptedMatches::contentsOf(folder + "/" + keptAs), bytesBefore);
        if (inTheWay == "<damaged twice>")
            QCOMPARE(ScriptedMatches::contentsOf(path + ".corrupt"), QByteArray("earlier"));
    }
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
    QStringList shown;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isHidden())
            shown << label->text();
    }
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
    QCOMPARE(int(kept.answers.size()), turns);
    if (turns == 0)
        return;
    QCOMPARE(int(kept.hits.size()), turns);
    QCOMPARE(int(kept.blows.size()), turns);
    QVERIFY2(raw.startsWith("[{\"guess\":\""), qPrintable(raw));
    // What comes back is what the row holds, read here as the format describes it.
    const QJsonArray rows = QJsonDocument::fromJson(raw.toUtf8()).array();
    QCOMPARE(rows.size(), turns);
    for (int i = 0; i < turns; ++i) {
        const NumberSet &guess = kept.answers[i];
        QCOMPARE(rows[i]["guess"].toString(), QStringLiteral("%1%2%3%4").arg(guess[0]).arg(guess[1]).arg(guess[2]).arg(guess[3]));
        QCOMPARE(rows[i]["hits"].toInt(-1), kept.hits[i]);
        QCOMPARE(rows[i]["blows"].toInt(-1), kept.blows[i]);
    }
    // Export keeps them, and the file gives them back.
    StatisticsFile exported(m_home->filePath("exported.json"));
    QVERIFY(exported.save(store.allMatches()));
    const MatchStatistics reloaded = StatisticsFile(exported.path()).load();
    QCOMPARE(reloaded.matches().size(), 1u);
    QCOMPARE(reloaded.matches().front().turns.toJsonText(), kept.toJsonText());
    QVERIFY(reloaded.matches().front().otherFields.isEmpty());
    // A won match ends on Mac's number, and every earlier guess has its true score against it.
    if (kept.hits.back() == 4) {
        for (int i = 0; i + 1 < turns; ++i) {
            const HitBlowResult score = NumberComparer().checkHitsBlowsIn(kept.answers.back(), kept.answers[i]);
            QCOMPARE(kept.hits[i], score.hits);
            QCOMPARE(kept.blows[i], score.blows);
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
    match.turns = {{NumberSet{9, 8, 7, 6}, NumberSet{5, 1, 8, 4}}, {0, 2}, {1, 1}};
    match.hintedGuesses = {1};
    match.macTurns = {{NumberSet{0, 1, 2, 3}, NumberSet{4, 5, 6, 7}}, {1, 0}, {1, 2}};
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
    for (std::size_t turn = 0; turn < kept.macTurns.answers.size(); ++turn) {
        macGuesses << QStringLiteral("%1 %2-%3")
                          .arg(NumberText::of(kept.macTurns.answers[turn]))
                          .arg(kept.macTurns.hits[turn])
                          .arg(kept.macTurns.blows[turn]);
    }
    QCOMPARE(QStringList({hinted.join(','), kept.macNumber ? NumberText::of(*kept.macNumber) : QString(),
                          macGuesses.join(',')})
                 .join('|'),
             read);
    // The match itself is whole whatever became of its details.
    QCOMPARE(kept.turns.answers.size(), 2u);
    QCOMPARE(kept.result, MatchOutcome::Lost);
}

QTEST_MAIN(TestStatisticsStore)
#include "tst_statisticsstore.moc"
