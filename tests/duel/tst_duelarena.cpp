// SPDX-License-Identifier: GPL-3.0-or-later
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>
#include <QtEndian>

namespace {
constexpr int kWaitMs = 20000;

// Starts hitblow-arena as a duel's host on a free loopback port; the port, or 0.
quint16 startHost(QProcess &host, const QStringList &arguments)
{
    host.start(QStringLiteral(HITBLOW_ARENA), QStringList{"--duel-host", "0"} + arguments);
    if (!host.waitForStarted() || !host.waitForReadyRead(kWaitMs))
        return 0;
    const QString line = QString::fromLatin1(host.readLine()).trimmed();
    return line.startsWith("listening ") ? quint16(line.mid(10).toUInt()) : 0;
}

// What a bad peer got back: the reason of the error message the host answered with, if any, and
// whether the host then closed the connection.
struct Answer {
    QString errorReason;
    bool closed = false;
};

Answer collectAnswer(QTcpSocket &socket)
{
    QByteArray bytes;
    QElapsedTimer timer;
    timer.start();
    while (socket.state() != QAbstractSocket::UnconnectedState && timer.elapsed() < kWaitMs) {
        socket.waitForReadyRead(100);
        bytes += socket.readAll();
    }
    bytes += socket.readAll();
    Answer answer;
    answer.closed = socket.state() == QAbstractSocket::UnconnectedState;
    if (bytes.size() >= 4 && bytes.size() == 4 + qsizetype(qFromBigEndian<quint32>(bytes.constData()))) {
        const QJsonObject message = QJsonDocument::fromJson(bytes.mid(4)).object();
        if (message.value("type") == QLatin1String("error"))
            answer.errorReason = message.value("reason").toString();
    }
    return answer;
}

bool connectTo(QTcpSocket &socket, quint16 port)
{
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(kWaitMs);
}

QString lastLine(QProcess &process)
{
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.back();
}
} // namespace

// Two hitblow-arena processes play a duel on the loopback; before it, a peer that says nothing, one
// that sends random bytes, one that announces a huge message and one that trickles its hello are
// each answered and closed, and the host still plays the joiner that comes after them.
class TestDuelArena : public QObject
{
    Q_OBJECT

private slots:
    void duelsOnTheLoopback_data();
    void duelsOnTheLoopback();
};

void TestDuelArena::duelsOnTheLoopback_data()
{
    QTest::addColumn<bool>("badPeersFirst");
    QTest::addColumn<QString>("hostLie");
    QTest::addColumn<QString>("joinerLie");
    QTest::newRow("honest after bad peers") << true << QString() << QString();
    QTest::newRow("lying joiner") << false << QString() << QStringLiteral("--lie");
    QTest::newRow("lying host") << false << QStringLiteral("--lie") << QString();
}

void TestDuelArena::duelsOnTheLoopback()
{
    QFETCH(bool, badPeersFirst);
    QFETCH(QString, hostLie);
    QFETCH(QString, joinerLie);
    QProcess host;
    const quint16 port = startHost(host, QStringList{"--secret", "1234", "--timeout", "2"} + QStringList(hostLie).filter("-"));
    QVERIFY2(port != 0, host.readAllStandardError().constData());

    if (badPeersFirst) {
        QTcpSocket silent;
        QVERIFY(connectTo(silent, port));
        QTcpSocket random;
        QVERIFY(connectTo(random, port));
        QByteArray noise(300, Qt::Uninitialized);
        QRandomGenerator generator(32);
        for (char &byte : noise)
            byte = char(generator.bounded(256));
        random.write(noise);
        QTcpSocket huge;
        QVERIFY(connectTo(huge, port));
        huge.write(QByteArray("\x7f\xff\xff\xff{\"type\":\"hello\"", 19));

        const Answer toRandom = collectAnswer(random);
        QVERIFY2(toRandom.closed && !toRandom.errorReason.isEmpty(), qPrintable(toRandom.errorReason));
        const Answer toHuge = collectAnswer(huge);
        QVERIFY(toHuge.closed);
        QCOMPARE(toHuge.errorReason, QStringLiteral("a message of 2147483647 bytes (at most 4096)"));
        const Answer toSilent = collectAnswer(silent);
        QVERIFY(toSilent.closed);
        QCOMPARE(toSilent.errorReason, QStringLiteral("no message for 2 s"));

        // A hello a byte at a time, slower than the host waits for a whole message.
        QTcpSocket trickling;
        QVERIFY(connectTo(trickling, port));
        const QByteArray hello = "{\"type\":\"hello\",\"version\":1,\"rules\":\"digits=4;guesses=16\",\"name\":\"slow\"}";
        const QByteArray frame = QByteArray(3, '\0') + char(hello.size()) + hello;
        for (qsizetype at = 0; at < frame.size() && trickling.state() == QAbstractSocket::ConnectedState; ++at) {
            trickling.write(frame.mid(at, 1));
            QTest::qWait(300);
        }
        const Answer toTrickling = collectAnswer(trickling);
        QVERIFY(toTrickling.closed);
        QCOMPARE(toTrickling.errorReason, QStringLiteral("no message for 2 s"));
        QCOMPARE(host.state(), QProcess::Running);
    }

    // A peer that says nothing while the duel is played holds up nobody.
    QTcpSocket idle;
    if (badPeersFirst)
        QVERIFY(connectTo(idle, port));
    QProcess joiner;
    joiner.start(QStringLiteral(HITBLOW_ARENA), QStringList{"--duel-join", QStringLiteral("127.0.0.1:%1").arg(port),
                                                            "--secret", "5678", "--timeout", "5"}
                                                    + QStringList(joinerLie).filter("-"));
    QVERIFY(joiner.waitForFinished(kWaitMs));
    QVERIFY(host.waitForFinished(kWaitMs));
    const QString hostLine = lastLine(host);
    const QString joinerLine = lastLine(joiner);
    const QString hostErrors = QString::fromLocal8Bit(host.readAllStandardError());
    QCOMPARE(host.exitCode(), 0);
    QCOMPARE(joiner.exitCode(), 0);
    if (badPeersFirst)
        QVERIFY2(hostErrors.count("refused a peer: ") >= 4, qPrintable(hostErrors));

    const QRegularExpression played(QStringLiteral("^result (won|lost|draw) guesses \\d+$"));
    const QString lied = QStringLiteral("the other side lied: the other side's scores were false");
    if (!joinerLie.isEmpty()) {
        QCOMPARE(hostLine, lied);
        QVERIFY2(played.match(joinerLine).hasMatch(), qPrintable(joinerLine));
    } else if (!hostLie.isEmpty()) {
        QCOMPARE(joinerLine, lied);
        QVERIFY2(played.match(hostLine).hasMatch(), qPrintable(hostLine));
    } else {
        const QString hostResult = played.match(hostLine).captured(1);
        const QString joinerResult = played.match(joinerLine).captured(1);
        const QString mirrored = hostResult == "won" ? "lost" : hostResult == "lost" ? "won" : "draw";
        QVERIFY2(!hostResult.isEmpty() && joinerResult == mirrored, qPrintable(hostLine + " / " + joinerLine));
    }
}

QTEST_GUILESS_MAIN(TestDuelArena)
#include "tst_duelarena.moc"
