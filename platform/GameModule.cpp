// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QFunctionPointer GameModule::resolve(const QString &baseName, const char *symbol, QString *error)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString folders[] = {programDir.path(), programDir.filePath(QStringLiteral("..")),
                               programDir.filePath(QStringLiteral(HITBLOW_MODULE_DIR))};
    QString failures;
    for (const QString &folder : folders) {
        QLibrary module(QDir(folder).filePath(baseName));
        if (const QFunctionPointer entry = module.resolve(symbol))
            return entry;
        failures += QStringLiteral("\n  ") + module.errorString();
    }
    if (error)
        *error = failures;
    return nullptr;
}
