#include "ui/MainWindow.h"
#include "ui/Translations.h"
#include "platform/MessageBoxAlert.h"
#include "platform/QtScheduler.h"
#include "platform/QtSoundPlayer.h"
#include "platform/RandomSource.h"
#include "platform/UnixSignalQuitter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HitBlow"));
    QApplication::setApplicationDisplayName(QStringLiteral("Hit & Blow"));
    QApplication::setApplicationVersion(QStringLiteral(HITBLOW_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.hitblow.HitBlow"));
    // SIGTERM, SIGINT and SIGHUP quit through the main loop, so the settings are stored on the way.
    UnixSignalQuitter signalQuitter;

    Translations translations;
    translations.install(QLocale());

    QtScheduler scheduler;
    QtSoundPlayer sounds;
    MessageBoxAlert alert;
    const Services services{scheduler, sounds, alert, RandomSource::processWide()};

    MainWindow window(services);
    alert.setParentWidget(&window);
    // The title screen plays no sound: the audio back-end is connected after its first frame.
    QObject::connect(&window, &MainWindow::firstFrameShown, &sounds, &QtSoundPlayer::load);
    window.show();
    return app.exec();
}
