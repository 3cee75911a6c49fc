// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardView.h"
#include "HitBlowController.h"
#include "ui/MainWindow.h"
#include "ui/MatchAssistant.h"
#include "ui/MatchStatusBar.h"
#include "match/Notepad.h"
#include "platform/UserDefaults.h"
#include "ui/NotepadPanel.h"
#include "access/LiveAnnouncer.h"

#include "Fakes.h"
#include "SavedMatches.h"
#include "StoredDefaults.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {
// The page as rows of digit marks: "3:x.o." is 3 marked not here, -, here, - ; a "-" after the
// digit marks it out of the number.
QStringList rowsOf(const Notepad &notepad)
{
    QStringList rows;
    for (int digit = 0; digit < Notepad::kDigits; ++digit) {
        QString row = QString::number(digit) + (notepad.isOut(digit) ? "-:" : ":");
        bool marked = notepad.isOut(digit);
        for (int place = 0; place < Notepad::kPlaces; ++place) {
            const Notepad::Mark mark = notepad.mark(digit, place);
            row += mark == Notepad::Mark::Here ? u'o' : mark == Notepad::Mark::NotHere ? u'x' : u'.';
            marked |= mark != Notepad::Mark::Blank;
        }
        if (marked)
            rows << row;
    }
    return rows;
}
// The latest phrase the panel gave screen readers through its notifications.
QString latestSpoken(const NotepadPanel *panel)
{
    for (QObject *child : panel->children()) {
        if (const auto *announcer = dynamic_cast<const LiveAnnouncer *>(child))
            return announcer->latest()->text(QAccessible::Name);
    }
    return QStringLiteral("<no announcer>");
}
} // namespace

// The notepad for deductions: its page (cycling marks, digits out of the number, kept as text
// for a resumed match) and its panel beside the board (mouse, keyboard, accessible names, a
// clean page for every match, nothing ever filled in by the game).
class TestNotepad : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void marksCycle_data();
    void marksCycle();
    void pageSurvivesAsText_data();
    void pageSurvivesAsText();
    void panelByMouseAndKeys_data();
    void panelByMouseAndKeys();
    void newGameClearsAndPlayNeverFills();
    void digitsTypedOnThePageGoToTheBoard();
    void everyCellHasItsOwnName();
    void shortcutClashesWithNothing();
    void cellsFollowTheBoardsScale();
    void notesGoWithTheKeptMatch();

private:
    void showNotepad();
    // Space-separated: "cD,P" clicks the cell of digit D in place P, "dD" clicks digit D,
    // "fD,P" focuses a cell, "space", "up", "down", "left", "right", "x", "esc" are keys sent to
    // the focused widget.
    void play(const QString &script);

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestNotepad::init()
{
    forgetSavedMatch();
    openUserDefaults()->clear();
    m_fakes = std::make_unique<FakeServices>();
    m_window = std::make_unique<MainWindow>(m_fakes->services());
}

void TestNotepad::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

void TestNotepad::marksCycle_data()
{
    QTest::addColumn<int>("cycles");
    QTest::addColumn<QString>("row");
    QTest::newRow("once: not here") << 1 << "7:.x..";
    QTest::newRow("twice: here") << 2 << "7:.o..";
    QTest::newRow("three times: blank again") << 3 << "";
    QTest::newRow("four times: not here again") << 4 << "7:.x..";
}

void TestNotepad::marksCycle()
{
    QFETCH(int, cycles);
    QFETCH(QString, row);
    Notepad notepad;
    for (int i = 0; i < cycles; ++i)
        notepad.cycle(7, 1);
    QCOMPARE(rowsOf(notepad), row.isEmpty() ? QStringList() : QStringList{row});
    QCOMPARE(notepad.isEmpty(), row.isEmpty());
    // Cells beyond the page change nothing.
    notepad.cycle(10, 0);
    notepad.cycle(-1, 2);
    notepad.cycle(3, 4);
    notepad.setOut(10, true);
    QCOMPARE(rowsOf(notepad), row.isEmpty() ? QStringList() : QStringList{row});
}

