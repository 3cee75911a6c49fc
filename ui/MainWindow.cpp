// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "AboutDialog.h"
#include "access/BoardAccessible.h"
#include "access/FloatSliderAccessible.h"
#include "duel/DuelRecord.h"
#include "duel/HotSeatDuel.h"
#include "duel/NetworkDuel.h"
#include "DuelWindow.h"
#include "GameBoardLayout.h"
#include "GameBoardView.h"
#include "HitBlowController.h"
#include "HotSeatSetup.h"
#include "HowToPlayDialog.h"
#include "match/Notepad.h"
#include "MatchAssistant.h"
#include "MatchStatusBar.h"
#include "NetworkDuelDialog.h"
#include "NetworkDuelPanel.h"
#include "NumberPadPanel.h"
#include "platform/UserDefaults.h"
#include "platform/WindowFit.h"
#include "PrefWindowController.h"
#include "ui/NotepadDock.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QtMath>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {
const QString kGeometryKey = QStringLiteral("WindowGeometry");
// The board's smallest text must stay this many device pixels tall to be read.
constexpr double kLegibleTextPixels = 9;
constexpr int kSettingsProblemShownMs = 20000;
} // namespace

MainWindow::MainWindow(const Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);

    BoardAccessible::installFactory();
    FloatSliderAccessible::installFactory();
    m_gameBoardView = new GameBoardView(services, this);
    keepBoardTextLegible();
    m_gameBoardView->installEventFilter(this);
    setCentralWidget(m_gameBoardView);
    m_hitBlowController = std::make_unique<HitBlowController>(services);
    m_prefWindowController = new PrefWindowController(this, this);

    m_hitBlowController->setGameBoardView(m_gameBoardView);
    m_hitBlowController->setPrefWindowController(m_prefWindowController);
    m_gameBoardView->setHitBlowController(m_hitBlowController.get());
    m_gameBoardView->setPrefWindowController(m_prefWindowController);
    m_prefWindowController->setGameBoardView(m_gameBoardView);
    m_prefWindowController->setHitBlowController(m_hitBlowController.get());

    m_matchAssistant = std::make_unique<MatchAssistant>(this, *m_hitBlowController, *m_gameBoardView,
                                                        *m_prefWindowController, services.random);
    m_prefWindowController->setPlayerAidSettings(&m_matchAssistant->aidSettings());
    connect(m_ui->actionNewGame, &QAction::triggered, m_matchAssistant.get(), &MatchAssistant::newGame);
    connect(m_gameBoardView, &GameBoardView::newGameRequested, m_matchAssistant.get(), &MatchAssistant::newGame);
    connect(m_ui->actionResumeMatch, &QAction::triggered, m_matchAssistant.get(), &MatchAssistant::resumeMatch);
    connect(m_ui->actionHint, &QAction::triggered, m_matchAssistant.get(), &MatchAssistant::hint);
    connect(m_ui->actionDailyPuzzle, &QAction::triggered, m_matchAssistant.get(), &MatchAssistant::playDaily);
    connect(m_ui->actionPracticePuzzle, &QAction::triggered, m_matchAssistant.get(), &MatchAssistant::choosePractice);
    connect(m_ui->actionCopyShare, &QAction::triggered, m_matchAssistant.get(), &MatchAssistant::copyShare);
    connect(m_ui->actionDuel, &QAction::triggered, this, &MainWindow::playHotSeatDuel);
    connect(m_ui->actionNetworkDuel, &QAction::triggered, this, &MainWindow::playNetworkDuel);
    connect(m_ui->actionStatistics, &QAction::triggered, m_matchAssistant.get(), &MatchAssistant::showStatistics);
    connect(m_ui->actionReviewLastMatch, &QAction::triggered, m_matchAssistant.get(), &MatchAssistant::reviewLastMatch);
    connect(m_ui->actionPreferences, &QAction::triggered, this, [this] {
        const bool countedBefore = m_prefWindowController->autoCheck() != 0;
        m_prefWindowController->showWindow();
        // Counts turned automatic while Mac's guess waits for them stand typed at once.
        if (!countedBefore && m_hitBlowController->gameStatus() == GameStatusCheckHitBlow)
            m_gameBoardView->typeTrueCountsIfAutomatic();
        m_matchAssistant->refresh();
    });
    connect(m_ui->actionQuit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(m_ui->actionHowToPlay, &QAction::triggered, this, &MainWindow::showHowToPlay);
    connect(m_ui->actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
    // Every normal way out (the Quit command, closing the window, a termination signal) ends the
    // main loop, and the settings are stored on the way. A running match stays kept as it was at
    // its last change of status, to be resumed at the next start.
    connect(qApp, &QCoreApplication::aboutToQuit, m_prefWindowController,
            &PrefWindowController::applicationWillTerminate);

    // The two controllers set themselves up independently of each other, once everything is
    // connected and before the first event reaches the board.
    m_hitBlowController->awakeFromNib();
    m_prefWindowController->awakeFromNib();

    m_matchStatusBar = new MatchStatusBar(this);
    setStatusBar(m_matchStatusBar);
    // Told where the player looks too, for a while, as the statistics' problems are; once the bar
    // is on the screen, since a message shown before would not hide the bar's own text.
    if (const QString problem = userDefaultsProblem(); !problem.isEmpty()) {
        connect(this, &MainWindow::firstFrameShown, m_matchStatusBar,
                [this, problem] { m_matchStatusBar->showMessage(problem, kSettingsProblemShownMs); });
    }
    m_matchAssistant->connectControls(m_matchStatusBar, m_ui->actionHint, m_ui->actionResumeMatch,
                                      m_ui->actionReviewLastMatch, m_ui->actionCopyShare);

    m_numberPadPanel = new NumberPadPanel(this, m_gameBoardView, m_ui->actionNumberPad);
    m_numberPadPanel->setFitWindow([this] { fitBoardToScreen(); });
    // Once a match is over the pad's keys do nothing until the next one: it is dimmed.
    connect(m_matchAssistant.get(), &MatchAssistant::statusShown, m_numberPadPanel, [this](GameStatus status) {
        m_numberPadPanel->setKeysActive(status != GameStatusGameOver && status != GameStatusResultShown);
    });
    m_notepadDock = new NotepadDock(this, m_gameBoardView, m_matchAssistant->notepad(), m_ui->actionNotepad);
    m_notepadDock->setFitWindow([this] { fitBoardToScreen(); });
    // The window opens where and as large as it was left, or else with the board at its natural
    // size between the menu bar and the status bar; either way inside the screen.
    const QByteArray geometry = openUserDefaults()->value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        fitBoardToScreen();
    WindowFit::fitToScreen(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        const auto defaults = openUserDefaults();
        defaults->setValue(kGeometryKey, saveGeometry());
        synchronize(*defaults);
        // Matches that could be saved nowhere, not even beside the database, are named before
        // the game ends.
        const QString lost = m_matchAssistant->statisticsKeeper().finish();
        if (!lost.isEmpty())
            QMessageBox::warning(nullptr, tr("Statistics Lost"), lost);
    });
}

