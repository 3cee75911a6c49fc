// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/GameIdentity.h"

#include <QFile>
#include <QMutex>
#include <QStringList>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <set>
#include <unistd.h>

namespace {
// The start time of process pid in clock ticks since boot (field 22 of /proc/pid/stat); empty
// where /proc cannot tell.
QString startOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    // The command name, field 2, is in parentheses and may hold spaces.
    const qsizetype nameEnd = line.lastIndexOf(')');
    const QList<QByteArray> fields = line.mid(nameEnd + 2).split(' ');
    // Counted from the third field, the start time is the 20th.
    return nameEnd < 0 || fields.size() < 20 ? QString() : QString::fromLatin1(fields.at(19));
}

QString thisProcess()
{
    static const QString name = QStringLiteral("%1:%2").arg(::getpid()).arg(startOf(::getpid()));
    return name;
}

QMutex liveNamesLock;
std::set<QString> liveNames;
} // namespace

GameIdentity::GameIdentity()
{
    static std::atomic<int> serial = 0;
    m_name = QStringLiteral("%1:%2").arg(thisProcess()).arg(++serial);
    const QMutexLocker locker(&liveNamesLock);
    liveNames.insert(m_name);
}

GameIdentity::~GameIdentity()
{
    const QMutexLocker locker(&liveNamesLock);
    liveNames.erase(m_name);
}

bool GameIdentity::isRunning(const QString &name)
{
    const QStringList parts = name.split(u':');
    bool isNumber = false;
    const qint64 pid = parts.value(0).toLongLong(&isNumber);
    if (parts.size() != 3 || !isNumber || pid <= 0)
        return false;
    if (name.startsWith(thisProcess() + u':')) {
        const QMutexLocker locker(&liveNamesLock);
        return liveNames.count(name) > 0;
    }
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return false;
    // Without a start time to compare, a live process of that id is taken for the game.
    const QString start = startOf(pid);
    return parts.at(1).isEmpty() || start.isEmpty() || start == parts.at(1);
}
