// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "ui/MainWindow.h"
#include "ui/NotepadPanel.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"
#include "SavedMatches.h"
#include "StoredDefaults.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {
// The board's descriptions as change events announced them, in order.
QStringList announcedDescriptions;
QStringList announcedRecords;
QStringList announcedNews;
// Names changed of the widget that has the keyboard.
QStringList focusRenames;
const GameBoardView *listenedBoard = nullptr;

void recordUpdate(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    if (!iface)
        return;
    if (event->type() == QAccessible::ObjectShow && iface->role() == QAccessible::Notification)
        announcedNews << iface->text(QAccessible::Name);
    else if (event->type() == QAccessible::DescriptionChanged && iface->object() == listenedBoard)
        announcedDescriptions << iface->text(QAccessible::Description);
    else if (event->type() == QAccessible::NameChanged && iface->parent() && iface->parent()->object() == listenedBoard)
        announcedRecords << iface->text(QAccessible::Name);
    else if (event->type() == QAccessible::NameChanged && iface->object() && iface->object() == QApplication::focusWidget())
        focusRenames << iface->text(QAccessible::Name);
}
} // namespace

// What a screen reader hears of the painted board: its texts in the main statuses of a match, and
// a change event each time they change, never one for a drawing pass that changed nothing; what
// changed is spoken once in a short phrase, by the board's notification.
class TestBoardAccessible : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void boardSpeaksItsStatus_data();
    void boardSpeaksItsStatus();
    void boardAnnouncesEachChangeOnce_data();
    void boardAnnouncesEachChangeOnce();
    void numberPadSaysWhenItComesAndGoes();
    void notepadCellUnderTheKeyboardChangesQuietly();

private:
    void play(const QString &keys);
    // Plays the row's keys ("new" first starts a match) with the candidates shown or not.
    void playRow(const QString &keys, bool candidatesVisible);

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
    QAccessible::UpdateHandler m_previousHandler = nullptr;
};

void TestBoardAccessible::init()
{
    forgetSavedMatch();
    openUserDefaults()->clear();
    storeUserDefaults({{"CandidatesVisible", 0}});
    m_fakes = std::make_unique<FakeServices>();
    // The computer's secret is 3 9 5 1 and its first guess 0 1 2 3.
    m_fakes->random.queued = {1989, 0};
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    listenedBoard = m_window->gameBoardView();
    announcedDescriptions.clear();
    announcedRecords.clear();
    announcedNews.clear();
    focusRenames.clear();
    m_previousHandler = QAccessible::installUpdateHandler(recordUpdate);
    // Qt hands change events on only while a bridge to assistive technology is active, which the
    // offscreen platform never has: there the texts are checked and the events' tests say they
    // were skipped; tst_boardaccessible_atspi runs them all under AT-SPI.
    if (qEnvironmentVariableIsSet("HITBLOW_EXPECT_ACCESSIBILITY"))
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
}

void TestBoardAccessible::cleanup()
{
    QAccessible::installUpdateHandler(m_previousHandler);
    listenedBoard = nullptr;
    m_window.reset();
    m_fakes.reset();
}

// Keys on the board, separated by spaces: digits, "ret", "left"; "tick" ends an OK press, "pause" waits
// out a pause of the game. Every step is drawn, as the screen would be.
void TestBoardAccessible::play(const QString &keys)
{
    GameBoardView *board = m_window->gameBoardView();
    for (const QString &token : keys.split(u' ', Qt::SkipEmptyParts)) {
        if (token == u"tick" || token == u"pause")
            m_fakes->scheduler.advance(token == u"tick" ? 0.05 : 1.0);
        else if (token == u"ret")
            QTest::keyClick(board, Qt::Key_Return);
        else if (token == u"left")
            QTest::keyClick(board, Qt::Key_Left);
        else
            QTest::keyClicks(board, token);
        board->repaint();
    }
}

