#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/MessageBoxAlert.h"
#include "platform/QtScheduler.h"
#include "platform/QtSoundPlayer.h"
#include "platform/RandomSource.h"
#include "platform/UnixSignalQuitter.h"

#include <QApplication>
#include <QMainWindow>
#include <QShortcut>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hit & Blow"));
    // SIGTERM, SIGINT and SIGHUP quit through the main loop, so the settings are stored on the way.
    UnixSignalQuitter signalQuitter;

    QtScheduler scheduler;
    QtSoundPlayer sounds;
    MessageBoxAlert alert;
    const Services services{scheduler, sounds, alert, RandomSource::processWide()};

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Hit & Blow"));
    auto *board = new GameBoardView(services);
    window.setCentralWidget(board);
    alert.setParentWidget(&window);

    HitBlowController controller(services);
    PrefWindowController prefs(&window);
    controller.setGameBoardView(board);
    controller.setPrefWindowController(&prefs);
    board->setHitBlowController(&controller);
    board->setPrefWindowController(&prefs);
    prefs.setGameBoardView(board);
    prefs.setHitBlowController(&controller);

    auto *newGame = new QShortcut(QKeySequence::New, &window);
    QObject::connect(newGame, &QShortcut::activated, [&controller] { controller.newGame(); });
    auto *preferences = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), &window);
    QObject::connect(preferences, &QShortcut::activated, &prefs, &PrefWindowController::showWindow);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &prefs, &PrefWindowController::applicationWillTerminate);

    controller.awakeFromNib();
    prefs.awakeFromNib();
    window.show();
    return app.exec();
}
