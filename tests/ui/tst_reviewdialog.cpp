// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardView.h"
#include "HitBlowController.h"
#include "statistics/StatisticsKeeper.h"
#include "statistics/StatisticsStore.h"
#include "ui/MainWindow.h"
#include "ui/MatchAssistant.h"
#include "ui/MatchStatusBar.h"
#include "ui/PossibilitiesChart.h"
#include "ui/ReviewDialog.h"
#include "ui/StatisticsDialog.h"

#include "Fakes.h"
#include "SavedMatches.h"
#include "StoredDefaults.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {
// "0123 0-0, 4567 0-2" as the user's turns.
OwnRecords turnsOf(const QString &trace)
{
    OwnRecords turns;
    for (const QString &turn : trace.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        NumberSet guess{};
        for (int i = 0; i < 4; ++i)
            guess[i] = turn.at(i).digitValue();
        turns.turns.push_back({guess, {turn.at(5).digitValue(), turn.at(7).digitValue()}});
    }
    return turns;
}

MatchRecord matchOf(const QString &trace, MatchOutcome result = MatchOutcome::Won, int strength = 3)
{
    const OwnRecords turns = turnsOf(trace);
    return MatchRecord{QDateTime(QDate(2026, 5, 6), QTime(7, 8), Qt::UTC), strength, result,
                       int(turns.size()), false, {}, turns};
}

QStringList cellsOf(const QTreeWidgetItem *item)
{
    QStringList cells;
    for (int column = 0; column < item->columnCount(); ++column)
        cells << item->text(column);
    return cells;
}

// The Expert's own play against the secret 0124, found with the fifth guess.
const QString kExpertPlay = QStringLiteral("2943 0-2, 1428 1-2, 4025 1-2, 5984 1-0, 0124 4-0");
// Off the Expert's tree from the second guess on: the longest review here (over half a second).
const QString kSlowMatch = QStringLiteral("0123 0-1, 1032 0-1");
} // namespace

// The review window as the player meets it: each guess of a known match with its figures, the
// match's skill and luck, a window closed while the review runs, the result to share without the
// numbers, and the three ways in: the status bar, Game > Review Last Match and the statistics'
// list of latest matches.
class TestReviewDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsEachGuessAndTheMatch_data();
    void showsEachGuessAndTheMatch();
    void closingWhileReviewingIsSafe_data();
    void closingWhileReviewingIsSafe();
    void copyResultGivesNoNumberAway_data();
    void copyResultGivesNoNumberAway();
    void showsMacsSide_data();
    void showsMacsSide();
    void opensWhereAMatchEnds_data();
    void opensWhereAMatchEnds();
    void opensFromTheStatisticsList_data();
    void opensFromTheStatisticsList();

private:
    // Notes the next review window opened modally (the turns of its match), and closes it.
    void catchNextReview();
    // Plays a match in the window to the shown result, Mac's number found with the first guess.
    void winInOne(MainWindow &window, FakeServices &fakes);

    std::unique_ptr<QTimer> m_catcher;
    int m_caughtTurns = -1;
};

