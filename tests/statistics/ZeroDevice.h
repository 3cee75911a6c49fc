// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <sys/sysmacros.h>

// Makes at path, in a test's own folder, a character device with the major and minor numbers 1
// and 5 (the zero device's): a file that is endless zeros when read. Only root may make one, and a
// container may refuse even root; the returned text is then why (for QSKIP), else it is empty.
inline QString makeZeroDevice(const QString &path)
{
    if (::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 5)) == 0)
        return {};
    const QString why = QString::fromLocal8Bit(std::strerror(errno));
    return QStringLiteral("a device cannot be made here (%1), which needs root").arg(why);
}
