// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test program: a test run by hand, outside CTest, gets folders of its own for
// its settings, data and runtime files, as CTest gives it, instead of the user's. They go when the
// program ends. CTest names the folders it made in HITBLOW_TEST_FOLDERS.
#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> &ownFolders()
{
    static std::unique_ptr<QTemporaryDir> folders;
    return folders;
}

void useOwnFolders()
{
    if (qEnvironmentVariableIsSet("HITBLOW_TEST_FOLDERS"))
        return;
    auto folders = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/hitblow-test-XXXXXX"));
    if (!folders->isValid()) {
        std::fprintf(stderr, "No folder of its own for the test: %s\n", qPrintable(folders->errorString()));
        std::exit(2);
    }
    const QDir root(folders->path());
    for (const char *name : {"config", "data", "runtime"})
        root.mkdir(QString::fromLatin1(name));
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HITBLOW_TEST_FOLDERS", QFile::encodeName(folders->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.filePath(QStringLiteral("runtime"))));
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ownFolders() = std::move(folders);
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(useOwnFolders)
