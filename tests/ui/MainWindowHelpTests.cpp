// SPDX-License-Identifier: GPL-3.0-or-later
// The help windows and texts of the main window: How to Play, About and the statistics, each a
// real modal window, and what How to Play says.
#include "MainWindowTest.h"

#include <QAccessible>
#include <QLabel>

// How to Play, About and the statistics hold the game's pauses while they are open.
void TestMainWindow::helpWindowsHoldTheGamesPauses_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("title");
    QTest::newRow("how to play") << "actionHowToPlay" << "How to Play";
    QTest::newRow("about") << "actionAbout" << "About Hit & Blow";
    QTest::newRow("statistics") << "actionStatistics" << "Statistics";
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
    QVERIFY(about.contains("Version " HITBLOW_VERSION));
    QVERIFY(about.contains("GPL-3.0-or-later"));

    const QString rules = HowToPlayDialog::rulesText();
    for (const char *expected : {"four hits", "Return", "Backspace", "Ctrl+N", "Ctrl+,", "Hint", "Ctrl+H", "Ctrl+T",
                                 "Show my remaining possibilities", "abandoned", "Ctrl+R", "Resume Match"})
        QVERIFY2(rules.contains(expected), expected);

    // Each section under a heading that a screen reader reaches by Tab and reads with its section.
    HowToPlayDialog dialog;
    QStringList headings;
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        QAccessibleInterface *heading = QAccessible::queryAccessibleInterface(label);
        if (heading->role() != QAccessible::Heading)
            continue;
        QCOMPARE(label->focusPolicy(), Qt::StrongFocus);
        headings << heading->text(QAccessible::Name);
        QVERIFY(heading->text(QAccessible::Description).size() > 20);
        QVERIFY(!heading->text(QAccessible::Description).contains(u'<'));
    }
    QCOMPARE(headings, (QStringList{"Rules", "The board", "Help during a match", "Reviewing a match", "Keys"}));
    QVERIFY(QAccessible::queryAccessibleInterface(dialog.focusWidget())->text(QAccessible::Description)
                .startsWith("You and Mac each hide"));
}
