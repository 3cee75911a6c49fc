// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBoxAlert.h"
#include "platform/ModalRun.h"
#include "platform/QtScheduler.h"
#include "platform/QtSoundPlayer.h"

#include "ManualScheduler.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <limits>

// The Qt implementations of the platform services, and the manual clock the unit tests rely on.
class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void delayedCallRunsOnceAfterItsDelay_data();
    void delayedCallRunsOnceAfterItsDelay();
    void cancelDropsOnlyThatActionOnThatTarget();
    void callsFallingDueDuringModalRunWaitForItsEnd();
    void anyModalWindowHoldsTheCalls_data();
    void anyModalWindowHoldsTheCalls();
    void callMayRescheduleAndCancelWhileRunning();
    void unusableDelaysRunAtOnce_data();
    void unusableDelaysRunAtOnce();
    void alertIsModalWithOneOkButton();
    void missingSoundPlaysNothing();
    void manualClockRunsCallsInTimeOrder();
    void callsDieWithTheirTarget_data();
    void callsDieWithTheirTarget();
};

void TestPlatform::delayedCallRunsOnceAfterItsDelay_data()
{
    QTest::addColumn<double>("seconds");
    QTest::newRow("an OK key's press") << 0.05;
    QTest::newRow("the pause at the fastest rhythm") << 0.25;
}

// A call runs no sooner than its delay and not much later; the upper bound leaves a loaded
// machine a whole second.
void TestPlatform::delayedCallRunsOnceAfterItsDelay()
{
    QFETCH(double, seconds);
    QtScheduler scheduler;
    int runs = 0;
    qint64 ranAfter = -1;
    QElapsedTimer elapsed;
    elapsed.start();
    scheduler.performAfterDelay(this, "tick", seconds, [&] {
        ++runs;
        ranAfter = elapsed.elapsed();
    });
    QTRY_COMPARE(runs, 1);
    const qint64 delay = qRound64(seconds * 1000);
    QVERIFY2(ranAfter >= delay - 5 && ranAfter <= delay + 1000, qPrintable(QString::number(ranAfter)));
    QTest::qWait(80);
    QCOMPARE(runs, 1);
}

void TestPlatform::cancelDropsOnlyThatActionOnThatTarget()
{
    QtScheduler scheduler;
    QObject other;
    QStringList ran;
    scheduler.performAfterDelay(this, "didOK", 0.01, [&] { ran << "didOK 1"; });
    scheduler.performAfterDelay(this, "didOK", 0.02, [&] { ran << "didOK 2"; });
    scheduler.performAfterDelay(this, "upOKBtn", 0.01, [&] { ran << "upOKBtn"; });
    scheduler.performAfterDelay(&other, "didOK", 0.01, [&] { ran << "other didOK"; });
    scheduler.cancelPrevious(this, "didOK");
    QTest::qWait(60);
    ran.sort();
    QCOMPARE(ran, (QStringList{"other didOK", "upOKBtn"}));

    scheduler.performAfterDelay(this, "a", 0.01, [&] { ran << "a"; });
    scheduler.performAfterDelay(this, "b", 0.01, [&] { ran << "b"; });
    scheduler.cancelAll(this);
    QTest::qWait(40);
    QCOMPARE(ran.size(), 2);
}

// A handler that opens an alert runs to its end before any delayed call: calls falling due while
// the alert's own event loop runs wait until it has closed.
void TestPlatform::callsFallingDueDuringModalRunWaitForItsEnd()
{
    QtScheduler scheduler;
    QStringList events;
    scheduler.performAfterDelay(this, "late", 0.01, [&] { events << "delayed call"; });
    {
        ModalRun modal;
        QTest::qWait(50);
        events << "modal run ends";
    }
    events << "handler ends";
    QTRY_COMPARE(events.size(), 3);
    QCOMPARE(events, (QStringList{"modal run ends", "handler ends", "delayed call"}));

    // Nested runs: nothing runs until the outermost one ends.
    scheduler.performAfterDelay(this, "late", 0.0, [&] { events << "second call"; });
    {
        ModalRun outer;
        {
            ModalRun inner;
            QTest::qWait(20);
        }
        QTest::qWait(20);
        QCOMPARE(events.size(), 3);
    }
    QTRY_COMPARE(events.size(), 4);
}

// A dialog that nobody marked as a modal run holds the calls all the same, until the handler
// that opened it has run to its end; and a call's owner takes its calls with it.
void TestPlatform::anyModalWindowHoldsTheCalls_data()
{
    QTest::addColumn<bool>("overAWindow");
    QTest::newRow("dialog over the game's window") << true;
    QTest::newRow("dialog of its own") << false;
}

void TestPlatform::anyModalWindowHoldsTheCalls()
{
    QFETCH(bool, overAWindow);
    QWidget window;
    window.show();
    QtScheduler scheduler;
    QStringList events;
    auto owner = std::make_unique<QObject>();
    scheduler.performAfterDelay(this, "late", 0.01, [&] { events << "delayed call"; });
    scheduler.performAfterDelay(owner.get(), "late", 0.01, [&] { events << "call of a destroyed owner"; });
    owner.reset();
    QDialog dialog(overAWindow ? &window : nullptr);
    QTimer::singleShot(60, &dialog, [&] {
        QVERIFY(ModalRun::isActive());
        dialog.accept();
        events << "dialog closed";
    });
    dialog.exec();
    events << "handler ends";
    QTRY_COMPARE(events.size(), 3);
    QCOMPARE(events, (QStringList{"dialog closed", "handler ends", "delayed call"}));
    QVERIFY(!ModalRun::isActive());
}

