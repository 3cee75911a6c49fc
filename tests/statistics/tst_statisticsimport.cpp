// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/StatisticsImport.h"
#include "oldfiles/StatisticsFile.h"
#include "statistics/StatisticsKeeper.h"
#include "statistics/StatisticsStore.h"

#include "ScriptedMatches.h"
#include "StoredDefaults.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <map>
#include <memory>

// The statistics going in and out of the database: the older file imported once, Export, and two
// games recording into one folder at once, each a process of its own (statistics_recorder).
class TestStatisticsImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oldFileImported_data();
    void oldFileImported();
    void failedImportLeavesTheFile();
    void exportWritesTheOldForm();
    void exportWholeOrNothing_data();
    void exportWholeOrNothing();
    void gamesSharingTheFolder_data();
    void gamesSharingTheFolder();

private:
    std::unique_ptr<ScriptedMatches> m_matches;
    std::unique_ptr<QTemporaryDir> m_home;
};

void TestStatisticsImport::init()
{
    openUserDefaults()->clear();
    m_home = std::make_unique<QTemporaryDir>();
    m_matches = std::make_unique<ScriptedMatches>();
}

void TestStatisticsImport::cleanup()
{
    m_matches.reset();
    m_home.reset();
}

void TestStatisticsImport::oldFileImported_data()
{
    QTest::addColumn<QByteArray>("contents"); // "<fifo>": a FIFO in its place
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("invalid");
    QTest::addColumn<QString>("renamedTo");
    QTest::addColumn<QString>("stored");

    auto entry = [](int strength, const char *result, int guesses, bool hinted, const char *finished = "2026-01-02T03:04:05Z") {
        return QByteArray(R"({"finished":")") + finished + R"(","strength":)" + QByteArray::number(strength)
            + R"(,"result":")" + result + R"(","guesses":)" + QByteArray::number(guesses) + R"(,"hinted":)"
            + (hinted ? "true" : "false") + "}";
    };
    const QByteArray five = entry(3, "draw", 16, true) + "," + entry(0, "won", 1, false) + ","
        + entry(2, "lost", 9, false) + "," + entry(1, "abandoned", 0, true) + "," + entry(3, "won", 7, false);
    const QString fiveRows = "draw:16:1:3 won:1:0:0 lost:9:0:2 abandoned:0:1:1 won:7:0:3";

    QTest::newRow("good") << "{\"matches\":[" + five + "],\"version\":7}" << 5 << 0 << "statistics.json.imported"
                          << fiveRows;
    QTest::newRow("empty list") << QByteArray(R"({"matches":[]})") << 0 << 0 << "statistics.json.imported" << "";
    QTest::newRow("one bad field among five good") << "{\"matches\":[" + five + "," + entry(7, "won", 3, false) + "]}"
                                                   << 5 << 1 << "statistics.json.imported" << fiveRows;
    QTest::newRow("mixed, every kind of bad entry")
        << "{\"matches\":[" + entry(0, "won", 1, false) + ",5,{}," + entry(1, "forfeit", 3, false) + ","
               + entry(1, "won", 17, false) + "," + entry(1, "won", 3, false, "yesterday") + ","
               + entry(1, "won", 3, false, "9999-12-31T23:30:00-01:00") + "," + entry(2, "lost", 4, true) + "]}"
        << 2 << 6 << "statistics.json.imported" << "won:1:0:0 lost:4:1:2";
    QTest::newRow("two matches arrays") << "{\"matches\":[" + five + "],\"matches\":[]}" << 5 << 0
                                        << "statistics.json.imported" << fiveRows;
    // Read in blocks: values across their edges, and text that looks like the file's own structure.
    QByteArray many = "{\"matches\":[";
    QStringList manyRows;
    for (int i = 0; i < 1500; ++i) {
        many += (i ? ",\n  " : "") + entry(i % 4, "lost", 1 + i % 16, false);
        manyRows << QStringLiteral("lost:%1:0:%2").arg(1 + i % 16).arg(i % 4);
    }
    QTest::newRow("many, across blocks") << many + "]}" << 1500 << 0 << "statistics.json.imported" << manyRows.join(' ');
    QTest::newRow("brackets and quotes in text")
        << "{\"note\":\"]}\\\"[{,\",\"m\\u0061tches\":[" + five + "],\"x\":[{\"y\":\"]\"}]}" << 5 << 0
        << "statistics.json.imported" << fiveRows;
    QTest::newRow("byte order mark, white space") << "\xef\xbb\xbf \n{ \"matches\" :\t[ " + five + " ] }\n" << 5 << 0
                                                  << "statistics.json.imported" << fiveRows;
    QTest::newRow("an entry too long to read") << "{\"matches\":[" + five + ",{\"n\":\"" + QByteArray(1100000, 'n')
            + "\"}],\"matches\":7}" << 5 << 2 << "statistics.json.imported" << fiveRows;
    QTest::newRow("bad: not JSON") << QByteArray("{\"matches\":[") << 0 << 0 << "statistics.json.corrupt" << "";
    QTest::newRow("bad: a fault after the matches") << "{\"matches\":[" + five + "],\"x\":tru}" << 0 << 0
                                                    << "statistics.json.corrupt" << "";
    QTest::newRow("bad: a comma too many") << "{\"matches\":[" + five + ",]}" << 0 << 0 << "statistics.json.corrupt" << "";
    QTest::newRow("bad: more after the object") << "{\"matches\":[" + five + "]}{}" << 0 << 0
                                                << "statistics.json.corrupt" << "";
    QTest::newRow("bad: no matches array") << QByteArray(R"({"matches":{}})") << 0 << 0 << "statistics.json.corrupt" << "";
    QTest::newRow("bad: a FIFO") << QByteArray("<fifo>") << 0 << 0 << "" << "";
}

void TestStatisticsImport::oldFileImported()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, imported);
    QFETCH(int, invalid);
    QFETCH(QString, renamedTo);
    QFETCH(QString, stored);

    const QString folder = m_home->filePath("HitBlow");
    const QString json = folder + "/statistics.json";
    QVERIFY(QDir().mkpath(folder));
    if (contents == "<fifo>") {
        QCOMPARE(mkfifo(QFile::encodeName(json).constData(), 0600), 0);
    } else {
        QFile file(json);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    StatisticsImport::Report report;
    for (int start = 1; start <= 2; ++start) {
        // Imported at the first start only; the next finds nothing to import.
        StatisticsKeeper keeper(folder + "/statistics.sqlite");
        m_matches->play("turn right", keeper, 1);
        keeper.waitForWrites();
        report = keeper.takeImportReport();
        if (start == 1) {
            QCOMPARE(report.imported, imported);
            QCOMPARE(report.invalid, invalid);
            QCOMPARE(QFileInfo(report.keptAs).fileName(), renamedTo);
        }
    }
    QCOMPARE(int(report.outcome), int(contents == "<fifo>" ? StatisticsImport::Outcome::Refused
                                                            : StatisticsImport::Outcome::NoFile));
    // The old file's matches first, then the two played.
    QCOMPARE(ScriptedMatches::storedRows(folder + "/statistics.sqlite"),
             (stored.isEmpty() ? QString() : stored + " ") + "won:1:0:1 won:1:0:1");
    if (renamedTo.isEmpty()) {
        QCOMPARE(ScriptedMatches::kindOf(json), QStringLiteral("fifo"));
    } else {
        QVERIFY(!QFileInfo::exists(json));
        QCOMPARE(ScriptedMatches::contentsOf(folder + "/" + renamedTo), contents);
    }
}

