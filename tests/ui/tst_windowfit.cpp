// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardLayout.h"
#include "GameBoardView.h"
#include "ui/MainWindow.h"
#include "ui/NumberPad.h"
#include "ui/ReviewDialog.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"
#include "StoredDefaults.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

// The window on a screen smaller than the board with its panels (run on a 1600 by 900 screen at
// twice the pixel ratio: 800 by 450 in Qt's units): it opens inside the screen with the pad scaled
// like the board, and never shrinks below the size that keeps the board's text legible.
class TestWindowFit : public QObject
{
    Q_OBJECT

private slots:
    void opensInsideTheScreen_data();
    void opensInsideTheScreen();
    void dialogsKeepTheirButtonsOnTheScreen_data();
    void dialogsKeepTheirButtonsOnTheScreen();
    void reviewKeepsItsButtonsOnTheScreen();
};

void TestWindowFit::opensInsideTheScreen_data()
{
    QTest::addColumn<int>("padVisible");
    QTest::addColumn<int>("notepadVisible");
    QTest::newRow("board alone") << 0 << 0;
    QTest::newRow("with the number pad") << 1 << 0;
    QTest::newRow("with both panels") << 1 << 1;
}

void TestWindowFit::opensInsideTheScreen()
{
    QFETCH(int, padVisible);
    QFETCH(int, notepadVisible);
    openUserDefaults()->clear();
    storeUserDefaults({{"NumberPadVisible", padVisible}, {"NotepadVisible", notepadVisible}});
    FakeServices fakes;
    MainWindow window(fakes.services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect available = window.screen()->availableGeometry();
    QCOMPARE(window.devicePixelRatio(), 2.0);
    QVERIFY2(window.frameGeometry().width() <= available.width(), qPrintable(QString::number(window.width())));
    QVERIFY(window.frameGeometry().height() <= available.height());

    // The board shrank to fit, but its smallest text keeps 9 device pixels.
    const GameBoardView *board = window.gameBoardView();
    const double scale = std::min(board->width() / 640.0, board->height() / 480.0);
    QVERIFY2(scale < 1.0, qPrintable(QString::number(scale)));
    QVERIFY(GameBoardLayout::kSmallestFontSize * scale * window.devicePixelRatio() >= 9 - 0.01);
    // The pad follows the board's scale.
    if (padVisible)
        QTRY_COMPARE_WITH_TIMEOUT(qRound(window.numberPad()->scale() * 100), qRound(board->height() / 4.8), 2000);

    // Made as small as it goes, the board still keeps its text legible.
    window.resize(10, 10);
    QTRY_VERIFY(board->width() < 640);
    const double smallest = std::min(board->width() / 640.0, board->height() / 480.0);
    QVERIFY(GameBoardLayout::kSmallestFontSize * smallest * window.devicePixelRatio() >= 9 - 0.01);
}

void TestWindowFit::dialogsKeepTheirButtonsOnTheScreen_data()
{
    QTest::addColumn<QString>("action");
    // Letters this many times their usual size, as on a screen at that scale that is no larger.
    QTest::addColumn<double>("letterScale");
    QTest::newRow("statistics") << "actionStatistics" << 1.0;
    QTest::newRow("how to play") << "actionHowToPlay" << 1.0;
    QTest::newRow("about") << "actionAbout" << 1.0;
    QTest::newRow("preferences") << "actionPreferences" << 1.0;
    QTest::newRow("preferences, letters twice the size") << "actionPreferences" << 2.0;
    QTest::newRow("statistics, letters twice the size") << "actionStatistics" << 2.0;
}

// Each window opened from the menus lies inside the screen, its buttons too (its body scrolls).
void TestWindowFit::dialogsKeepTheirButtonsOnTheScreen()
{
    QFETCH(QString, action);
    QFETCH(double, letterScale);
    const QFont usualFont = QApplication::font();
    const auto restoreFont = qScopeGuard([&] { QApplication::setFont(usualFont); });
    QFont font = usualFont;
    font.setPointSizeF(usualFont.pointSizeF() * letterScale);
    QApplication::setFont(font);
    openUserDefaults()->clear();
    FakeServices fakes;
    MainWindow window(fakes.services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect available = window.screen()->availableGeometry();
    QRect dialogArea;
    QRect buttonsArea;
    QTimer inspector;
    inspector.setInterval(10);
    connect(&inspector, &QTimer::timeout, &window, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        inspector.stop();
        dialogArea = dialog->frameGeometry();
        const QWidget *buttons = dialog->findChild<QDialogButtonBox *>();
        if (!buttons)
            buttons = dialog->findChild<QPushButton *>(QStringLiteral("okButton"));
        if (buttons)
            buttonsArea = QRect(buttons->mapToGlobal(QPoint(0, 0)), buttons->size());
        dialog->reject();
    });
    inspector.start();
    window.findChild<QAction *>(action)->trigger();
    QVERIFY(!dialogArea.isEmpty());
    QVERIFY2(available.contains(dialogArea), qPrintable(QStringLiteral("%1 x %2 at %3, %4").arg(dialogArea.width())
                                                           .arg(dialogArea.height()).arg(dialogArea.x()).arg(dialogArea.y())));
    QVERIFY(!buttonsArea.isEmpty());
    QVERIFY(available.contains(buttonsArea));
}

// The review grows by its chart once the review is worked out, and stays inside the screen.
void TestWindowFit::reviewKeepsItsButtonsOnTheScreen()
{
    const OwnRecords turns = OwnRecords::fromJsonText(
        R"([{"guess":"1234","hits":0,"blows":1},{"guess":"2345","hits":1,"blows":0},)"
        R"({"guess":"3456","hits":0,"blows":2},{"guess":"6308","hits":4,"blows":0}])");
    QCOMPARE(turns.size(), std::size_t(4));
    // Letters twice the size, as on a screen at twice the scale that is no wider.
    const QFont usualFont = QApplication::font();
    const auto restoreFont = qScopeGuard([&] { QApplication::setFont(usualFont); });
    QFont largeFont = usualFont;
    largeFont.setPointSizeF(usualFont.pointSizeF() * 2);
    QApplication::setFont(largeFont);
    ReviewDialog dialog(MatchRecord{QDateTime::currentDateTimeUtc(), 2, MatchOutcome::Won, 4, false, {}, turns});
    dialog.show();
    QTRY_VERIFY_WITH_TIMEOUT(dialog.chart(), 60000);
    const QRect available = dialog.screen()->availableGeometry();
    QVERIFY(available.contains(dialog.frameGeometry()));
    // Its body scrolls: it would fit a screen half as high too (the table and the chart alone
    // need more than that).
    QVERIFY2(dialog.minimumSizeHint().height() <= available.height() / 2,
             qPrintable(QString::number(dialog.minimumSizeHint().height())));
    const auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(available.contains(QRect(buttons->mapToGlobal(QPoint(0, 0)), buttons->size())));
    // Every column in sight without scrolling sideways, the verdict's included.
    const auto *table = dialog.findChild<QTreeWidget *>();
    QVERIFY2(table->header()->length() <= table->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(table->header()->length()).arg(table->viewport()->width())));
}

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