void TestNotepad::pageSurvivesAsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");
    const QString blankCells(40, u'.');
    const QString blankDigits(10, u'.');
    QTest::newRow("blank page") << "notepad1:" + blankCells + ":" + blankDigits << true;
    QTest::newRow("marks and an out digit") << "notepad1:x.o." + blankCells.mid(4) + ":..x" + blankDigits.mid(3) << true;
    QTest::newRow("other version") << "notepad2:" + blankCells + ":" + blankDigits << false;
    QTest::newRow("a cell short") << "notepad1:" + blankCells.mid(1) + ":" + blankDigits << false;
    QTest::newRow("unknown mark") << "notepad1:?" + blankCells.mid(1) + ":" + blankDigits << false;
    QTest::newRow("digit marked here") << "notepad1:" + blankCells + ":o" + blankDigits.mid(1) << false;
    QTest::newRow("nothing") << "" << false;
}

void TestNotepad::pageSurvivesAsText()
{
    QFETCH(QString, text);
    QFETCH(bool, taken);
    Notepad notepad;
    notepad.cycle(9, 3);
    notepad.setOut(4, true);
    const QStringList before = rowsOf(notepad);
    QCOMPARE(notepad.restore(text), taken);
    if (!taken) {
        QCOMPARE(rowsOf(notepad), before);
        return;
    }
    QCOMPARE(notepad.serialise(), text);
    Notepad copy;
    QVERIFY(copy.restore(notepad.serialise()));
    QCOMPARE(rowsOf(copy), rowsOf(notepad));
}

void TestNotepad::showNotepad()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QVERIFY(!m_window->notepadAction()->isChecked());
    QVERIFY(!m_window->notepadPanel());
    const QSize boardSize = m_window->gameBoardView()->size();
    m_window->notepadAction()->trigger();
    QVERIFY(m_window->notepadPanel());
    QTRY_VERIFY(m_window->notepadPanel()->isVisible());
    QTRY_COMPARE(m_window->gameBoardView()->size(), boardSize);
    QCOMPARE(storedInt(*openUserDefaults(), "NotepadVisible"), std::optional<int>(1));
    QCOMPARE(QApplication::focusWidget(), m_window->gameBoardView());
}

void TestNotepad::play(const QString &script)
{
    NotepadPanel *panel = m_window->notepadPanel();
    static const QHash<QString, Qt::Key> keys{{"space", Qt::Key_Space}, {"up", Qt::Key_Up}, {"down", Qt::Key_Down},
                                              {"left", Qt::Key_Left},   {"right", Qt::Key_Right}, {"x", Qt::Key_X},
                                              {"esc", Qt::Key_Escape}};
    for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
        if (keys.contains(token)) {
            QTest::keyClick(QApplication::focusWidget(), keys.value(token));
            continue;
        }
        const QStringList at = token.mid(1).split(u',');
        if (token.startsWith(u'c')) {
            QTest::mouseClick(panel->cellButton(at[0].toInt(), at[1].toInt()), Qt::LeftButton);
        } else if (token.startsWith(u'd')) {
            QTest::mouseClick(panel->digitButton(at[0].toInt()), Qt::LeftButton);
        } else {
            QVERIFY2(token.startsWith(u'f'), qPrintable(token));
            panel->cellButton(at[0].toInt(), at[1].toInt())->setFocus(Qt::TabFocusReason);
        }
    }
}

void TestNotepad::panelByMouseAndKeys_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("boardFocused");
    // What a screen reader is told of the last change, in the row the keyboard is in.
    QTest::addColumn<QString>("said");
    QTest::newRow("click: not here") << "c3,0" << QStringList{"3:x..."} << true << "";
    QTest::newRow("two clicks: here") << "c3,0 c3,0" << QStringList{"3:o..."} << true << "";
    QTest::newRow("digit clicked: out") << "d5" << QStringList{"5-:...."} << true << "";
    QTest::newRow("digit clicked twice: back in") << "d5 d5" << QStringList{} << true << "";
    QTest::newRow("space cycles the focused cell")
        << "f2,1 space space" << QStringList{"2:.o.."} << false << "2 in place 2: here";
    QTest::newRow("arrows move, then space")
        << "f2,1 down right space" << QStringList{"3:..x."} << false << "3 in place 3: not here";
    QTest::newRow("arrows stop at the edges")
        << "f0,3 up right space" << QStringList{"0:...x"} << false << "0 in place 4: not here";
    QTest::newRow("left reaches the digit") << "f6,0 left space" << QStringList{"6-:...."} << false
                                            << "6: not in the number";
    QTest::newRow("x marks the row's digit out") << "f8,2 x" << QStringList{"8-:...."} << false
                                                 << "8: not in the number";
    QTest::newRow("x in digit 0's row") << "f0,1 x" << QStringList{"0-:...."} << false << "0: not in the number";
    QTest::newRow("escape goes back to the board") << "f8,2 space esc" << QStringList{"8:..x."} << true
                                                   << "8 in place 3: not here";
}