void TestStatisticsImport::failedImportLeavesTheFile()
{
    const QString disk = m_home->filePath("disk");
    QVERIFY(QDir().mkpath(disk));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=320k", "tmpfs", disk}) != 0)
        QSKIP("A full disk needs a small tmpfs, and mounting one needs root (or CAP_SYS_ADMIN).");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {disk}); });
    const QString path = disk + "/HitBlow/statistics.sqlite";
    const QString json = disk + "/HitBlow/statistics.json";

    // A game holds the database open, so that its journal files are in place before the disk fills.
    StatisticsKeeper running(path);
    m_matches->play("turn right", running, 1);
    running.waitForWrites();
    QByteArray contents = "{\"matches\":[";
    for (int i = 0; i < 1200; ++i) {
        contents += QByteArray(i ? "," : "")
            + R"({"finished":"2026-01-02T03:04:05Z","strength":2,"result":"lost","guesses":9,"hinted":false})";
    }
    contents += "]}";
    {
        QFile file(json);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(contents), contents.size());
        QFile filler(disk + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
        }
    }
    {
        // The matches go into the page cache, the file is renamed, and the commit finds no room.
        StatisticsKeeper starting(path);
        starting.waitForWrites();
        starting.askAndWait<int>([](StatisticsStore &store) { return store.matchCount(); });
        QCOMPARE(int(starting.takeImportReport().outcome), int(StatisticsImport::Outcome::Failed));
    }
    QCOMPARE(ScriptedMatches::contentsOf(json), contents);
    QVERIFY(!QFileInfo::exists(json + ".imported"));
    QVERIFY(QFile::remove(disk + "/filler"));
    {
        StatisticsKeeper later(path);
        later.waitForWrites();
        QCOMPARE(later.askAndWait<int>([](StatisticsStore &store) { return store.matchCount(); }), 1201);
    }
    QVERIFY(QFileInfo::exists(json + ".imported"));
}

