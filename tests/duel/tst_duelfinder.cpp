// SPDX-License-Identifier: GPL-3.0-or-later
#include "duel/DuelBeacon.h"
#include "duel/DuelFinder.h"

#include <QTest>
#include <QUdpSocket>

// Hosts announced by UDP and found by joiners, on the loopback only: a beacon is found within 2 s
// and forgotten once silent, and datagrams that are no announcement are ignored.
class TestDuelFinder : public QObject
{
    Q_OBJECT

private slots:
    void beaconIsFoundAndForgotten();
    void onlyAnnouncementsAreListed_data();
    void onlyAnnouncementsAreListed();
};

void TestDuelFinder::beaconIsFoundAndForgotten()
{
    DuelFinder finder;
    QVERIFY2(finder.listen(QHostAddress::LocalHost, 0), qPrintable(finder.errorString()));
    finder.setForgetAfter(1000);
    DuelBeacon beacon(QStringLiteral("Ann\tMarie"), 40123);
    beacon.setDestination(QHostAddress::LocalHost, finder.port());
    beacon.start();
    QTRY_COMPARE_WITH_TIMEOUT(finder.games().size(), std::size_t(1), 2000);
    const DuelFinder::Game found = finder.games().front();
    QCOMPARE(found.name, QStringLiteral("AnnMarie"));
    QCOMPARE(found.address, QHostAddress(QHostAddress::LocalHost));
    QCOMPARE(found.port, quint16(40123));

    // Heard again and again, the game stays listed once for longer than it would be kept unheard.
    QTest::qWait(1500);
    QCOMPARE(finder.games().size(), std::size_t(1));
    beacon.stop();
    QTRY_VERIFY_WITH_TIMEOUT(finder.games().empty(), 2000);
}

void TestDuelFinder::onlyAnnouncementsAreListed_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("listedName"); // empty: ignored
    const QByteArray good = R"({"duel":"hitblow","version":1,"name":"Bo","port":4000})";
    QTest::newRow("an announcement") << good << "Bo";
    QTest::newRow("the same, padded past the limit") << QByteArray(good).insert(1, QByteArray(500, ' ')) << "";
    QTest::newRow("not JSON") << QByteArray("hitblow Bo 4000") << "";
    QTest::newRow("binary") << QByteArray("\x00\xff\x7b\x7d", 4) << "";
    QTest::newRow("another game") << QByteArray(R"({"duel":"chess","version":1,"name":"Bo","port":4000})") << "";
    QTest::newRow("another version") << QByteArray(R"({"duel":"hitblow","version":2,"name":"Bo","port":4000})") << "";
    QTest::newRow("port 0") << QByteArray(R"({"duel":"hitblow","version":1,"name":"Bo","port":0})") << "";
    QTest::newRow("port too high") << QByteArray(R"({"duel":"hitblow","version":1,"name":"Bo","port":65536})") << "";
    QTest::newRow("port not whole") << QByteArray(R"({"duel":"hitblow","version":1,"name":"Bo","port":4000.5})") << "";
    QTest::newRow("port as text") << QByteArray(R"({"duel":"hitblow","version":1,"name":"Bo","port":"4000"})") << "";
    QTest::newRow("name with a control") << QByteArray("{\"duel\":\"hitblow\",\"version\":1,\"name\":\"B\\u0007o\",\"port\":4000}") << "";
    QTest::newRow("name too long") << QByteArray(R"({"duel":"hitblow","version":1,"name":")" + QByteArray(33, 'x') + R"(","port":4000})") << "";
    QTest::newRow("blank name") << QByteArray(R"({"duel":"hitblow","version":1,"name":" ","port":4000})") << "";
    QTest::newRow("name missing") << QByteArray(R"({"duel":"hitblow","version":1,"port":4000})") << "";
    QTest::newRow("extra member") << QByteArray(R"({"duel":"hitblow","version":1,"name":"Bo","port":4000,"x":1})") << "";
}

// Each datagram is followed by a good announcement from another port: once that is listed, the
// datagram before it has been read too.
void TestDuelFinder::onlyAnnouncementsAreListed()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, listedName);
    DuelFinder finder;
    QVERIFY(finder.listen(QHostAddress::LocalHost, 0));
    QUdpSocket sender;
    QCOMPARE(sender.writeDatagram(datagram, QHostAddress::LocalHost, finder.port()), datagram.size());
    QVERIFY(sender.writeDatagram(R"({"duel":"hitblow","version":1,"name":"Last","port":4001})", QHostAddress::LocalHost,
                                 finder.port())
            > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!finder.games().empty() && finder.games().back().name == "Last", 2000);
    QStringList names;
    for (const DuelFinder::Game &game : finder.games())
        names << game.name;
    QCOMPARE(names, (listedName.isEmpty() ? QStringList{"Last"} : QStringList{listedName, "Last"}));
}

QTEST_GUILESS_MAIN(TestDuelFinder)
#include "tst_duelfinder.moc"
