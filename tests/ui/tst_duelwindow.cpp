// SPDX-License-Identifier: GPL-3.0-or-later
#include "duel/HotSeatDuel.h"
#include "platform/UserDefaults.h"
#include "rules/NumberText.h"
#include "ui/DuelWindow.h"
#include "ui/HotSeatSetup.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTest>

namespace {
NumberSet number(const char *digits)
{
    return *NumberText::parse(QString::fromLatin1(digits));
}

// A duel against someone across the network, as the window meets it: player 1 is not here.
class RemoteDuel : public DuelPlay
{
public:
    QString playerName(int player) const override { return player == 0 ? QStringLiteral("Anna") : QStringLiteral("Ben"); }
    bool isLocal(int player) const override { return player == 0; }
    int playerToGuess() const override { return toGuess; }
    const std::vector<Turn> &turnsOf(int player) const override { return turns[player]; }
    std::optional<NumberSet> secretOf(int player) const override
    {
        return player == 0 ? std::optional(number("1234")) : std::nullopt;
    }
    Result result() const override { return {}; }
    void guess(const NumberSet &guessed) override
    {
        if (toGuess != 0)
            return;
        turns[0].push_back({guessed, {0, 1}});
        toGuess = -1;
        emit turnPlayed(0);
    }
    void leave() override {}

    int toGuess = 0;
    std::vector<Turn> turns[2];
};

void type(QWidget *window, const QString &keys)
{
    for (QChar key : keys) {
        if (key == QLatin1Char('\n'))
            QTest::keyClick(window, Qt::Key_Return);
        else if (key == QLatin1Char('<'))
            QTest::keyClick(window, Qt::Key_Backspace);
        else
            QTest::keyClick(window, key.toLatin1());
    }
}
} // namespace

class DuelWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void setupAsksNamesOnceAndHidesBothNumbers();
    void hotSeatPlaysByKeys_data();
    void hotSeatPlaysByKeys();
    void remotePlayerIsWaitedForWithoutCurtain();
    void escapeGivesUpOnlyWhenConfirmed();
};

void DuelWindowTest::init()
{
    openUserDefaults()->clear();
}

void DuelWindowTest::setupAsksNamesOnceAndHidesBothNumbers()
{
    {
        HotSeatSetup setup;
        setup.show();
        QVERIFY(QTest::qWaitForWindowActive(&setup));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Anna"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ben"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // Anna's number, refused once for a repeated digit; then the curtain, then Ben's.
        type(&setup, QStringLiteral("1123\n<<<<1234\n"));
        QCOMPARE(setup.result(), int(QDialog::Rejected));
        type(&setup, QStringLiteral(" 5678\n"));
        QCOMPARE(setup.result(), int(QDialog::Accepted));
        QCOMPARE(setup.secret(0), number("1234"));
        QCOMPARE(setup.secret(1), number("5678"));
    }
    HotSeatSetup again;
    QCOMPARE(again.playerName(0), QStringLiteral("Anna"));
    QCOMPARE(again.playerName(1), QStringLiteral("Ben"));
}

// Anna hides 1234, Ben 5678. Keys: a space lifts the curtain, "\n" is Return, "<" Backspace.
void DuelWindowTest::hotSeatPlaysByKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("curtainAfterFirstGuess");
    QTest::addColumn<QString>("turnText");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("Ben wins after a refused guess")
        << QStringLiteral(" 5687\n 1223\n<<<234\n") << "Pass to Ben" << "Ben won"
        << "Ben won. Anna's number: 1 2 3 4. Ben's number: 5 6 7 8";
    QTest::newRow("both find it in the first round")
        << QStringLiteral(" 5678\n 1234\n") << "Pass to Ben" << "Draw" << "Draw. Anna's number: 1 2 3 4. Ben's number: 5 6 7 8";
    // The key that lifts the curtain types nothing.
    QTest::newRow("the curtain hides the board until a key")
        << QStringLiteral(" 5687\n1234\n") << "Pass to Ben" << "Ben, your guess" << "Type four different digits.";
    QTest::newRow("Anna's guess in words, then whose turn")
        << QStringLiteral(" 5687\n") << "Pass to Ben" << "Anna, your guess" << "Anna: 5 6 8 7, 2 hits, 2 blows. Pass to Ben";
}

void DuelWindowTest::hotSeatPlaysByKeys()
{
    QFETCH(QString, keys);
    HotSeatDuel duel(QStringLiteral("Anna"), number("1234"), QStringLiteral("Ben"), number("5678"));
    DuelWindow window(duel);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    duel.begin();
    QVERIFY(window.curtainShown());
    QCOMPARE(window.curtainHeading(), QStringLiteral("Pass to Anna"));
    QCOMPARE(window.lastAnnouncement(), QStringLiteral("Pass to Anna"));

    const qsizetype firstGuessEnd = keys.indexOf(QLatin1Char('\n')) + 1;
    type(&window, keys.left(firstGuessEnd));
    QTEST(window.curtainHeading(), "curtainAfterFirstGuess");
    type(&window, keys.mid(firstGuessEnd));
    QTEST(window.turnText(), "turnText");
    QTEST(window.lastAnnouncement(), "spoken");
}

void DuelWindowTest::remotePlayerIsWaitedForWithoutCurtain()
{
    RemoteDuel duel;
    duel.toGuess = -1;
    DuelWindow window(duel);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.turnText(), QStringLiteral("Waiting for the duel to start…"));
    duel.toGuess = 0;
    emit duel.started();
    QVERIFY(!window.curtainShown());
    QCOMPARE(window.turnText(), QStringLiteral("Anna, your guess"));
    QCOMPARE(window.lastAnnouncement(), QStringLiteral("Anna, your guess"));
    type(&window, QStringLiteral("5678\n"));
    QVERIFY(!window.curtainShown());
    QCOMPARE(window.turnText(), QStringLiteral("Waiting for Ben…"));
    QCOMPARE(window.lastAnnouncement(), QStringLiteral("Anna: 5 6 7 8, 0 hits, 1 blow. Waiting for Ben…"));
    // Nothing typed reaches a player who is not here.
    type(&window, QStringLiteral("1234\n"));
    QCOMPARE(duel.turns[0].size(), std::size_t(1));

    duel.turns[1].push_back({number("1243"), {2, 2}});
    duel.toGuess = 0;
    emit duel.turnPlayed(1);
    QVERIFY(!window.curtainShown());
    QCOMPARE(window.lastAnnouncement(), QStringLiteral("Ben: 1 2 4 3, 2 hits, 2 blows. Anna, your guess"));

    // A window opened on a duel already played is heard saying where it stands.
    DuelWindow later(duel);
    later.show();
    QTRY_COMPARE(later.lastAnnouncement(), QStringLiteral("Ben: 1 2 4 3, 2 hits, 2 blows. Anna, your guess"));
}

void DuelWindowTest::escapeGivesUpOnlyWhenConfirmed()
{
    HotSeatDuel duel(QStringLiteral("Anna"), number("1234"), QStringLiteral("Ben"), number("5678"));
    DuelWindow window(duel);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    duel.begin();
    type(&window, QStringLiteral(" 5687\n "));
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QString asked;
        QTimer::singleShot(0, this, [&asked, answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(answer)->click();
            }
        });
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(asked, QStringLiteral("Give up the duel? It ends here, given up by Ben."));
        QCOMPARE(window.isVisible(), answer == QMessageBox::No);
    }
    QCOMPARE(duel.result().ending, DuelPlay::Ending::Left);
    QCOMPARE(duel.result().player, 1);
}

QTEST_MAIN(DuelWindowTest)
#include "tst_duelwindow.moc"
