#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "app/AboutDialog.h"
#include "app/HowToPlayDialog.h"
#include "app/MainWindow.h"
#include "platform/ModalRun.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

// The window as users meet it: its size, its menus and their shortcuts, the wiring of the board
// and the two controllers, and the settings stored on the way out.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithTheBoardAtItsNaturalSize();
    void startsOnTheTitleScreenWithTheBoardFocused();
    void shortcutsReachTheirCommandsWhileTheBoardHasFocus_data();
    void shortcutsReachTheirCommandsWhileTheBoardHasFocus();
    void newGameFromTheMenuStartsAMatchAtAnyStatus();
    void menusFollowTheDesktopConventions();
    void helpWindowsHoldTheGamesPauses_data();
    void helpWindowsHoldTheGamesPauses();
    void helpTextsNameVersionLicenceAndKeys();
    void quittingStoresTheSettings();
    void boardFollowsTheWindowsSize();

private:
    // Closes the next modal window as soon as it is shown, remembering its title and whether a
    // modal run was marked while it was open.
    void rejectNextModalWindow();

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QTimer> m_modalCloser;
    QString m_modalTitle;
    bool m_modalRunWhileOpen = false;
};

void TestMainWindow::init()
{
    openUserDefaults()->clear();
    m_fakes = std::make_unique<FakeServices>();
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    m_modalTitle.clear();
    m_modalRunWhileOpen = false;
}

void TestMainWindow::cleanup()
{
    m_modalCloser.reset();
    m_window.reset();
    m_fakes.reset();
}

void TestMainWindow::rejectNextModalWindow()
{
    m_modalCloser = std::make_unique<QTimer>();
    m_modalCloser->setInterval(10);
    connect(m_modalCloser.get(), &QTimer::timeout, this, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_modalTitle = modal->windowTitle();
        m_modalRunWhileOpen = ModalRun::isActive();
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        m_modalCloser->stop();
    });
    m_modalCloser->start();
}

void TestMainWindow::opensWithTheBoardAtItsNaturalSize()
{
    QSignalSpy firstFrame(m_window.get(), &MainWindow::firstFrameShown);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    QCOMPARE(m_window->centralWidget(), m_window->gameBoardView());
    QCOMPARE(m_window->gameBoardView()->size(), QSize(640, 480));
    // Nothing but the menu bar above the board: the board's top edge is the menu bar's bottom.
    QCOMPARE(m_window->gameBoardView()->geometry().top(), m_window->menuBar()->geometry().bottom() + 1);
    QCOMPARE(m_window->height(), m_window->menuBar()->height() + 480);
    QCOMPARE(m_window->windowTitle(), QString("Hit & Blow"));
    // The icon, rendered from SVG, and the sounds come once the first frame is on the screen.
    QTRY_COMPARE(firstFrame.size(), 1);
    m_window->gameBoardView()->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(firstFrame.size(), 1);
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!m_window->windowIcon().pixmap(64, 64).isNull());
}

void TestMainWindow::startsOnTheTitleScreenWithTheBoardFocused()
{
    QCOMPARE(m_window->hitBlowController()->gameStatus(), int(GameStatusTitle));
    // The settings were loaded before the first event: a stored value is in force at once.
    m_window.reset();
    openUserDefaults()->setValue("CandidatesVisible", 0);
    m_window = std::make_unique<MainWindow>(m_fakes->services());
    QCOMPARE(m_window->prefWindowController()->candidatesVisible(), 0);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), m_window->gameBoardView());
}

void TestMainWindow::shortcutsReachTheirCommandsWhileTheBoardHasFocus_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("action");
    QTest::newRow("new game") << QKeyCombination(Qt::ControlModifier, Qt::Key_N) << "actionNewGame";
    QTest::newRow("preferences") << QKeyCombination(Qt::ControlModifier, Qt::Key_Comma) << "actionPreferences";
    QTest::newRow("quit") << QKeyCombination(Qt::ControlModifier, Qt::Key_Q) << "actionQuit";
    QTest::newRow("how to play") << QKeyCombination(Qt::NoModifier, Qt::Key_F1) << "actionHowToPlay";
    QTest::newRow("number pad") << QKeyCombination(Qt::ControlModifier, Qt::Key_P) << "actionNumberPad";
}

