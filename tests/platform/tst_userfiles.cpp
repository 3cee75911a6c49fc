// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"
#include "platform/UserDefaults.h"
#include "platform/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <optional>

// Makes the file at path to be judged, with anything it points to in folder.
using Maker = std::function<bool(const QString &path, const QString &folder)>;
Q_DECLARE_METATYPE(Maker)

// Where the user's files go (the XDG rules) and which files the game agrees to open: only regular
// files, reached directly or through symbolic links, or missing ones. Each case makes what it needs
// in a folder of its own.
class TestUserFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fileKinds_data();
    void fileKinds();
    void userFolders_data();
    void userFolders();
    void settingsFileInTheWay_data();
    void settingsFileInTheWay();

private:
    // Sets each variable of values (empty: unset) until cleanup() puts the test's own back.
    void setEnvironment(const std::map<QByteArray, QString> &values);

    QTemporaryDir m_folder;
    std::map<QByteArray, std::optional<QByteArray>> m_savedEnvironment;
};

namespace {
bool makeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("[General]\nStrengthLevel=2\n") > 0;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeLink(const QString &target, const QString &path)
{
    return QFile::link(target, path);
}

// A character device like the null device, made in the test's own folder: only root may.
bool makeDevice(const QString &path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
}

bool isDevice(const QString &path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISCHR(status.st_mode);
}
} // namespace

void TestUserFiles::init()
{
    QVERIFY(m_folder.isValid());
}

void TestUserFiles::cleanup()
{
    for (const auto &[name, value] : m_savedEnvironment) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
    m_savedEnvironment.clear();
    QDir folder(m_folder.path());
    for (const QFileInfo &entry : folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

void TestUserFiles::setEnvironment(const std::map<QByteArray, QString> &values)
{
    for (const auto &[name, value] : values) {
        if (!m_savedEnvironment.count(name))
            m_savedEnvironment[name] = qEnvironmentVariableIsSet(name.constData())
                ? std::optional<QByteArray>(qgetenv(name.constData()))
                : std::nullopt;
        if (value.isNull())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), QFile::encodeName(value));
    }
}

void TestUserFiles::fileKinds_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<bool>("needsRoot");
    QTest::newRow("missing") << Maker([](const QString &, const QString &) { return true; }) << "" << false;
    QTest::newRow("link beneath a file") << Maker([](const QString &path, const QString &folder) {
        return makeFile(folder + "/plain") && makeLink(folder + "/plain/file", path);
    }) << "a symbolic link to nothing" << false;
    QTest::newRow("regular file") << Maker([](const QString &path, const QString &) { return makeFile(path); }) << ""
                                  << false;
    QTest::newRow("link to a regular file") << Maker([](const QString &path, const QString &folder) {
        return makeFile(folder + "/dotfile") && makeLink(folder + "/dotfile", path);
    }) << "" << false;
    QTest::newRow("FIFO") << Maker([](const QString &path, const QString &) { return makeFifo(path); }) << "a FIFO"
                          << false;
    QTest::newRow("link to a FIFO") << Maker([](const QString &path, const QString &folder) {
        return makeFifo(folder + "/fifo") && makeLink(folder + "/fifo", path);
    }) << "a FIFO" << false;
    QTest::newRow("folder") << Maker([](const QString &path, const QString &) { return QDir().mkdir(path); })
                            << "a folder" << false;
    QTest::newRow("link to nothing") << Maker([](const QString &path, const QString &folder) {
        return makeLink(folder + "/gone", path);
    }) << "a symbolic link to nothing" << false;
    QTest::newRow("link to itself") << Maker([](const QString &path, const QString &) {
        return makeLink(path, path);
    }) << "a symbolic link to nothing" << false;
    QTest::newRow("link to a device") << Maker([](const QString &path, const QString &folder) {
        return makeDevice(folder + "/device") && makeLink(folder + "/device", path);
    }) << "a device" << true;
}

void TestUserFiles::fileKinds()
{
    QFETCH(Maker, make);
    QFETCH(QString, refusal);
    QFETCH(bool, needsRoot);
    if (needsRoot && ::geteuid() != 0)
        QSKIP("only root can make a device, even in its own folder");
    const QString path = m_folder.filePath("file");
    QVERIFY(make(path, m_folder.path()));
    QCOMPARE(whyNotRegularFile(path), refusal);
    // Beneath a file: missing, for the opening to fail on by itself.
    QCOMPARE(whyNotRegularFile(path + "/beneath"), QString());
}

