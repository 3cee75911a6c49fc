// SPDX-License-Identifier: GPL-3.0-or-later
#include "match/MatchStatistics.h"
#include "oldfiles/StatisticsFile.h"
#include "statistics/StatisticsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

// The statistics' arithmetic over a history of matches, and the statistics file's faults.
class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void figuresOfOneLevel_data();
    void figuresOfOneLevel();
    void figuresOfAllStrengths_data();
    void figuresOfAllStrengths();
    void fileFaultsKeepTheFileAside_data();
    void fileFaultsKeepTheFileAside();
};

namespace {
// A history written as tokens of strength, result letter (W, L, D, A) and guesses: "1W5 2A0".
MatchStatistics history(const QString &tokens)
{
    const QHash<QChar, MatchOutcome> results = {{'W', MatchOutcome::Won}, {'L', MatchOutcome::Lost},
                                                {'D', MatchOutcome::Draw}, {'A', MatchOutcome::Abandoned}};
    MatchStatistics statistics;
    QDateTime finished(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);
    for (const QString &token : tokens.split(' ', Qt::SkipEmptyParts)) {
        statistics.append(MatchRecord{finished, token.left(1).toInt(), results.value(token.at(1)),
                                      token.mid(2).toInt(), false, {}, {}});
        finished = finished.addSecs(60);
    }
    return statistics;
}

// The counts decided at each number of guesses, as "guesses:won/lost/drawn" joined by spaces.
QString decidedAtText(const LevelSummary &summary)
{
    QStringList parts;
    for (const auto &[guesses, counts] : summary.decidedAt)
        parts << QStringLiteral("%1:%2/%3/%4").arg(guesses).arg(counts[0]).arg(counts[1]).arg(counts[2]);
    return parts.join(' ');
}

QString optionalText(const std::optional<double> &value)
{
    return value ? QString::number(*value, 'f', 3) : QStringLiteral("-");
}
} // namespace

void TestStatistics::figuresOfOneLevel_data()
{
    QTest::addColumn<QString>("matches");
    QTest::addColumn<QList<int>>("wonLostDrawnAbandoned");
    QTest::addColumn<QString>("winRate");
    QTest::addColumn<QString>("averageInWins");
    QTest::addColumn<int>("fewestInWins"); // 0: none
    QTest::addColumn<QList<int>>("currentAndBestStreak");
    QTest::addColumn<QString>("decidedAt");

    QTest::newRow("no matches") << "" << QList<int>{0, 0, 0, 0} << "-" << "-" << 0 << QList<int>{0, 0} << "";
    QTest::newRow("one win") << "1W5" << QList<int>{1, 0, 0, 0} << "1.000" << "5.000" << 5 << QList<int>{1, 1}
                             << "5:1/0/0";
    QTest::newRow("a loss ends a streak, a new one starts")
        << "1W5 1W3 1L8 1W6" << QList<int>{3, 1, 0, 0} << "0.750" << "4.667" << 3 << QList<int>{1, 2}
        << "3:1/0/0 5:1/0/0 6:1/0/0 8:0/1/0";
    QTest::newRow("an abandoned match ends a streak and counts against the rate")
        << "1W4 1W4 1A2" << QList<int>{2, 0, 0, 1} << "0.667" << "4.000" << 4 << QList<int>{0, 2} << "4:2/0/0";
    QTest::newRow("a draw ends a streak") << "1W4 1D16 1L16" << QList<int>{1, 1, 1, 0} << "0.333" << "4.000" << 4
                                          << QList<int>{0, 1} << "4:1/0/0 16:0/1/1";
    QTest::newRow("other levels do not count")
        << "0W2 1L5 2W3 3W1 1W9 2L4" << QList<int>{1, 1, 0, 0} << "0.500" << "9.000" << 9 << QList<int>{1, 1}
        << "5:0/1/0 9:1/0/0";
    QTest::newRow("no wins") << "1L6 1A0 1D16" << QList<int>{0, 1, 1, 1} << "0.000" << "-" << 0
                             << QList<int>{0, 0} << "6:0/1/0 16:0/0/1";
}

