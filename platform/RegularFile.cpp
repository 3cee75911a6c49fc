// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

QString whyNotRegularFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(name.constData(), &status) != 0)
        return {};
    if (S_ISLNK(status.st_mode) && ::stat(name.constData(), &status) != 0)
        return QCoreApplication::translate("RegularFile", "a symbolic link to nothing");
    if (S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("RegularFile", "a folder");
    if (S_ISFIFO(status.st_mode))
        return QCoreApplication::translate("RegularFile", "a FIFO");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return QCoreApplication::translate("RegularFile", "a device");
    if (S_ISSOCK(status.st_mode))
        return QCoreApplication::translate("RegularFile", "a socket");
    return QCoreApplication::translate("RegularFile", "not a regular file");
}
