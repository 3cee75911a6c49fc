#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/MessageBoxAlert.h"
#include "platform/QtScheduler.h"
#include "platform/QtSoundPlayer.h"
#include "platform/RandomSource.h"

#include <QApplication>
#include <QMainWindow>
#include <QShortcut>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hit & Blow"));

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
    PrefWindowController prefs;
    controller.setGameBoardView(board);
    controller.setPrefWindowController(&prefs);
    board->setHitBlowController(&controller);
    board->setPrefWindowController(&prefs);

    auto *newGame = new QShortcut(QKeySequence::New, &window);
    QObject::connect(newGame, &QShortcut::activated, [&controller] { controller.newGame(); });

    controller.awakeFromNib();
    prefs.awakeFromNib();
    window.show();
    return app.exec();
}