void TestStatistics::figuresOfOneLevel()
{
    QFETCH(QString, matches);
    QFETCH(QList<int>, wonLostDrawnAbandoned);
    QFETCH(QString, winRate);
    QFETCH(QString, averageInWins);
    QFETCH(int, fewestInWins);
    QFETCH(QList<int>, currentAndBestStreak);
    QFETCH(QString, decidedAt);

    const MatchStatistics statistics = history(matches);
    // The database, which works the figures out from its own rows, gives the same.
    StatisticsStore store({});
    QVERIFY(store.append(statistics.matches()));
    for (const LevelSummary &summary : {statistics.summaryFor(1), store.summaryFor(1)}) {
        QCOMPARE((QList<int>{summary.won, summary.lost, summary.drawn, summary.abandoned}), wonLostDrawnAbandoned);
        QCOMPARE(optionalText(summary.winRate), winRate);
        QCOMPARE(optionalText(summary.averageGuessesInWins), averageInWins);
        QCOMPARE(summary.fewestGuessesInWins.value_or(0), fewestInWins);
        QCOMPARE((QList<int>{summary.currentStreak, summary.bestStreak}), currentAndBestStreak);
        QCOMPARE(decidedAtText(summary), decidedAt);
    }

    // The latest matches come newest first, at most as many as asked for.
    const std::vector<MatchRecord> latest = statistics.latest(2);
    QCOMPARE(latest.size(), std::min<std::size_t>(2, statistics.matches().size()));
    for (std::size_t i = 0; i < latest.size(); ++i)
        QCOMPARE(latest[i].finished, statistics.matches()[statistics.matches().size() - 1 - i].finished);
    const std::vector<MatchRecord> stored = store.latest(2);
    QCOMPARE(stored.size(), latest.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        QCOMPARE(stored[i].finished, latest[i].finished);
        QCOMPARE((QList<int>{stored[i].strength, int(stored[i].result), stored[i].guesses}),
                 (QList<int>{latest[i].strength, int(latest[i].result), latest[i].guesses}));
    }
}

void TestStatistics::figuresOfAllStrengths_data()
{
    QTest::addColumn<QString>("matches");
    QTest::addColumn<QList<int>>("wonLostDrawnAbandoned");
    QTest::addColumn<QList<int>>("currentAndBestStreak");
    QTest::addColumn<QString>("decidedAt");
    QTest::newRow("every level counts") << "0W2 1L5 2W3 3W1 1W9 2L4" << QList<int>{4, 2, 0, 0} << QList<int>{0, 3}
                                        << "1:1/0/0 2:1/0/0 3:1/0/0 4:0/1/0 5:0/1/0 9:1/0/0";
    QTest::newRow("streaks run across levels") << "0W2 3W6 1W4 2A0" << QList<int>{3, 0, 0, 1} << QList<int>{0, 3}
                                               << "2:1/0/0 4:1/0/0 6:1/0/0";
}

void TestStatistics::figuresOfAllStrengths()
{
    QFETCH(QString, matches);
    QFETCH(QList<int>, wonLostDrawnAbandoned);
    QFETCH(QList<int>, currentAndBestStreak);
    QFETCH(QString, decidedAt);
    const MatchStatistics statistics = history(matches);
    StatisticsStore store({});
    QVERIFY(store.append(statistics.matches()));
    for (const LevelSummary &summary :
         {statistics.summaryFor(MatchStatistics::kAllStrengths), store.summaryFor(MatchStatistics::kAllStrengths)}) {
        QCOMPARE((QList<int>{summary.won, summary.lost, summary.drawn, summary.abandoned}), wonLostDrawnAbandoned);
        QCOMPARE((QList<int>{summary.currentStreak, summary.bestStreak}), currentAndBestStreak);
        QCOMPARE(decidedAtText(summary), decidedAt);
    }
}