void TestBoardAccessible::playRow(const QString &keys, bool candidatesVisible)
{
    storeUserDefaults({{"CandidatesVisible", candidatesVisible ? 1 : 0}});
    m_window->prefWindowController()->awakeFromNib();
    if (keys.startsWith(u"new"))
        m_window->newGameAction()->trigger();
    play(QString(keys).remove(QStringLiteral("new")));
    m_window->gameBoardView()->repaint();
}

void TestBoardAccessible::boardSpeaksItsStatus_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("candidatesVisible");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("macRecord");
    QTest::addColumn<QString>("userRecord");
    QTest::addColumn<QString>("news");

    const QString macScored = QStringLiteral("Mac's guess 0 1 2 3: you scored 0 hits, 2 blows");
    const QString macRecord = QStringLiteral("Mac's guesses:\n1. 0 1 2 3: 0 hits, 2 blows");
    QTest::newRow("title") << "" << false
                           << "Version." HITBLOW_VERSION " © 2026 Hit & Blow developers. Free software under the GPL-3.0-or-later."
                           << "Mac's guesses: none yet" << "Your guesses: none yet" << "";
    QTest::newRow("choosing the secret")
        << "new 7 3" << false << "Chose Your Numbers\nYour number: 7 3 blank blank"
        << "Mac's guesses: none yet" << "Your guesses: none yet"
        << "New match. Choose your number: four different digits.";
    QTest::newRow("scoring Mac's guess, with the candidates shown")
        << "new 7 3 0 9 pause 1" << true
        << "Check Hit & Blow\nMac guesses 0 1 2 3.\nHits and blows typed: 1 blank; typing position 2 of 2\n"
           "Your number: 7 3 0 9\nThe Rest Candidates Count: 5039"
        << "Mac's guesses: none yet" << "Your guesses: none yet"
        << "Round 1. Mac guesses 0 1 2 3: type its hits, then its blows.";
    QTest::newRow("typing a guess, the cursor moved back")
        << "new 7 3 0 9 pause 0 2 ret tick 4 5 6 left" << false
        << "It's Your Turn\nYour guess: 4 5 6 blank; typing position 3 of 4\nYour number: 7 3 0 9\n" + macScored
        << macRecord << "Your guesses: none yet"
        << "Position 3 of 4: 6";
    QTest::newRow("a guess scored")
        << "new 7 3 0 9 pause 0 2 ret tick 1 9 2 3 ret tick" << false
        << "Result is...\nYour number: 7 3 0 9\n" + macScored + "\nYour guess 1 9 2 3: 1 hit, 2 blows" << macRecord
        << "Your guesses:\n1. 1 9 2 3: 1 hit, 2 blows" << "Your guess 1 9 2 3: 1 hit, 2 blows.";
    QTest::newRow("won")
        << "new 7 3 0 9 pause 0 2 ret tick 3 9 5 1 ret tick" << false
        << "You won\nYour number: 7 3 0 9\n" + macScored + "\nYour guess 3 9 5 1: 4 hits, 0 blows" << macRecord
        << "Your guesses:\n1. 3 9 5 1: 4 hits, 0 blows"
        << "Your guess 3 9 5 1: 4 hits, 0 blows. You won. Mac's number was 3 9 5 1.";
}

void TestBoardAccessible::boardSpeaksItsStatus()
{
    QFETCH(QString, keys);
    QFETCH(bool, candidatesVisible);
    QFETCH(QString, description);
    QFETCH(QString, macRecord);
    QFETCH(QString, userRecord);
    QFETCH(QString, news);

    GameBoardView *board = m_window->gameBoardView();
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(board);
    QVERIFY(iface && iface->isValid());
    QCOMPARE(iface->text(QAccessible::Name), QString("Hit & Blow"));
    QCOMPARE(iface->role(), QAccessible::Canvas);
    QCOMPARE(iface->childCount(), 3);
    QCOMPARE(iface->child(2)->role(), QAccessible::Notification);
    QCOMPARE(iface->indexOfChild(iface->child(2)), 2);

    playRow(keys, candidatesVisible);

    QCOMPARE(iface->text(QAccessible::Description), description);
    QCOMPARE(iface->child(0)->text(QAccessible::Name), macRecord);
    QCOMPARE(iface->child(1)->text(QAccessible::Name), userRecord);
    QCOMPARE(iface->indexOfChild(iface->child(1)), 1);
    QCOMPARE(iface->child(0)->parent()->object(), board);
    QCOMPARE(iface->child(2)->text(QAccessible::Name), news);
    QCOMPARE(iface->child(2)->parent()->object(), board);
}

