// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnixSignalQuitter.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr std::array kQuitSignals{SIGTERM, SIGINT, SIGHUP};

// The handler writes into the first socket, the notifier watches the second; -1 when no quitter
// is installed.
int signalSockets[2] = {-1, -1};
std::array<struct sigaction, kQuitSignals.size()> previousActions{};
// Set by the handler: a lock-free atomic is safe to store to there.
std::atomic<bool> signalled = false;
static_assert(std::atomic<bool>::is_always_lock_free);
} // namespace

UnixSignalQuitter::UnixSignalQuitter(QObject *parent)
    : QObject(parent)
{
    if (signalSockets[0] != -1) {
        qWarning("Termination signals are already watched; a second watcher is not installed.");
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        qWarning("Cannot watch for termination signals: %s", std::strerror(errno));
        signalSockets[0] = signalSockets[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalQuitter::quitOnSignal);

    struct sigaction action = {};
    action.sa_handler = &UnixSignalQuitter::handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i)
        ::sigaction(kQuitSignals[i], &action, &previousActions[i]);
}

UnixSignalQuitter::~UnixSignalQuitter()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i)
        ::sigaction(kQuitSignals[i], &previousActions[i], nullptr);
    delete m_notifier;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
    signalled = false;
}

bool UnixSignalQuitter::quitRequested()
{
    return signalled;
}

void UnixSignalQuitter::handleSignal(int)
{
    // Only async-signal-safe calls here. A full socket already holds a byte that will quit.
    const int savedErrno = errno;
    signalled = true;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

void UnixSignalQuitter::quitOnSignal()
{
    char bytes[64];
    while (::read(signalSockets[1], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::quit();
}