void TestStatistics::fileFaultsKeepTheFileAside_data()
{
    QTest::addColumn<QByteArray>("contents"); // "<none>": no file; "<folder>": a folder in its place
    QTest::addColumn<int>("corruptFilesBefore");
    QTest::addColumn<QString>("keptAs");
    QTest::addColumn<int>("loaded");

    const QByteArray valid = R"({"matches":[{"finished":"2026-01-02T03:04:05Z","strength":2,"result":"won",)"
                             R"("guesses":6,"hinted":true,"mood":"glad"}],"version":7})";
    QTest::newRow("no file") << QByteArray("<none>") << 0 << "" << 0;
    QTest::newRow("valid, with fields of a newer version") << valid << 0 << "" << 1;
    QTest::newRow("empty") << QByteArray() << 0 << "statistics.json.corrupt" << 0;
    QTest::newRow("truncated") << valid.left(valid.size() / 2) << 0 << "statistics.json.corrupt" << 0;
    QTest::newRow("not JSON") << QByteArray("\x00\xff garbage", 10) << 0 << "statistics.json.corrupt" << 0;
    QTest::newRow("no matches array") << QByteArray(R"({"matches":{}})") << 0 << "statistics.json.corrupt" << 0;
    QTest::newRow("an unknown result") << QByteArray(valid).replace("\"won\"", "\"forfeit\"") << 0
                                       << "statistics.json.corrupt" << 0;
    QTest::newRow("a strength out of range") << QByteArray(valid).replace("\"strength\":2", "\"strength\":7") << 0
                                             << "statistics.json.corrupt" << 0;
    QTest::newRow("a bad date") << QByteArray(valid).replace("2026-01-02", "yesterday") << 0
                                << "statistics.json.corrupt" << 0;
    // Written back it would have needed a five-digit year, which the next read rejects.
    QTest::newRow("a time past the year 9999 in UTC")
        << QByteArray(valid).replace("2026-01-02T03:04:05Z", "9999-12-31T23:30:00-01:00") << 0
        << "statistics.json.corrupt" << 0;
    QTest::newRow("earlier corrupt files stay") << QByteArray("{") << 2 << "statistics.json.3.corrupt" << 0;
    QTest::newRow("a folder in the way") << QByteArray("<folder>") << 0 << "statistics.json.corrupt" << 0;
}

void TestStatistics::fileFaultsKeepTheFileAside()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, corruptFilesBefore);
    QFETCH(QString, keptAs);
    QFETCH(int, loaded);

    QTemporaryDir home;
    const QString folder = home.filePath("HitBlow");
    const QString path = folder + "/statistics.json";
    QVERIFY(QDir().mkpath(folder));
    if (contents == "<folder>") {
        QVERIFY(QDir().mkpath(path));
    } else if (contents != "<none>") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QStringList earlier = {path + ".corrupt"};
    for (int number = 2; number <= corruptFilesBefore; ++number)
        earlier << path + QStringLiteral(".%1.corrupt").arg(number);
    earlier = earlier.mid(0, corruptFilesBefore);
    for (const QString &name : earlier) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8());
    }

    StatisticsFile statisticsFile(path);
    MatchStatistics statistics = statisticsFile.load();
    QCOMPARE(int(statistics.matches().size()), loaded);
    QCOMPARE(QFileInfo(statisticsFile.keptAsidePath()).fileName(), keptAs);
    if (!keptAs.isEmpty()) {
        QVERIFY(!QFileInfo::exists(path));
        if (contents != "<folder>") {
            QFile aside(statisticsFile.keptAsidePath());
            QVERIFY(aside.open(QIODevice::ReadOnly));
            QCOMPARE(aside.readAll(), contents);
        }
    }
    for (const QString &name : earlier) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), name.toUtf8());
    }

    // The next match is written into a fresh file, keeping what a newer version wrote.
    statistics.append(MatchRecord{QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6), Qt::UTC), 0, MatchOutcome::Abandoned,
                                  3, false, {}, {}});
    QVERIFY2(statisticsFile.save(statistics), qPrintable(statisticsFile.errorString()));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QJsonObject object = QJsonDocument::fromJson(written.readAll()).object();
    const QJsonArray matches = object.value("matches").toArray();
    QCOMPARE(matches.size(), loaded + 1);
    const QJsonObject last = matches.last().toObject();
    QCOMPARE(last.value("finished").toString(), "2026-02-03T04:05:06Z");
    QCOMPARE(last.value("result").toString(), "abandoned");
    QCOMPARE(last.value("guesses").toInt(), 3);
    QCOMPARE(last.value("hinted").toBool(true), false);
    if (loaded > 0) {
        QCOMPARE(object.value("version").toInt(), 7);
        QCOMPARE(matches.first().toObject().value("mood").toString(), "glad");
        QCOMPARE(matches.first().toObject().value("strength").toInt(), 2);
        QCOMPARE(matches.first().toObject().value("hinted").toBool(), true);
    }
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