void TestMainWindow::shortcutsReachTheirCommandsWhileTheBoardHasFocus()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, action);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    GameBoardView *board = m_window->gameBoardView();
    QCOMPARE(QApplication::focusWidget(), board);

    auto *command = m_window->findChild<QAction *>(action);
    QVERIFY(command);
    QCOMPARE(command->shortcut(), QKeySequence(keys));
    QSignalSpy triggered(command, &QAction::triggered);
    rejectNextModalWindow();
    QTest::keyClick(board, keys.key(), keys.keyboardModifiers());
    QCOMPARE(triggered.count(), 1);
}

void TestMainWindow::newGameFromTheMenuStartsAMatchAtAnyStatus()
{
    HitBlowController *controller = m_window->hitBlowController();
    m_window->newGameAction()->trigger();
    QCOMPARE(controller->gameStatus(), int(GameStatusChooseNumbers));
    QCOMPARE(controller->restCandidatesCount(), 5040);

    // In the pause before the computer's first guess: the new match drops the pending guess.
    for (int digit : {1, 2, 3, 4})
        m_window->gameBoardView()->keyDown(QString::number(digit), QString::number(digit));
    QCOMPARE(controller->gameStatus(), int(GameStatusMacTurn));
    m_window->newGameAction()->trigger();
    QCOMPARE(controller->gameStatus(), int(GameStatusChooseNumbers));
    m_fakes->scheduler.advance(10);
    QCOMPARE(controller->gameStatus(), int(GameStatusChooseNumbers));
    QVERIFY(controller->macFormerAnswers().empty());
}

void TestMainWindow::menusFollowTheDesktopConventions()
{
    const QList<QAction *> menus = m_window->menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->menu()->actions().first(), m_window->newGameAction());
    QCOMPARE(menus[0]->menu()->actions().last(), m_window->quitAction());
    QVERIFY(menus[0]->menu()->actions().contains(m_window->preferencesAction()));
    QVERIFY(menus[1]->menu()->actions().contains(m_window->numberPadAction()));
    QVERIFY(menus[2]->menu()->actions().contains(m_window->howToPlayAction()));
    QCOMPARE(menus[2]->menu()->actions().last(), m_window->aboutAction());

    QCOMPARE(m_window->preferencesAction()->menuRole(), QAction::PreferencesRole);
    QCOMPARE(m_window->quitAction()->menuRole(), QAction::QuitRole);
    QCOMPARE(m_window->aboutAction()->menuRole(), QAction::AboutRole);
    // Commands that open a window say so.
    QVERIFY(m_window->preferencesAction()->text().endsWith(QChar(0x2026)));
}

void TestMainWindow::helpWindowsHoldTheGamesPauses_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("title");
    QTest::newRow("how to play") << "actionHowToPlay" << "How to Play";
    QTest::newRow("about") << "actionAbout" << "About Hit & Blow";
}

void TestMainWindow::helpWindowsHoldTheGamesPauses()
{
    QFETCH(QString, action);
    QFETCH(QString, title);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    rejectNextModalWindow();
    m_window->findChild<QAction *>(action)->trigger();
    QCOMPARE(m_modalTitle, title);
    QVERIFY(m_modalRunWhileOpen);
    QVERIFY(!ModalRun::isActive());
}

void TestMainWindow::helpTextsNameVersionLicenceAndKeys()
{
    const QString about = AboutDialog::aboutText();
    QVERIFY(about.contains("Hit &amp; Blow"));
    QVERIFY(about.contains("Version 1.0.1"));
    QVERIFY(about.contains("GPL-3.0-or-later"));

    const QString rules = HowToPlayDialog::rulesText();
    for (const char *expected : {"four hits", "Return", "Backspace", "Ctrl+N", "Ctrl+,"})
        QVERIFY2(rules.contains(expected), expected);
}

void TestMainWindow::quittingStoresTheSettings()
{
    const QString file = openUserDefaults()->fileName();
    QFile::remove(file);
    QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));

    QVERIFY(file.endsWith("/HitBlow/HitBlow.conf"));
    QSettings stored(file, QSettings::IniFormat);
    for (const char *key : {"StrengthLevel", "CandidatesVisible", "SoundMode", "AutoCheck", "PlayingRhythm"})
        QVERIFY2(stored.contains(key), key);
}

void TestMainWindow::boardFollowsTheWindowsSize()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->resize(1000, 900);
    QTRY_COMPARE(m_window->gameBoardView()->width(), 1000);
    QCOMPARE(m_window->gameBoardView()->height(), 900 - m_window->menuBar()->height());

    m_window->resize(10, 10);
    QTRY_VERIFY(m_window->gameBoardView()->width() < 1000);
    QVERIFY(m_window->gameBoardView()->width() >= 320);
    QVERIFY(m_window->gameBoardView()->height() >= 240);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
