// SPDX-License-Identifier: GPL-3.0-or-later
// Peak resident memory of the game's window in a match while it is resized fifty times to
// different sizes up to 1920 x 1080: every size draws the board afresh, and what the drawing keeps
// (rendered artwork, text shadows) must stay bounded however often the window changes size.
// Prints figures; it fails only when the match cannot be reached.
#include "GameBoardView.h"
#include "HitBlowController.h"
#include "ui/MainWindow.h"

#include "Fakes.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A field of /proc/self/status in megabytes: VmHWM is the peak resident memory, VmRSS the current.
double statusMegabytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    FakeServices fakes;
    MainWindow window(fakes.services());
    window.resize(640, 480);
    window.show();
    window.newGameAction()->trigger();
    for (const char *digit : {"1", "2", "3", "4"})
        window.gameBoardView()->keyDown(QString::fromLatin1(digit), QString::fromLatin1(digit));
    fakes.scheduler.advance(2.0);
    if (window.hitBlowController()->gameStatus() != GameStatusCheckHitBlow) {
        std::fprintf(stderr, "bench_memory: the match did not start\n");
        return 1;
    }
    window.repaint();
    QCoreApplication::processEvents();
    const double atStart = statusMegabytes("VmHWM");

    // Fifty different sizes between 640 x 480 and 1920 x 1080, the largest first.
    constexpr int kResizes = 50;
    for (int i = 0; i < kResizes; ++i) {
        const QSize size(1920 - (i * 263) % 1281, 1080 - (i * 137) % 601);
        window.resize(size);
        QCoreApplication::processEvents();
        window.repaint();
    }
    const double peak = statusMegabytes("VmHWM");
    std::printf("bench_memory (device pixel ratio %.0f): peak resident memory %.1f MB after the first "
                "frame of a match, %.1f MB after %d resizes up to 1920 x 1080 (target < 60 MB); "
                "resident now %.1f MB\n",
                window.devicePixelRatioF(), atStart, peak, kResizes, statusMegabytes("VmRSS"));
    return 0;
}
