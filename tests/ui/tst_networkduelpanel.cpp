// SPDX-License-Identifier: GPL-3.0-or-later
#include "duel/NetworkDuel.h"
#include "rules/NumberText.h"
#include "ui/NetworkDuelDialog.h"
#include "ui/NetworkDuelPanel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

#include <memory>

namespace {
constexpr int kWaitMs = 20000;

// Listening and announcing on the loopback only.
NetworkDuelPanel::Network loopback(quint16 beaconPort = 9)
{
    return {QHostAddress(QHostAddress::LocalHost), QHostAddress(QHostAddress::LocalHost), beaconPort,
            QHostAddress(QHostAddress::LocalHost), 0};
}

std::unique_ptr<NetworkDuelPanel> loopbackPanel(const QString &name, quint16 beaconPort = 9)
{
    auto panel = std::make_unique<NetworkDuelPanel>(loopback(beaconPort));
    panel->setPlayerName(name);
    panel->show();
    return panel;
}

bool enabledToJoin(const NetworkDuelPanel &panel)
{
    return panel.joinButton()->isEnabled() && panel.addressField()->isEnabled() && panel.gameList()->isEnabled();
}

// How the joiner picks the host.
enum class Pick { FoundGameByKeys, TypedAddress };
} // namespace

Q_DECLARE_METATYPE(Pick)

// Two panels in one process, a host and a joiner in its dialog, meet on the loopback by keys
// alone; what goes wrong on the joiner's side is said in its status line and leaves it ready to
// try again.
class TestNetworkDuelPanel : public QObject
{
    Q_OBJECT

private slots:
    void hostAndJoinerMeet_data();
    void hostAndJoinerMeet();
    void joinFailuresAreSaid_data();
    void joinFailuresAreSaid();
};

void TestNetworkDuelPanel::hostAndJoinerMeet_data()
{
    QTest::addColumn<Pick>("pick");
    QTest::newRow("a game found") << Pick::FoundGameByKeys;
    QTest::newRow("an address typed") << Pick::TypedAddress;
}

void TestNetworkDuelPanel::hostAndJoinerMeet()
{
    QFETCH(Pick, pick);
    NetworkDuelDialog dialog("Bo", loopback());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    NetworkDuelPanel *joiner = dialog.panel();
    const std::unique_ptr<NetworkDuelPanel> host = loopbackPanel("Ann", joiner->finderPort());
    std::unique_ptr<NetworkDuel> hosted;
    connect(host.get(), &NetworkDuelPanel::duelReady, this, [&](NetworkDuel *duel) { hosted.reset(duel); });

    QTest::keyClicks(host->secretField(), "1234");
    host->hostButton()->setFocus();
    QTest::keyClick(host->hostButton(), Qt::Key_Space);
    const QString waiting = host->statusLabel()->text();
    const QString port = waiting.section(u'\n', 0, 0).section(u' ', -1);
    QVERIFY2(port.toUInt() > 0 && waiting.contains("127.0.0.1:" + port), qPrintable(waiting));
    QVERIFY(!host->secretField()->isEnabled());

    if (pick == Pick::FoundGameByKeys) {
        QTRY_VERIFY_WITH_TIMEOUT(joiner->gameList()->count() == 1 && joiner->gameList()->item(0)->flags() != Qt::NoItemFlags,
                                 2000);
        QCOMPARE(joiner->gameList()->item(0)->text(), "Ann at 127.0.0.1:" + port);
        joiner->gameList()->setFocus();
        QTest::keyClick(joiner->gameList(), Qt::Key_Down);
        QTest::keyClick(joiner->gameList(), Qt::Key_Return);
    } else {
        QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
        QVERIFY(joiner->addressField()->hasFocus());
        QTest::keyClicks(joiner->addressField(), "127.0.0.1:" + port);
        QTest::keyClick(joiner->addressField(), Qt::Key_Return);
    }
    QVERIFY(!enabledToJoin(*joiner));
    QTRY_VERIFY_WITH_TIMEOUT(hosted && !dialog.isVisible(), kWaitMs);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const std::unique_ptr<NetworkDuel> joined = dialog.takeDuel();
    QVERIFY(joined);
    const int ann = hosted->isLocal(0) ? 0 : 1;
    QVERIFY(joined->isLocal(1 - ann) && !joined->isLocal(ann));
    QCOMPARE(hosted->playerName(1 - ann), QStringLiteral("Bo"));
    QCOMPARE(joined->playerName(ann), QStringLiteral("Ann"));
    QVERIFY(hosted->secretOf(ann) == NumberText::parse(u"1234"));
    QVERIFY(joined->secretOf(1 - ann).has_value());
    QVERIFY(hosted->playerToGuess() == 0 && joined->playerToGuess() == 0);
    QVERIFY(enabledToJoin(*host) && enabledToJoin(*joiner));

    // Once the duel began, nobody else is waited for: the game is no longer announced.
    QTRY_VERIFY_WITH_TIMEOUT(joiner->gameList()->item(0)->flags() == Qt::NoItemFlags, 5000);
}

void TestNetworkDuelPanel::joinFailuresAreSaid_data()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QString closedPort = QString::number(closed.serverPort());
    closed.close();
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("secretFocused"); // or the address field
    QTest::newRow("nothing chosen") << "" << "" << "Choose a game found on the network" << false;
    QTest::newRow("no port") << "" << "127.0.0.1" << "Type the host's address and port" << false;
    QTest::newRow("port too high") << "" << "127.0.0.1:65536" << "Type the host's address and port" << false;
    QTest::newRow("a space in the host") << "" << "a b:4000" << "Type the host's address and port" << false;
    QTest::newRow("repeated digit") << "1123" << "127.0.0.1:" + closedPort << "four different digits" << true;
    QTest::newRow("too few digits") << "12" << "127.0.0.1:" + closedPort << "four different digits" << true;
    QTest::newRow("nobody listening") << "" << "127.0.0.1:" + closedPort << "The duel could not begin: Connection refused"
                                      << false;
}

void TestNetworkDuelPanel::joinFailuresAreSaid()
{
    QFETCH(QString, secret);
    QFETCH(QString, address);
    QFETCH(QString, said);
    QFETCH(bool, secretFocused);
    const std::unique_ptr<NetworkDuelPanel> joiner = loopbackPanel("Bo");
    QVERIFY(QTest::qWaitForWindowActive(joiner.get()));
    int ready = 0;
    connect(joiner.get(), &NetworkDuelPanel::duelReady, this, [&ready] { ++ready; });
    QTest::keyClicks(joiner->secretField(), secret);
    QTest::keyClicks(joiner->addressField(), address);
    joiner->addressField()->setFocus();
    QTest::keyClick(joiner->addressField(), Qt::Key_Return);
    QTRY_VERIFY2_WITH_TIMEOUT(joiner->statusLabel()->text().contains(said), qPrintable(joiner->statusLabel()->text()),
                              kWaitMs);
    QTRY_VERIFY(enabledToJoin(*joiner));
    QCOMPARE(ready, 0);
    QCOMPARE(QApplication::focusWidget(), secretFocused ? joiner->secretField() : joiner->addressField());
}

QTEST_MAIN(TestNetworkDuelPanel)
#include "tst_networkduelpanel.moc"
