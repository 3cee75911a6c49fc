// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindow.h"
#include "ui/Translations.h"
#include "platform/MessageBoxAlert.h"
#include "platform/QtScheduler.h"
#include "platform/QtSoundPlayer.h"
#include "platform/RandomSource.h"
#include "platform/UnixSignalQuitter.h"

#include <QApplication>
#include <QThreadPool>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kPoolWorkGraceMs = 1000;
} // namespace

int main(int argc, char *argv[])
{
    // Qt looks for a screen reader once, when the application object is made; this makes it join
    // the accessibility bus anyway, so that a screen reader started later finds the game. Without
    // that bus (no desktop session) it costs nothing. A value set beforehand is kept.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HitBlow"));
    QApplication::setApplicationDisplayName(QStringLiteral("Hit & Blow"));
    QApplication::setApplicationVersion(QStringLiteral(HITBLOW_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.hitblow.HitBlow"));
    // SIGTERM, SIGINT and SIGHUP quit through the main loop, so the settings are stored on the way.
    UnixSignalQuitter signalQuitter;

    Translations translations;
    translations.install(QLocale());

    int code = 0;
    {
        QtScheduler scheduler;
        QtSoundPlayer sounds;
        MessageBoxAlert alert;
        const Services services{scheduler, sounds, alert, RandomSource::processWide()};

        MainWindow window(services);
        alert.setParentWidget(&window);
        // The title screen plays no sound: the audio back-end is connected after its first frame.
        QObject::connect(&window, &MainWindow::firstFrameShown, &sounds, &QtSoundPlayer::load);
        window.show();
        code = app.exec();
    }
    // Everything worth keeping is stored by now. Work left on the pool's threads is a review whose
    // window has gone, told to stop at its search's next step: after a moment the game ends without
    // waiting for it (and without the process's destructors, which it may still be reading).
    if (!QThreadPool::globalInstance()->waitForDone(kPoolWorkGraceMs)) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