void TestNotepad::panelByMouseAndKeys()
{
    QFETCH(QString, script);
    QFETCH(QStringList, rows);
    QFETCH(bool, boardFocused);
    QFETCH(QString, said);
    showNotepad();
    play(script);
    QCOMPARE(latestSpoken(m_window->notepadPanel()), said);
    QCOMPARE(rowsOf(m_window->matchAssistant()->notepad()), rows);
    // What the page holds is what the cells show and say.
    for (const QString &row : rows) {
        const int digit = row[0].digitValue();
        for (int place = 0; place < Notepad::kPlaces; ++place) {
            const QChar mark = row[row.indexOf(u':') + 1 + place];
            const QString shown = m_window->notepadPanel()->cellButton(digit, place)->text();
            QCOMPARE(shown, mark == u'x' ? "✗" : mark == u'o' ? "●" : "");
            const QString name = m_window->notepadPanel()->cellButton(digit, place)->accessibleName();
            QVERIFY2(name.endsWith(mark == u'x' ? "not here" : mark == u'o' ? ": here" : "no mark"), qPrintable(name));
        }
        QCOMPARE(m_window->notepadPanel()->digitButton(digit)->isChecked(), row.contains(u'-'));
    }
    QCOMPARE(QApplication::focusWidget() == m_window->gameBoardView(), boardFocused);
}

void TestNotepad::newGameClearsAndPlayNeverFills()
{
    showNotepad();
    play("c1,1 c1,1 d7");
    HitBlowController *match = m_window->hitBlowController();
    GameBoardView *board = m_window->gameBoardView();
    match->newGame();
    QVERIFY(m_window->matchAssistant()->notepad().isEmpty());
    QCOMPARE(m_window->notepadPanel()->cellButton(1, 1)->text(), QString());
    QVERIFY(!m_window->notepadPanel()->digitButton(7)->isChecked());

    // A page marked in a match stays through its rounds, and the game adds nothing to it.
    play("c4,2");
    for (const char *digit : {"1", "2", "3", "4"})
        board->keyDown(digit, digit);
    m_fakes->scheduler.advance(10);
    board->keyDown("\r", "\r");
    m_fakes->scheduler.advance(0.05);
    for (const char *digit : {"5", "6", "7", "8", "\r"})
        board->keyDown(digit, digit);
    m_fakes->scheduler.advance(0.05);
    QCOMPARE(rowsOf(m_window->matchAssistant()->notepad()), QStringList{"4:..x."});
}