void TestUserFiles::userFolders_data()
{
    QTest::addColumn<QString>("xdgHome");
    QTest::addColumn<QString>("home");
    // Relative to the test's folder; "" for none.
    QTest::addColumn<QString>("expectedConfig");
    QTest::addColumn<QString>("expectedData");
    const QString unset;
    QTest::newRow("absolute XDG folder") << "/xdg" << "/home/player" << "/xdg" << "/xdg";
    QTest::newRow("absolute XDG folder, no HOME") << "/xdg" << unset << "/xdg" << "/xdg";
    QTest::newRow("XDG unset") << unset << "/home/player" << "/home/player/.config" << "/home/player/.local/share";
    QTest::newRow("XDG empty") << "" << "/home/player" << "/home/player/.config" << "/home/player/.local/share";
    QTest::newRow("XDG relative") << "relative/xdg" << "/home/player" << "/home/player/.config"
                                  << "/home/player/.local/share";
    QTest::newRow("XDG relative, no HOME") << "relative/xdg" << unset << "" << "";
    QTest::newRow("nothing set") << unset << unset << "" << "";
    QTest::newRow("HOME empty") << unset << "" << "" << "";
    QTest::newRow("HOME the root") << unset << "ROOT" << "" << "";
    QTest::newRow("HOME relative") << unset << "home/player" << "" << "";
    QTest::newRow("HOME missing") << unset << "/missing" << "" << "";
}

void TestUserFiles::userFolders()
{
    QFETCH(QString, xdgHome);
    QFETCH(QString, home);
    QFETCH(QString, expectedConfig);
    QFETCH(QString, expectedData);
    QVERIFY(QDir().mkpath(m_folder.filePath("home/player")));
    // Absolute paths of the rows are taken inside the test's folder, which exists.
    const auto placed = [this](const QString &path) {
        return path == "ROOT" ? QStringLiteral("/") : path.startsWith('/') ? m_folder.path() + path : path;
    };
    QDir::setCurrent(m_folder.path());
    setEnvironment({{"XDG_CONFIG_HOME", placed(xdgHome)}, {"XDG_DATA_HOME", placed(xdgHome)}, {"HOME", placed(home)}});
    const auto expected = [&](const QString &path) { return path.isEmpty() ? QString() : placed(path); };
    QCOMPARE(UserFolders::configHome(), expected(expectedConfig));
    QCOMPARE(UserFolders::dataHome(), expected(expectedData));
    QCOMPARE(userDefaultsPath().isEmpty(), expectedConfig.isEmpty());
    QCOMPARE(userDefaultsProblem().isEmpty(), !expectedConfig.isEmpty());
}

void TestUserFiles::settingsFileInTheWay_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<bool>("needsRoot");
    QTest::newRow("FIFO") << Maker([](const QString &path, const QString &) { return makeFifo(path); }) << "config"
                          << false;
    QTest::newRow("FIFO as Qt's lock file") << Maker([](const QString &path, const QString &) {
        return makeFifo(path + ".lock");
    }) << "config" << false;
    QTest::newRow("link to a device") << Maker([](const QString &path, const QString &folder) {
        return makeDevice(folder + "/device") && makeLink(folder + "/device", path);
    }) << "config" << true;
    QTest::newRow("no configuration folder") << Maker([](const QString &, const QString &) { return true; })
                                             << "relative" << false;
}

// The game runs on its defaults, keeps nothing and never writes there, nor anywhere else; the
// opening never blocks (an alarm ends the test if it does).
void TestUserFiles::settingsFileInTheWay()
{
    QFETCH(Maker, make);
    QFETCH(QString, configHome);
    QFETCH(bool, needsRoot);
    if (needsRoot && ::geteuid() != 0)
        QSKIP("only root can make a device, even in its own folder");
    QDir::setCurrent(m_folder.path());
    setEnvironment({{"XDG_CONFIG_HOME", configHome == "relative" ? configHome : m_folder.filePath(configHome)},
                    {"HOME", QString()}});
    const QString path = m_folder.filePath("config/HitBlow/HitBlow.conf");
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(make(path, m_folder.path()));
    const QStringList before = QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
    const QStringList inFolder = QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::System);

    QVERIFY(!userDefaultsProblem().isEmpty());
    ::alarm(20);
    {
        const auto defaults = openUserDefaults();
        QVERIFY(!defaults->contains("StrengthLevel"));
        defaults->setValue("StrengthLevel", 3);
        QVERIFY(synchronize(*defaults));
    }
    ::alarm(0);
    if (needsRoot)
        QVERIFY2(isDevice(m_folder.filePath("device")), "the device was replaced");
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), before);
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::System), inFolder);
}

QTEST_GUILESS_MAIN(TestUserFiles)
#include "tst_userfiles.moc"
