// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the application through its normal quit path (QCoreApplication::quit(), then aboutToQuit)
// when the process receives SIGTERM, SIGINT or SIGHUP, so that what the game saves at termination
// is saved then too. The handler only writes a byte into a socket pair; the quit happens on the
// main loop when the notifier sees it. At most one quitter is installed at a time; the previous
// handlers come back when it is destroyed.
class UnixSignalQuitter final : public QObject
{
public:
    explicit UnixSignalQuitter(QObject *parent = nullptr);
    ~UnixSignalQuitter() override;
    UnixSignalQuitter(const UnixSignalQuitter &) = delete;
    UnixSignalQuitter &operator=(const UnixSignalQuitter &) = delete;

    // False when the socket pair could not be made or another quitter is installed.
    bool isInstalled() const { return m_notifier != nullptr; }
    // Whether a signal has come to the installed quitter: from then on the game's thread must not
    // wait for anything that can take long, or the quit waits with it.
    static bool quitRequested();

private:
    static void handleSignal(int signalNumber);
    void quitOnSignal();

    QSocketNotifier *m_notifier = nullptr;
};