void TestBoardAccessible::boardAnnouncesEachChangeOnce_data()
{
    boardSpeaksItsStatus_data();
}

// The same rows as change events: what a screen reader is told as the board changes.
void TestBoardAccessible::boardAnnouncesEachChangeOnce()
{
    QFETCH(QString, keys);
    QFETCH(bool, candidatesVisible);
    QFETCH(QString, macRecord);
    QFETCH(QString, userRecord);
    QFETCH(QString, news);
    if (!QAccessible::isActive())
        QSKIP("change events go out only while a bridge to assistive technology is active: "
              "tst_boardaccessible_atspi checks them");

    playRow(keys, candidatesVisible);
    GameBoardView *board = m_window->gameBoardView();
    // The description changes without an event: through Qt's bridge it would carry the board, not
    // a text, and a screen reader would try to speak the object.
    QVERIFY2(announcedDescriptions.isEmpty(), qPrintable(announcedDescriptions.join('|')));
    QVERIFY(announcedRecords.isEmpty() || announcedRecords.last() == macRecord || announcedRecords.last() == userRecord);
    // Every change spoken once: each phrase differs from the one before, the last is the latest.
    QCOMPARE(announcedNews.isEmpty() ? QString() : announcedNews.last(), news);
    for (qsizetype i = 1; i < announcedNews.size(); ++i)
        QVERIFY2(announcedNews[i] != announcedNews[i - 1], qPrintable(announcedNews[i]));
    announcedDescriptions.clear();
    announcedRecords.clear();
    announcedNews.clear();
    board->repaint();
    QVERIFY(announcedDescriptions.isEmpty());
    QVERIFY(announcedRecords.isEmpty());
    QVERIFY(announcedNews.isEmpty());
}

// The shortcuts show or hide the pad and the notepad without moving the focus, so nothing else
// would tell.
void TestBoardAccessible::numberPadSaysWhenItComesAndGoes()
{
    if (!QAccessible::isActive())
        QSKIP("the pad's phrases go out only while a bridge to assistive technology is active: "
              "tst_boardaccessible_atspi checks them");
    QAction *toggle = m_window->numberPadAction();
    toggle->trigger();
    toggle->trigger();
    toggle->trigger();
    m_window->notepadAction()->trigger();
    m_window->notepadAction()->trigger();
    QCOMPARE(announcedNews, (QStringList{"Number pad shown", "Number pad hidden", "Number pad shown",
                                         "Notepad shown", "Notepad hidden"}));
}

// A cell's new mark is said by the notepad's notification. Its name-change event, as Qt 6.4's
// bridge sends it, carries the button instead of a text, which a screen reader fails to speak:
// none goes out for the cell under the keyboard, whose name still follows its mark.
void TestBoardAccessible::notepadCellUnderTheKeyboardChangesQuietly()
{
    if (!QAccessible::isActive())
        QSKIP("change events go out only while a bridge to assistive technology is active: "
              "tst_boardaccessible_atspi checks them");
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->notepadAction()->trigger();
    QTRY_VERIFY(m_window->notepadPanel() && m_window->notepadPanel()->isVisible());
    QToolButton *cell = m_window->notepadPanel()->cellButton(2, 1);
    cell->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), cell);
    focusRenames.clear();
    announcedNews.clear();
    QTest::keyClick(cell, Qt::Key_Space);
    QTest::keyClick(cell, Qt::Key_Space);
    QCOMPARE(focusRenames, QStringList());
    QCOMPARE(cell->accessibleName(), QStringLiteral("2 in place 2: here"));
    QCOMPARE(announcedNews, (QStringList{"2 in place 2: not here", "2 in place 2: here"}));
}

QTEST_MAIN(TestBoardAccessible)
#include "tst_boardaccessible.moc"