void TestReviewDialog::initTestCase()
{
    // Figures as an English-speaking player reads them, whatever the machine's language.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestReviewDialog::init()
{
    forgetSavedMatch();
    openUserDefaults()->clear();
    for (const QString suffix : {"", "-wal", "-shm"})
        QFile::remove(StatisticsStore::defaultPath() + suffix);
    m_caughtTurns = -1;
}

void TestReviewDialog::cleanup()
{
    m_catcher.reset();
    // No review is left running into the next test.
    QThreadPool::globalInstance()->waitForDone();
}

void TestReviewDialog::catchNextReview()
{
    m_catcher = std::make_unique<QTimer>();
    m_catcher->setInterval(10);
    connect(m_catcher.get(), &QTimer::timeout, this, [this] {
        auto *review = qobject_cast<ReviewDialog *>(QApplication::activeModalWidget());
        if (!review)
            return;
        m_caughtTurns = review->table()->topLevelItemCount();
        // Its rows once the review is done, then closed with Esc.
        if (review->isReviewing())
            return;
        m_caughtTurns = review->table()->topLevelItemCount();
        QTest::keyClick(review, Qt::Key_Escape);
        m_catcher->stop();
    });
    m_catcher->start();
}

void TestReviewDialog::showsEachGuessAndTheMatch_data()
{
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("cells"); // of that row, joined by |

    QTest::newRow("the Expert's own play, first guess")
        << kExpertPlay << "The match: skill 99, luck 65" << 0 << "2943|0 / 2|5,040 → 1,260|5.21|2943|5.21|best|99|38";
    QTest::newRow("the Expert's own play, the last guess with a choice")
        << kExpertPlay << "The match: skill 99, luck 65" << 3
        << "5984|1 / 0|7 → 1|2.00|5124|2.00|could not be the secret; one that could would have done as well|99|–";
    QTest::newRow("a guess that tells nothing new") << "0123 0-4, 0124 0-3, 1230 4-0" << "The match: skill 66, luck 99"
                                                    << 1 << "0124|0 / 3|9 → 9|3.56|1230|2.56|told nothing new|0|–";
    // More rows than the table's least height holds.
    QTest::newRow("ten guesses, the last telling nothing new")
        << "3874 0-2, 9563 1-1, 8749 0-1, 2107 1-0, 6019 0-1, 9726 0-0, 7628 0-1, 9386 1-1, 1067 0-1, 9746 0-0"
        << "The match: skill" << 9 << "9746|0 / 0|1 → 1|2.00|5183|1.00|told nothing new|0|–";
    QTest::newRow("scores no secret gives") << "0123 4-0, 4567 0-0" << "This match cannot be reviewed" << -1 << "";
}

void TestReviewDialog::showsEachGuessAndTheMatch()
{
    QFETCH(QString, trace);
    QFETCH(QString, summary);
    QFETCH(int, row);
    QFETCH(QString, cells);

    ReviewDialog dialog(matchOf(trace));
    dialog.show();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isReviewing(), 60000);
    QTRY_VERIFY(!dialog.summaryText().startsWith("Reviewing"));
    QVERIFY2(dialog.summaryText().startsWith(summary), qPrintable(dialog.summaryText()));
    QVERIFY(!dialog.findChild<QProgressBar *>()->isVisible());
    if (row < 0) {
        QCOMPARE(dialog.table()->topLevelItemCount(), 0);
        QVERIFY(!dialog.copyResultButton()->isEnabled());
        return;
    }
    QCOMPARE(dialog.table()->topLevelItemCount(), int(trace.count(',') + 1));
    const QTreeWidgetItem *item = dialog.table()->topLevelItem(row);
    QCOMPARE(cellsOf(item).join('|'), cells);
    // A screen reader hears each cell with its column.
    QCOMPARE(item->data(ReviewDialog::VerdictColumn, Qt::AccessibleTextRole).toString(),
             "Verdict: " + item->text(ReviewDialog::VerdictColumn));
    QCOMPARE(item->data(ReviewDialog::SkillColumn, Qt::AccessibleTextRole).toString(),
             "Skill: " + item->text(ReviewDialog::SkillColumn));
    QVERIFY(dialog.table()->focusPolicy() & Qt::TabFocus);
    QVERIFY(dialog.copyResultButton()->isEnabled());
    // Every row in the table's sight, none in a scroll of its own, one line each; skill and luck
    // before the verdict, which the line under the table reads whole for the row selected.
    dialog.table()->setCurrentItem(dialog.table()->topLevelItem(row));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    QVERIFY2(labels.contains("Verdict on " + item->text(ReviewDialog::GuessColumn) + ": "
                             + item->text(ReviewDialog::VerdictColumn)),
             qPrintable(labels.join('|')));
    const QTreeWidgetItem *last = dialog.table()->topLevelItem(dialog.table()->topLevelItemCount() - 1);
    QVERIFY(dialog.table()->visualItemRect(last).bottom() < dialog.table()->viewport()->height());
    const QHeaderView *header = dialog.table()->header();
    QVERIFY(header->visualIndex(ReviewDialog::LuckColumn) < header->visualIndex(ReviewDialog::VerdictColumn));
    // Each column says what it means, the same to the eye and to a screen reader; "–" is explained.
    QSet<QString> explanations;
    for (int column = 0; column < dialog.table()->columnCount(); ++column) {
        const QString tip = dialog.table()->headerItem()->toolTip(column);
        QCOMPARE(item->toolTip(column), tip);
        QCOMPARE(item->data(column, Qt::AccessibleDescriptionRole).toString(), tip);
        explanations << tip;
    }
    QCOMPARE(explanations.size(), dialog.table()->columnCount());
    QVERIFY(item->toolTip(ReviewDialog::LuckColumn).contains("–"));
    // The chart draws, and tells, what each guess left against what the Expert's would have left
    // on average: from 0123 0-4's nine secrets, 1230 leaves parts of 4, 2 and 2 (24 / 9).
    QVERIFY(dialog.chart());
    const QStringList lines = dialog.chart()->accessibleDescription().split('\n');
    QCOMPARE(lines.size(), dialog.table()->topLevelItemCount());
    if (trace.startsWith("0123 0-4"))
        QCOMPARE(lines.at(row), "Guess 2: Yours 9, Expert's guess, on average 2.667");
    else if (row == 0)
        QCOMPARE(lines.at(row), "Guess 1: Yours 1,260, Expert's guess, on average 931.4");
}

