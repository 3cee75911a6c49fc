// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString absoluteVariable(const char *name)
{
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

// HOME unset, relative, missing or the root would put the game's folders where they don't belong
// (at "/.config", or under whatever the current folder happens to be).
QString usableHome()
{
    const QString home = absoluteVariable("HOME");
    if (home.isEmpty() || QDir(home).isRoot() || !QFileInfo(home).isDir())
        return {};
    return home;
}

QString userFolder(const char *variable, const QString &underHome)
{
    const QString chosen = absoluteVariable(variable);
    if (!chosen.isEmpty())
        return chosen;
    const QString home = usableHome();
    return home.isEmpty() ? QString() : home + underHome;
}
} // namespace

QString UserFolders::configHome()
{
    return userFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

QString UserFolders::dataHome()
{
    return userFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}
