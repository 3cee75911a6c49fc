// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardView.h"
#include "HitBlowController.h"
#include "ui/MainWindow.h"
#include "ui/NumberPad.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"
#include "SavedMatches.h"
#include "GameWiring.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>

#include <memory>

// Mouse-only play: the number pad is shown from the View menu and then plays whole matches by
// clicks on its buttons alone, with the keyboard focus staying on the board throughout.
class TestNumberPad : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void padPlaysAWholeMatch_data();
    void padPlaysAWholeMatch();
    void keysSitAsOnACalculator_data();
    void keysSitAsOnACalculator();

private:
    void showPad();
    // Clicks the pad's buttons and moves the clock on. Tokens: a digit, "left", "right", "del",
    // "ok"; "counts" clicks the true hits and blows of the computer's current guess; "tick" ends
    // an OK press (0.05 s), "pause" waits out one pause of the game (1 s).
    void play(const QString &script);
    void click(char16_t key);

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestNumberPad::init()
{
    forgetSavedMatch();
    openUserDefaults()->clear();
    m_fakes = std::make_unique<FakeServices>();
    // The computer's secret is 3 9 5 1.
    m_fakes->random.queued = {1989, 0};
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestNumberPad::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

void TestNumberPad::showPad()
{
    GameBoardView *board = m_window->gameBoardView();
    const QSize boardSize = board->size();
    const int windowWidth = m_window->width();
    // Hidden by default, and not even built: a game without the pad pays nothing for it.
    QVERIFY(!m_window->numberPadAction()->isChecked());
    QVERIFY(!m_window->numberPad());

    m_window->numberPadAction()->trigger();
    QVERIFY(m_window->numberPad());
    QTRY_VERIFY(m_window->numberPad()->isVisible());
    QTRY_COMPARE(board->size(), boardSize);
    QVERIFY(m_window->width() > windowWidth);
    QCOMPARE(storedInt(*openUserDefaults(), "NumberPadVisible"), std::optional<int>(1));

    for (char16_t key : {u'0', u'5', u'9', kLeftArrowKey, kRightArrowKey, kDeleteKey, kReturnKey}) {
        QAbstractButton *button = m_window->numberPad()->buttonFor(key);
        QVERIFY(button);
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QVERIFY(!button->accessibleName().isEmpty());
        QVERIFY(!button->toolTip().isEmpty());
    }
}

void TestNumberPad::click(char16_t key)
{
    QAbstractButton *button = m_window->numberPad()->buttonFor(key);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    // Drawing passes move the match on (the pause after a scored guess, the result).
    m_window->gameBoardView()->repaint();
}

void TestNumberPad::play(const QString &script)
{
    const QHash<QString, char16_t> keys = {
        {"left", kLeftArrowKey}, {"right", kRightArrowKey}, {"del", kDeleteKey}, {"ok", kReturnKey}};
    HitBlowController *match = m_window->hitBlowController();
    for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
        if (token == u"tick" || token == u"pause") {
            m_fakes->scheduler.advance(token == u"tick" ? 0.05 : 1.0);
            m_window->gameBoardView()->repaint();
        } else if (token == u"counts") {
            QVERIFY(match->userOwnNumbers() && match->macCurrentAnswer());
            const HitBlowResult truth = NumberComparer().checkHitsBlowsIn(*match->userOwnNumbers(), *match->macCurrentAnswer());
            click(char16_t(u'0' + truth.hits));
            click(char16_t(u'0' + truth.blows));
        } else if (keys.contains(token)) {
            click(keys.value(token));
        } else {
            QVERIFY2(token.size() == 1 && token[0].isDigit(), qPrintable(token));
            click(token[0].unicode());
        }
        QCOMPARE(QApplication::focusWidget(), m_window->gameBoardView());
    }
}