void TestNotepad::digitsTypedOnThePageGoToTheBoard()
{
    showNotepad();
    HitBlowController *match = m_window->hitBlowController();
    match->newGame();
    // Tab from the board leads into the page first, before the status bar's buttons (shown as
    // once a match is over).
    m_window->matchStatusBar()->playAgainButton()->show();
    m_window->matchStatusBar()->reviewButton()->show();
    m_window->gameBoardView()->setFocus();
    QTest::keyClick(m_window->gameBoardView(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->notepadPanel()->digitButton(0));
    play("f2,1");
    for (const Qt::Key key : {Qt::Key_5, Qt::Key_0, Qt::Key_8, Qt::Key_3})
        QTest::keyClick(QApplication::focusWidget(), key, Qt::NoModifier);
    // The page keeps the keyboard and its marks; the board has the number typed.
    QCOMPARE(QApplication::focusWidget(), m_window->notepadPanel()->cellButton(2, 1));
    QVERIFY(m_window->matchAssistant()->notepad().isEmpty());
    m_fakes->scheduler.advance(10);
    m_window->gameBoardView()->keyDown("\r", "\r");
    m_fakes->scheduler.advance(0.05);
    QVERIFY(match->userOwnNumbers());
    QCOMPARE(*match->userOwnNumbers(), (NumberSet{5, 0, 8, 3}));
    // The legend under the page names the marks and the keys.
    const auto *legend = m_window->notepadPanel()->findChild<QLabel *>("legend");
    QVERIFY(legend && legend->text().contains("✗") && legend->text().contains("●") && legend->text().contains("Esc"));
}

void TestNotepad::everyCellHasItsOwnName()
{
    showNotepad();
    QSet<QString> names;
    for (int digit = 0; digit < Notepad::kDigits; ++digit) {
        names << m_window->notepadPanel()->digitButton(digit)->accessibleName();
        for (int place = 0; place < Notepad::kPlaces; ++place) {
            const QString name = m_window->notepadPanel()->cellButton(digit, place)->accessibleName();
            QVERIFY(name.startsWith(QString::number(digit)));
            QVERIFY(name.contains(QString::number(place + 1)));
            names << name;
        }
    }
    QCOMPARE(names.size(), 50);
    QVERIFY(!m_window->notepadPanel()->accessibleName().isEmpty());
}

void TestNotepad::shortcutClashesWithNothing()
{
    const QKeySequence shortcut = m_window->notepadAction()->shortcut();
    QVERIFY(!shortcut.isEmpty());
    for (const QAction *action : m_window->findChildren<QAction *>()) {
        if (action != m_window->notepadAction())
            QVERIFY2(action->shortcut() != shortcut, qPrintable(action->objectName()));
    }
    const QMetaEnum standardKeys = QMetaEnum::fromType<QKeySequence::StandardKey>();
    for (int i = 0; i < standardKeys.keyCount(); ++i) {
        const auto key = QKeySequence::StandardKey(standardKeys.value(i));
        QVERIFY2(!QKeySequence::keyBindings(key).contains(shortcut), standardKeys.key(i));
    }
}

// As the number pad does: the board's height sets the scale, and the page's width never feeds back.
void TestNotepad::cellsFollowTheBoardsScale()
{
    showNotepad();
    QToolButton *cell = m_window->notepadPanel()->cellButton(0, 0);
    const int naturalHeight = cell->height();
    const QSize natural = m_window->size();
    m_window->resize(natural * 2);
    QTRY_VERIFY(m_window->gameBoardView()->height() > 1.8 * GameBoardView::kBoardHeight);
    QTRY_VERIFY(cell->height() > 1.6 * naturalHeight);
    const int grownWidth = m_window->notepadPanel()->width();
    // A drag back to the old size: each step may stop at the minimum the grown page sets.
    for (int step = 0; step < 4; ++step) {
        m_window->resize(natural);
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(cell->height(), naturalHeight);
    QTRY_VERIFY(m_window->notepadPanel()->width() < grownWidth);
}

// Marks made in the user's turn are kept with the match at once: the game ended there, the
// resumed match finds them, and the window's own New Game still starts a clean page.
void TestNotepad::notesGoWithTheKeptMatch()
{
    m_window.reset();
    storeUserDefaults({{"AutoCheck", 1}});
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    showNotepad();
    m_window->hitBlowController()->newGame();
    GameBoardView *board = m_window->gameBoardView();
    for (const char *digit : {"1", "2", "3", "4"})
        board->keyDown(digit, digit);
    m_fakes->scheduler.advance(10);
    board->keyDown("\r", "\r");
    m_fakes->scheduler.advance(0.05);
    QCOMPARE(m_window->hitBlowController()->gameStatus(), int(GameStatusUserTurn));
    play("c4,2 c4,2 d7");
    const QStringList notes = rowsOf(m_window->matchAssistant()->notepad());
    QCOMPARE(notes, (QStringList{"4:..o.", "7-:...."}));

    m_window.reset();
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_window->show();
    QVERIFY(m_window->matchAssistant()->notepad().isEmpty());
    QTRY_VERIFY(m_window->resumeMatchAction()->isEnabled());
    m_window->resumeMatchAction()->trigger();
    QCOMPARE(m_window->hitBlowController()->gameStatus(), int(GameStatusUserTurn));
    QCOMPARE(rowsOf(m_window->matchAssistant()->notepad()), notes);
    QTRY_VERIFY(m_window->notepadPanel());
    QCOMPARE(m_window->notepadPanel()->cellButton(4, 2)->text(), QString("●"));
}

QTEST_MAIN(TestNotepad)
#include "tst_notepad.moc"