// At its natural size where the screen has room for it, else as large as fits, never smaller
// than its text allows; the number pad scaled alike beside it.
void MainWindow::fitBoardToScreen()
{
    const QSize room = WindowFit::roomForContents(this);
    const QSize natural = m_gameBoardView->sizeHint();
    const int chromeHeight = menuBar()->sizeHint().height() + m_matchStatusBar->sizeHint().height();
    const double padWidth = m_numberPadPanel->widthBesideBoard(1.0);
    const int notepadWidth = m_notepadDock->widthBesideBoard();
    double scale = std::min({1.0, double(room.height() - chromeHeight) / natural.height(),
                             double(room.width() - notepadWidth) / (natural.width() + padWidth)});
    scale = std::max(scale, minimumBoardScale());
    m_numberPadPanel->setPadScale(scale);
    resize(qRound(natural.width() * scale) + m_numberPadPanel->widthBesideBoard(scale) + notepadWidth,
           qRound(natural.height() * scale) + chromeHeight);
}

double MainWindow::minimumBoardScale() const
{
    const QScreen *shownOn = screen();
    const double ratio = shownOn ? shownOn->devicePixelRatio() : 1.0;
    return std::min(1.0, kLegibleTextPixels / (GameBoardLayout::kSmallestFontSize * ratio));
}

// The board's smallest text keeps kLegibleTextPixels device pixels: a screen of a higher pixel
// ratio allows a smaller board.
void MainWindow::keepBoardTextLegible()
{
    const double scale = minimumBoardScale();
    m_gameBoardView->setMinimumSize(qCeil(GameBoardView::kBoardWidth * scale),
                                    qCeil(GameBoardView::kBoardHeight * scale));
}