void TestStatisticsImport::exportWritesTheOldForm()
{
    const QString folder = m_home->filePath("HitBlow");
    StatisticsKeeper keeper(folder + "/statistics.sqlite");
    m_matches->play("turn hint right turn4 wrong draw16 turn wrong abandon", keeper, 3);
    QStringList errors;
    const QStringList targets = {m_home->filePath("export.json"), folder};
    for (const QString &target : targets)
        keeper.exportTo(target, this, [&](const QString &error) { errors << error; });
    QTRY_COMPARE(errors.size(), 2);
    // The exported file reads back as the statistics file it replaces, every match as played.
    QCOMPARE(errors[0], QString());
    StatisticsFile exported(targets[0]);
    const MatchStatistics statistics = exported.load();
    QCOMPARE(exported.keptAsidePath(), QString());
    QStringList rows;
    for (const MatchRecord &match : statistics.matches()) {
        rows << QStringLiteral("%1:%2:%3:%4").arg(StatisticsFile::resultName(match.result)).arg(match.guesses)
                    .arg(int(match.hinted)).arg(match.strength);
        QVERIFY(qAbs(match.finished.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    }
    QCOMPARE(rows.join(' '), "won:1:1:3 lost:1:0:3 draw:16:0:3 abandoned:1:0:3");
    // A folder in the way is reported, and left alone.
    QVERIFY(!errors[1].isEmpty());
    QVERIFY(QFileInfo(folder).isDir());
}

void TestStatisticsImport::exportWholeOrNothing_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("databaseGone"); // replaced by a folder once the game has opened it
    QTest::addColumn<QByteArray>("exported"); // empty: the file there before stays as it was

    QTest::newRow("none") << 0 << false << QByteArray("{\n    \"matches\": [\n    ]\n}\n");
    QTest::newRow("two, with turns")
        << 2 << false
        << QByteArray("{\n    \"matches\": [\n"
                      R"(        {"finished":"2026-01-02T03:04:05Z","strength":2,"result":"won","guesses":2,"hinted":true,)"
                      R"("turns":[{"guess":"0123","hits":0,"blows":1},{"guess":"9876","hits":4,"blows":0}]},)"
                      "\n"
                      R"(        {"finished":"2026-01-02T03:09:05Z","strength":0,"result":"abandoned","guesses":0,"hinted":false})"
                      "\n    ]\n}\n");
    QTest::newRow("database gone") << 2 << true << QByteArray();
}

void TestStatisticsImport::exportWholeOrNothing()
{
    QFETCH(int, stored);
    QFETCH(bool, databaseGone);
    QFETCH(QByteArray, exported);

    const QString path = m_home->filePath("HitBlow/statistics.sqlite");
    const QDateTime finished(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    const std::vector<MatchRecord> matches = {
        {finished, 2, MatchOutcome::Won, 2, true, {},
         OwnRecords::fromJsonText(R"([{"guess":"0123","hits":0,"blows":1},{"guess":"9876","hits":4,"blows":0}])"),
         {1}, {}, {}},
        {finished.addSecs(300), 0, MatchOutcome::Abandoned, 0, false, {}, {}, {}, {}, {}},
    };
    QVERIFY(StatisticsStore(path).append({matches.begin(), matches.begin() + stored}));
    const QString target = m_home->filePath("export.json");
    QFile before(target);
    QVERIFY(before.open(QIODevice::WriteOnly));
    QCOMPARE(before.write("before"), 6);
    before.close();

    StatisticsKeeper keeper(path);
    QCOMPARE(keeper.askAndWait<int>([](StatisticsStore &store) { return store.matchCount(); }), stored);
    if (databaseGone) {
        for (const QString suffix : {"", "-wal", "-shm"})
            QFile::remove(path + suffix);
        QVERIFY(QDir().mkpath(path));
    }
    QString error = "<no answer>";
    keeper.exportTo(target, this, [&](const QString &why) { error = why; });
    QTRY_VERIFY(error != "<no answer>");
    QCOMPARE(ScriptedMatches::contentsOf(target), exported.isEmpty() ? QByteArray("before") : exported);
    QCOMPARE(error.contains("not a statistics database"), exported.isEmpty());
}

void TestStatisticsImport::gamesSharingTheFolder_data()
{
    // Steps separated by ';' follow each other; the games of one step, "count@strength" joined
    // by '|', run at the same time. Each game records at a strength of its own.
    QTest::addColumn<QString>("plan");

    QTest::newRow("two games at once") << "60@0|60@2";
    QTest::newRow("taking turns") << "2@0;2@2;1@0";
    QTest::newRow("at once, then one more") << "40@1|40@3;3@1";
}

void TestStatisticsImport::gamesSharingTheFolder()
{
    QFETCH(QString, plan);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", m_home->path());
    std::map<int, int> recorded;
    for (const QString &step : plan.split(';')) {
        std::vector<std::unique_ptr<QProcess>> games;
        for (const QString &game : step.split('|')) {
            const QStringList countAndStrength = game.split('@');
            recorded[countAndStrength[1].toInt()] += countAndStrength[0].toInt();
            games.push_back(std::make_unique<QProcess>());
            games.back()->setProcessEnvironment(environment);
            games.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            games.back()->start(STATISTICS_RECORDER, countAndStrength);
        }
        for (const auto &game : games) {
            QVERIFY(game->waitForFinished(30000));
            QCOMPARE(game->exitStatus(), QProcess::NormalExit);
            QCOMPARE(game->exitCode(), 0);
        }
    }
    // Every match of every game is kept, at its own strength.
    const QStringList rows = ScriptedMatches::storedRows(m_home->filePath("HitBlow/statistics.sqlite")).split(' ');
    std::map<int, int> stored;
    for (const QString &row : rows)
        ++stored[row.section(':', 3).toInt()];
    QCOMPARE(stored, recorded);
}

QTEST_MAIN(TestStatisticsImport)
#include "tst_statisticsimport.moc"