void TestReviewDialog::closingWhileReviewingIsSafe_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Esc, then the window deleted") << true;
    QTest::newRow("deleted at once") << false;
}

void TestReviewDialog::closingWhileReviewingIsSafe()
{
    QFETCH(bool, byEscape);
    auto *dialog = new ReviewDialog(matchOf(kSlowMatch, MatchOutcome::Abandoned));
    dialog->show();
    QVERIFY(dialog->isReviewing());
    QVERIFY2(dialog->summaryText().startsWith("Reviewing guess 1 of 2"), qPrintable(dialog->summaryText()));
    QVERIFY(dialog->findChild<QProgressBar *>()->isVisible());
    if (byEscape) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(dialog->isReviewing());
    }
    delete dialog;
    // The work finishes unseen; what it hands back reaches no window.
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();

    // And the next review of the same match is whole.
    ReviewDialog again(matchOf(kSlowMatch, MatchOutcome::Abandoned));
    QTRY_VERIFY_WITH_TIMEOUT(!again.isReviewing(), 60000);
    QTRY_COMPARE(again.table()->topLevelItemCount(), 2);
}

void TestReviewDialog::copyResultGivesNoNumberAway_data()
{
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("strength");
    QTest::addColumn<QList<int>>("hinted"); // the guesses the hint gave, from 0
    QTest::addColumn<QString>("text");

    QTest::newRow("won at Expert") << kExpertPlay << int(MatchOutcome::Won) << 3 << QList<int>{}
                                   << "Hit & Blow · Expert · won in 5 · skill 99 · luck 65\n○○\n●○○\n●○○\n●\n●●●●";
    QTest::newRow("lost at Easy, a guess of 0-0") << "0123 0-0, 4567 0-2, 8945 1-2" << int(MatchOutcome::Lost) << 0
                                                  << QList<int>{}
                                                  << "Hit & Blow · Easy · lost after 3 · skill 98 · luck 38\n·\n○○\n●○○";
    QTest::newRow("two guesses the hint's") << kExpertPlay << int(MatchOutcome::Won) << 3 << QList<int>{1, 3}
                                            << "Hit & Blow · Expert · won in 5 · skill 99 · luck 65 · hints taken: 2\n"
                                               "○○\n●○○ (hint)\n●○○\n● (hint)\n●●●●";
}

void TestReviewDialog::copyResultGivesNoNumberAway()
{
    QFETCH(QString, trace);
    QFETCH(int, result);
    QFETCH(int, strength);
    QFETCH(QList<int>, hinted);
    QFETCH(QString, text);

    MatchRecord match = matchOf(trace, MatchOutcome(result), strength);
    match.hintedGuesses = {hinted.begin(), hinted.end()};
    match.hinted = !hinted.isEmpty();
    ReviewDialog dialog(match);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.copyResultButton()->isEnabled(), 60000);
    // The table marks the same guesses.
    for (int row = 0; row < dialog.table()->topLevelItemCount(); ++row)
        QCOMPARE(dialog.table()->topLevelItem(row)->text(0).endsWith("(hint)"), hinted.contains(row));
    QApplication::clipboard()->clear();
    QVERIFY(dialog.noticeText().isEmpty());
    QTest::mouseClick(dialog.copyResultButton(), Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied, text);
    QCOMPARE(dialog.noticeText(), "The result is on the clipboard, without your numbers.");
    // Below the first line only the marks; no guess anywhere.
    const QStringList lines = copied.split('\n');
    QCOMPARE(lines.size(), trace.count(',') + 2);
    for (const QString &line : lines.mid(1))
        QVERIFY2(QRegularExpression("^(·|●*○*)( \\(hint\\))?$").match(line).hasMatch() && !line.isEmpty(), qPrintable(line));
    for (const QString &turn : trace.split(", "))
        QVERIFY(!copied.contains(turn.left(4)));
}