MainWindow::~MainWindow() = default;

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_gameBoardView && event->type() == QEvent::Paint) {
        m_gameBoardView->removeEventFilter(this);
        // Queued, so that it runs once this drawing is on the screen. The window icon is rendered
        // from SVG at several sizes for the window manager: nothing the first frame needs.
        QTimer::singleShot(0, this, [this] {
            if (windowHandle())
                connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::keepBoardTextLegible);
            setWindowIcon(QIcon(QStringLiteral(":/icons/org.hitblow.HitBlow.svg")));
            m_matchAssistant->findStoredMatches();
            emit firstFrameShown();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction *MainWindow::newGameAction() const
{
    return m_ui->actionNewGame;
}

QAction *MainWindow::preferencesAction() const
{
    return m_ui->actionPreferences;
}

QAction *MainWindow::quitAction() const
{
    return m_ui->actionQuit;
}

QAction *MainWindow::howToPlayAction() const
{
    return m_ui->actionHowToPlay;
}

QAction *MainWindow::aboutAction() const
{
    return m_ui->actionAbout;
}

QAction *MainWindow::resumeMatchAction() const
{
    return m_ui->actionResumeMatch;
}

QAction *MainWindow::hintAction() const
{
    return m_ui->actionHint;
}

QAction *MainWindow::dailyPuzzleAction() const
{
    return m_ui->actionDailyPuzzle;
}

QAction *MainWindow::copyShareAction() const
{
    return m_ui->actionCopyShare;
}

QAction *MainWindow::duelAction() const
{
    return m_ui->actionDuel;
}

QAction *MainWindow::networkDuelAction() const
{
    return m_ui->actionNetworkDuel;
}

QAction *MainWindow::statisticsAction() const
{
    return m_ui->actionStatistics;
}

QAction *MainWindow::reviewLastMatchAction() const
{
    return m_ui->actionReviewLastMatch;
}

QAction *MainWindow::numberPadAction() const
{
    return m_ui->actionNumberPad;
}

QAction *MainWindow::notepadAction() const
{
    return m_ui->actionNotepad;
}

NotepadPanel *MainWindow::notepadPanel() const
{
    return m_notepadDock->panel();
}

NumberPad *MainWindow::numberPad() const
{
    return m_numberPadPanel->numberPad();
}

// Like every modal window of the game, the two help windows hold the game's pauses while open.
// Without a window manager nobody hands the keyboard back to the game when one closes.
void MainWindow::showHowToPlay()
{
    HowToPlayDialog dialog(this);
    dialog.exec();
    activateWindow();
}

void MainWindow::showAbout()
{
    AboutDialog dialog(this);
    WindowFit::fitToScreen(&dialog);
    dialog.exec();
    activateWindow();
}

// The board and its match stay as they are; the duel's windows are modal and hold its pauses.
void MainWindow::playHotSeatDuel()
{
    HotSeatSetup setup(this);
    WindowFit::fitToScreen(&setup);
    if (setup.exec() != QDialog::Accepted) {
        activateWindow();
        return;
    }
    HotSeatDuel duel(setup.playerName(0), setup.secret(0), setup.playerName(1), setup.secret(1));
    keepWhenEnded(duel, 0, false);
    DuelWindow window(duel, this);
    duel.begin();
    WindowFit::fitToScreen(&window);
    window.exec();
    activateWindow();
}

void MainWindow::playNetworkDuel()
{
    static const QString nameKey = QStringLiteral("DuelNetworkName");
    const auto defaults = openUserDefaults();
    NetworkDuelDialog dialog(defaults->value(nameKey).toString(), NetworkDuelPanel::localNetwork(), this);
    WindowFit::fitToScreen(&dialog);
    if (dialog.exec() != QDialog::Accepted) {
        activateWindow();
        return;
    }
    defaults->setValue(nameKey, dialog.panel()->playerName());
    synchronize(*defaults);
    std::unique_ptr<NetworkDuel> duel = dialog.takeDuel();
    keepWhenEnded(*duel, duel->isLocal(0) ? 0 : 1, true);
    DuelWindow window(*duel, this);
    WindowFit::fitToScreen(&window);
    window.exec();
    NetworkDuelDialog::dispose(std::move(duel));
    activateWindow();
}

// Kept from the player's side as soon as it ends, whatever happens to its window then.
void MainWindow::keepWhenEnded(const DuelPlay &duel, int player, bool overNetwork)
{
    auto keep = [this, &duel, player, overNetwork] {
        if (const auto record = duelRecordOf(duel, player, overNetwork, QDateTime::currentDateTimeUtc())) {
            m_matchAssistant->statisticsKeeper().recordDuel(*record);
            m_matchAssistant->refresh();
        }
    };
    // A duel across the network may have ended before its window opened.
    if (duel.result().ending != DuelPlay::Ending::Running)
        keep();
    else
        connect(&duel, &DuelPlay::ended, this, keep, Qt::SingleShotConnection);
}