void TestPlatform::callMayRescheduleAndCancelWhileRunning()
{
    QtScheduler scheduler;
    int runs = 0;
    std::function<void()> again = [&] {
        ++runs;
        scheduler.cancelPrevious(this, "tick");
        if (runs < 3)
            scheduler.performAfterDelay(this, "tick", 0.0, again);
    };
    scheduler.performAfterDelay(this, "tick", 0.0, again);
    QTRY_COMPARE(runs, 3);
    QTest::qWait(20);
    QCOMPARE(runs, 3);
}

void TestPlatform::unusableDelaysRunAtOnce_data()
{
    QTest::addColumn<double>("seconds");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -1.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
}

void TestPlatform::unusableDelaysRunAtOnce()
{
    QFETCH(double, seconds);
    QtScheduler scheduler;
    bool ran = false;
    scheduler.performAfterDelay(this, "tick", seconds, [&] { ran = true; });
    QTRY_VERIFY_WITH_TIMEOUT(ran, 500);
}

void TestPlatform::alertIsModalWithOneOkButton()
{
    QWidget window;
    window.show();
    MessageBoxAlert alert(&window);
    QString shownText;
    QString shownDetails;
    QString shownTitle;
    int buttons = 0;
    bool wasModal = false;
    bool modalRunActive = false;
    QString title;
    QTimer::singleShot(50, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        wasModal = box->isModal();
        modalRunActive = ModalRun::isActive();
        shownText = box->text();
        shownDetails = box->informativeText();
        shownTitle = box->windowTitle();
        buttons = box->buttons().size();
        box->buttons().first()->click();
    });
    QApplication::setApplicationDisplayName(QStringLiteral("Hit & Blow"));
    alert.runModal(QStringLiteral("Your decision is wrong"), QStringLiteral("You typed hits: 2, blows: 0."));
    QCOMPARE(shownText, QStringLiteral("Your decision is wrong"));
    QCOMPARE(shownDetails, QStringLiteral("You typed hits: 2, blows: 0."));
    QCOMPARE(shownTitle, QStringLiteral("Hit & Blow"));
    QCOMPARE(buttons, 1);
    // Titled with the game's name alone, which the platform does not repeat after a dash.
    QCOMPARE(title, QGuiApplication::applicationDisplayName());
    QVERIFY(wasModal);
    QVERIFY(modalRunActive);
    QVERIFY(!ModalRun::isActive());
}

void TestPlatform::missingSoundPlaysNothing()
{
    QtSoundPlayer sounds;
    sounds.play(QStringLiteral("no such sound"));
    sounds.play(QString());
    sounds.beep();
}

void TestPlatform::manualClockRunsCallsInTimeOrder()
{
    ManualScheduler scheduler;
    QStringList ran;
    scheduler.performAfterDelay(this, "b", 1.0, [&] { ran << "b"; });
    scheduler.performAfterDelay(this, "a", 0.5, [&] {
        ran << "a";
        scheduler.performAfterDelay(this, "c", 0.25, [&] { ran << "c"; });
    });
    scheduler.advance(0.4);
    QVERIFY(ran.isEmpty());
    scheduler.advance(0.6);
    QCOMPARE(ran, (QStringList{"a", "c", "b"}));
    QCOMPARE(scheduler.now(), 1.0);
}

// However its target goes (deleted, a window closed with WA_DeleteOnClose, while its signals
// were blocked or cut), none of its calls runs afterwards: they would reach freed memory.
void TestPlatform::callsDieWithTheirTarget_data()
{
    QTest::addColumn<bool>("manualClock");
    QTest::addColumn<QString>("how");
    for (bool manual : {false, true}) {
        const char *clock = manual ? "manual clock: " : "Qt timers: ";
        for (const char *how : {"deleted", "window closed", "signals blocked", "signals cut", "another at its place"})
            QTest::newRow(qPrintable(QString(clock) + how)) << manual << QString(how);
    }
}

void TestPlatform::callsDieWithTheirTarget()
{
    QFETCH(bool, manualClock);
    QFETCH(QString, how);
    std::unique_ptr<Scheduler> scheduler;
    if (manualClock)
        scheduler = std::make_unique<ManualScheduler>();
    else
        scheduler = std::make_unique<QtScheduler>();
    QStringList ran;
    auto *window = new QWidget;
    scheduler->performAfterDelay(window, "didOK", 0.01, [&] { ran << "call of the closed window"; });
    scheduler->performAfterDelay(this, "didOK", 0.02, [&] { ran << "call of a live target"; });
    if (how == "signals blocked") {
        window->blockSignals(true);
    } else if (how == "signals cut") {
        window->disconnect();
    } else if (how == "window closed") {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        window->close();
    }
    if (how != "window closed")
        delete window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (how == "another at its place") {
        // A new object at the address of the old one keeps only its own calls.
        auto *again = new QWidget;
        scheduler->performAfterDelay(again, "later", 0.03, [&] { ran << "call of the new target"; });
        scheduler->performAfterDelay(again, "later", 0.03, [&] { ran << "second call of the new target"; });
        delete again;
        scheduler->performAfterDelay(this, "last", 0.04, [&] { ran << "last"; });
    }
    if (auto *manual = dynamic_cast<ManualScheduler *>(scheduler.get()))
        manual->advance(1.0);
    else
        QTest::qWait(150);
    QStringList expected{"call of a live target"};
    if (how == "another at its place")
        expected << "last";
    QCOMPARE(ran, expected);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