void TestReviewDialog::showsMacsSide_data()
{
    QTest::addColumn<bool>("kept"); // Mac's side was kept with the match
    QTest::addColumn<int>("puzzle"); // a daily puzzle's number, 0 for a match against Mac, -1 for a duel
    QTest::newRow("kept") << true << 0;
    QTest::newRow("a match of an earlier version") << false << 0;
    QTest::newRow("a daily puzzle: its secret is no one's") << false << 343;
    // The opponent's side kept in Mac's place, and no word of Mac.
    QTest::newRow("a duel: the opponent's side") << true << -1;
}

void TestReviewDialog::showsMacsSide()
{
    QFETCH(bool, kept);
    QFETCH(int, puzzle);
    MatchRecord match = matchOf(kExpertPlay, MatchOutcome::Abandoned, 3);
    if (kept) {
        match.macTurns = turnsOf("0123 1-1, 4567 0-2");
        match.macNumber = NumberSet{0, 1, 2, 4};
    }
    if (puzzle > 0) {
        match.mode = MatchMode::Daily;
        match.puzzle = puzzle;
        match.macNumber = NumberSet{6, 2, 5, 4};
    }
    if (puzzle < 0) {
        match.mode = MatchMode::Duel;
        match.opponent = QStringLiteral("Ben");
        match.overNetwork = true;
    }
    ReviewDialog dialog(match);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isReviewing(), 60000);
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    if (puzzle < 0) {
        QVERIFY2(texts.join('\n').contains("Ben's number: 0124") && texts.contains("Ben's guesses"), qPrintable(texts.join('|')));
        QVERIFY2(!texts.join('\n').contains("Mac"), qPrintable(texts.join('|')));
    } else {
        QCOMPARE(texts.join('\n').contains("Mac's number: 0124"), kept);
    }
    QVERIFY2(texts.join('\n').contains("Daily #343 · abandoned after 5 · Secret: 6254") == (puzzle > 0),
             qPrintable(texts.join('|')));
    QVERIFY(puzzle == 0 || !texts.join('\n').contains("Mac's number"));
    // Whose position the Expert's guess answers is said either way.
    QVERIFY(texts.join('\n').contains("from your own position"));
    QCOMPARE(dialog.macTable() != nullptr, kept);
    if (!kept)
        return;
    QCOMPARE(dialog.macTable()->topLevelItemCount(), 2);
    QCOMPARE(cellsOf(dialog.macTable()->topLevelItem(1)), (QStringList{"4567", "0 / 2"}));
    QCOMPARE(dialog.macTable()->topLevelItem(1)->data(1, Qt::AccessibleTextRole).toString(), "Hits / Blows: 0 / 2");
}

void TestReviewDialog::winInOne(MainWindow &window, FakeServices &fakes)
{
    HitBlowController *controller = window.hitBlowController();
    GameBoardView *board = window.gameBoardView();
    controller->newGame();
    for (const char *digit : {"1", "2", "3", "4"})
        board->keyDown(digit, digit);
    fakes.scheduler.advance(10);
    board->keyDown("\r", "\r");
    fakes.scheduler.advance(0.05);
    QCOMPARE(controller->gameStatus(), int(GameStatusUserTurn));
    for (int digit : *controller->macOwnNumbers())
        board->keyDown(QString::number(digit), QString::number(digit));
    board->keyDown("\r", "\r");
    fakes.scheduler.advance(0.05);
    // The drawing pass that shows the result moves the match on to the result shown.
    controller->setGameStatus(GameStatusResultShown);
    window.matchAssistant()->refresh();
}