void TestNumberPad::padPlaysAWholeMatch_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("guesses");
    QTest::addColumn<QStringList>("alerts");
    QTest::addColumn<int>("result");

    const QString choose = QStringLiteral("7 7 3 0 9 pause ");
    const QString scoreMac = QStringLiteral("counts ok tick ");
    QTest::newRow("won in the first round")
        << choose + scoreMac + "3 9 5 1 ok tick" << "7309" << "3951" << QStringList() << int(MatchResultUserWon);
    QTest::newRow("a refused guess mended with the arrows")
        << choose + scoreMac + "1 1 2 3 ok tick left left 9 ok tick pause " + scoreMac + "3 9 5 1 ok tick"
        << "7309" << "1923,3951" << QStringList{"Your answer is against the rule"} << int(MatchResultUserWon);
    QTest::newRow("wrong counts refused, then mended")
        << choose + "4 4 ok tick left " + scoreMac + "3 9 5 1 ok tick"
        << "7309" << "3951" << QStringList{"Your decision is wrong"} << int(MatchResultUserWon);
    QTest::newRow("delete erases backwards, the right arrow wraps")
        << choose + scoreMac + "5 6 7 del del right right right 3 9 5 1 ok tick"
        << "7309" << "3951" << QStringList() << int(MatchResultUserWon);
    QTest::newRow("OK does nothing while choosing, nor digits on the result")
        << "ok tick 7 3 0 ok tick 9 pause " + scoreMac + "3 9 5 1 ok tick 2 ok tick"
        << "7309" << "3951" << QStringList() << int(MatchResultUserWon);
}

void TestNumberPad::padPlaysAWholeMatch()
{
    QFETCH(QString, script);
    QFETCH(QString, secret);
    QFETCH(QString, guesses);
    QFETCH(QStringList, alerts);
    QFETCH(int, result);

    showPad();
    m_window->newGameAction()->trigger();
    play(script);

    HitBlowController *match = m_window->hitBlowController();
    QVERIFY(match->userOwnNumbers());
    QCOMPARE(digitsOf(*match->userOwnNumbers()), secret);
    QStringList guessed;
    for (const NumberSet &guess : match->userFormerAnswers())
        guessed << digitsOf(guess);
    QCOMPARE(guessed.join(u','), guesses);
    QCOMPARE(m_fakes->alert.messages, alerts);
    QCOMPARE(match->matchResult(), result);
    QCOMPARE(match->gameStatus(), int(GameStatusResultShown));
    // Its keys do nothing now: dimmed until the next match, which lights it again.
    QTRY_VERIFY(!m_window->numberPad()->isEnabled());
    m_window->newGameAction()->trigger();
    QTRY_VERIFY(m_window->numberPad()->isEnabled());

    // Hidden again, the pad gives its room back and the choice is remembered.
    const int widthWithPad = m_window->width();
    m_window->numberPadAction()->trigger();
    QTRY_VERIFY(!m_window->numberPad()->isVisible());
    QVERIFY(m_window->width() < widthWithPad);
    QCOMPARE(m_window->gameBoardView()->size(), QSize(640, 480));
    QCOMPARE(storedInt(*openUserDefaults(), "NumberPadVisible"), std::optional<int>(0));
}

// 7 8 9 on top, 1 2 3 above the row of the arrows and 0: the rows of a calculator or keypad.
void TestNumberPad::keysSitAsOnACalculator_data()
{
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("7 above 4") << "7" << "4";
    QTest::newRow("8 above 5") << "8" << "5";
    QTest::newRow("6 above 3") << "6" << "3";
    QTest::newRow("1 above 0") << "1" << "0";
    QTest::newRow("2 above the right arrow") << "2" << QString(QChar(kRightArrowKey));
    QTest::newRow("0 above OK") << "0" << QString(QChar(kReturnKey));
}

void TestNumberPad::keysSitAsOnACalculator()
{
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    showPad();
    const QRect above = m_window->numberPad()->buttonFor(upper[0].unicode())->geometry();
    const QRect below = m_window->numberPad()->buttonFor(lower[0].unicode())->geometry();
    QVERIFY2(above.bottom() < below.top(), qPrintable(upper + " is not above " + lower));
    // Rows run from left to right in increasing order.
    const QRect one = m_window->numberPad()->buttonFor(u'1')->geometry();
    const QRect three = m_window->numberPad()->buttonFor(u'3')->geometry();
    QVERIFY(one.right() < three.left());
}

QTEST_MAIN(TestNumberPad)
#include "tst_numberpad.moc"