void TestReviewDialog::opensWhereAMatchEnds_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Review in the status bar") << "button";
    QTest::newRow("Game > Review Last Match") << "menu";
    QTest::newRow("its shortcut on the board") << "Ctrl+E";
    QTest::newRow("the latest stored, at the next start") << "restart";
    // Pressed at the first frame, before the database has answered: it used to be lost.
    QTest::newRow("the latest stored, Ctrl+E at once") << "restart, Ctrl+E at once";
    // A match given up since is stored last; the review is still of the decided one.
    QTest::newRow("the latest decided, at the next start after an abandoned one") << "restart, abandoned last";
}

void TestReviewDialog::opensWhereAMatchEnds()
{
    QFETCH(QString, way);
    storeUserDefaults({{"AutoCheck", 1}});
    auto fakes = std::make_unique<FakeServices>();
    auto window = std::make_unique<MainWindow>(fakes->services());
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QPushButton *button = window->matchStatusBar()->reviewButton();
    QAction *command = window->reviewLastMatchAction();
    // Nothing decided yet, in this run or stored.
    QTRY_VERIFY(!command->isEnabled());
    QVERIFY(!button->isVisibleTo(window.get()));

    winInOne(*window, *fakes);
    QVERIFY(button->isVisibleTo(window.get()));
    QVERIFY(command->isEnabled());
    catchNextReview();
    if (way.startsWith("restart")) {
        StatisticsKeeper &keeper = window->matchAssistant()->statisticsKeeper();
        if (way == "restart, abandoned last") {
            const MatchRecord abandoned = matchOf("0123 0-2, 4567 1-0", MatchOutcome::Abandoned, 1);
            QVERIFY(keeper.askAndWait<bool>([abandoned](StatisticsStore &store) { return store.append({abandoned}); }));
        }
        keeper.waitForWrites();
        window.reset();
        window = std::make_unique<MainWindow>(fakes->services());
        if (way == "restart, Ctrl+E at once") {
            connect(window.get(), &MainWindow::firstFrameShown, this, [&window] {
                QTest::keyClick(window->gameBoardView(), Qt::Key_E, Qt::ControlModifier);
            });
        }
        QSignalSpy firstFrame(window.get(), &MainWindow::firstFrameShown);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTRY_COMPARE(firstFrame.count(), 1);
        command = window->reviewLastMatchAction();
        QVERIFY(command->isEnabled());
    }
    if (way == "button")
        QTest::mouseClick(button, Qt::LeftButton);
    else if (way == "Ctrl+E")
        QTest::keyClick(window->gameBoardView(), Qt::Key_E, Qt::ControlModifier);
    else if (way != "restart, Ctrl+E at once")
        command->trigger();
    QTRY_COMPARE(m_caughtTurns, 1);
}

void TestReviewDialog::opensFromTheStatisticsList_data()
{
    QTest::addColumn<bool>("kept");       // the match's turns were kept
    QTest::addColumn<bool>("doubleClick"); // or else Return
    QTest::newRow("double-click") << true << true;
    QTest::newRow("Return") << true << false;
    QTest::newRow("an older match without turns, double-click") << false << true;
    QTest::newRow("an older match without turns, Return") << false << false;
}

void TestReviewDialog::opensFromTheStatisticsList()
{
    QFETCH(bool, kept);
    QFETCH(bool, doubleClick);
    QTemporaryDir folder;
    StatisticsKeeper keeper(folder.filePath("statistics.sqlite"));
    MatchRecord match = matchOf("0123 0-2, 4567 1-0", MatchOutcome::Abandoned, 1);
    if (!kept)
        match.turns = {};
    QVERIFY(keeper.askAndWait<bool>([match](StatisticsStore &store) { return store.append({match}); }));

    StatisticsDialog statistics(keeper, 1);
    statistics.show();
    QVERIFY(QTest::qWaitForWindowActive(&statistics));
    QTreeWidget *list = statistics.latestMatches();
    QTRY_COMPARE(list->topLevelItemCount(), 1);
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    catchNextReview();
    if (doubleClick) {
        const QPoint centre = list->visualItemRect(list->topLevelItem(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    } else {
        QTest::keyClick(list, Qt::Key_Return);
    }
    QCOMPARE(m_caughtTurns, kept ? 2 : -1);
    // Return on a match never closes the statistics.
    QVERIFY(statistics.isVisible());
}

QTEST_MAIN(TestReviewDialog)
#include "tst_reviewdialog.moc"
