// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/GameSettings.h"
#include "settings/PlayerAidSettings.h"
#include "settings/SettingsTable.h"
#include "platform/UserDefaults.h"

#include "StoredDefaults.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The one table of the seven stored settings: what it declares, and that the preferences' five and
// the player's two aids are read and written through it with the keys and defaults the game has
// always used.
class TestSettingsTable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void declarations_data();
    void declarations();
    void loadedValues_data();
    void loadedValues();
    void gameSettingsWriteTheFiveStoredAtOkAndQuit();
    void aidsAreStoredAtOnce_data();
    void aidsAreStoredAtOnce();
    void twoGamesSharingTheFile_data();
    void twoGamesSharingTheFile();
};

void TestSettingsTable::init()
{
    openUserDefaults()->clear();
}

void TestSettingsTable::declarations_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("defaultValue");
    QTest::addColumn<bool>("storedAtOnce");
    QTest::newRow("strength") << int(Setting::StrengthLevel) << "StrengthLevel" << 1.0 << false;
    QTest::newRow("candidates") << int(Setting::CandidatesVisible) << "CandidatesVisible" << 1.0 << false;
    QTest::newRow("sound") << int(Setting::SoundMode) << "SoundMode" << 1.0 << false;
    QTest::newRow("auto check") << int(Setting::AutoCheck) << "AutoCheck" << 0.0 << false;
    QTest::newRow("rhythm") << int(Setting::PlayingRhythm) << "PlayingRhythm" << 1.0 << false;
    QTest::newRow("own candidates") << int(Setting::ShowOwnCandidates) << "ShowOwnCandidates" << 0.0 << true;
    QTest::newRow("confirm abandon") << int(Setting::ConfirmAbandon) << "ConfirmAbandon" << 1.0 << true;
    QTest::newRow("hard mode") << int(Setting::HardMode) << "HardMode" << 0.0 << true;
}

void TestSettingsTable::declarations()
{
    QFETCH(int, setting);
    QFETCH(QString, key);
    QFETCH(double, defaultValue);
    QFETCH(bool, storedAtOnce);
    const SettingDeclaration &declared = SettingsTable::declaration(Setting(setting));
    QCOMPARE(int(declared.setting), setting);
    QCOMPARE(QString::fromLatin1(declared.key), key);
    QCOMPARE(declared.defaultValue, defaultValue);
    QCOMPARE(declared.storedWhen == SettingDeclaration::AtOnce, storedAtOnce);
    QCOMPARE(SettingsTable::end() - SettingsTable::begin(), 8);
}

void TestSettingsTable::loadedValues_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<double>("loaded");
    QTest::newRow("strength taken") << int(Setting::StrengthLevel) << QVariant(2) << 2.0;
    QTest::newRow("strength 0 taken") << int(Setting::StrengthLevel) << QVariant(0) << 0.0;
    QTest::newRow("strength above the strongest") << int(Setting::StrengthLevel) << QVariant(4) << 1.0;
    QTest::newRow("sound of no number") << int(Setting::SoundMode) << QVariant("loud") << 1.0;
    QTest::newRow("candidates unchecked") << int(Setting::CandidatesVisible) << QVariant(7) << 7.0;
    QTest::newRow("rhythm taken") << int(Setting::PlayingRhythm) << QVariant(2.5) << 2.5;
    QTest::newRow("rhythm 0") << int(Setting::PlayingRhythm) << QVariant(0) << 1.0;
    QTest::newRow("rhythm negative") << int(Setting::PlayingRhythm) << QVariant(-2) << 1.0;
    QTest::newRow("rhythm slowest") << int(Setting::PlayingRhythm) << QVariant(0.25) << 0.25;
    QTest::newRow("rhythm fastest") << int(Setting::PlayingRhythm) << QVariant(4) << 4.0;
    QTest::newRow("rhythm 0.01: no guess for minutes") << int(Setting::PlayingRhythm) << QVariant("0.01") << 1.0;
    QTest::newRow("rhythm 1e-30") << int(Setting::PlayingRhythm) << QVariant("1e-30") << 1.0;
    QTest::newRow("rhythm just below the slowest") << int(Setting::PlayingRhythm) << QVariant(0.2499) << 1.0;
    QTest::newRow("rhythm 100: beyond the slider") << int(Setting::PlayingRhythm) << QVariant(100) << 1.0;
    QTest::newRow("rhythm just above the fastest") << int(Setting::PlayingRhythm) << QVariant(4.001) << 1.0;
    QTest::newRow("rhythm nan") << int(Setting::PlayingRhythm) << QVariant("nan") << 1.0;
    QTest::newRow("strength below 0") << int(Setting::StrengthLevel) << QVariant(-1) << 1.0;
    QTest::newRow("strength far below 0") << int(Setting::StrengthLevel) << QVariant(-2000000) << 1.0;
    QTest::newRow("strength Expert") << int(Setting::StrengthLevel) << QVariant(3) << 3.0;
    QTest::newRow("aid 1") << int(Setting::ShowOwnCandidates) << QVariant(1) << 1.0;
    QTest::newRow("aid 2 is no switch") << int(Setting::ShowOwnCandidates) << QVariant(2) << 0.0;
    QTest::newRow("aid 0") << int(Setting::ConfirmAbandon) << QVariant(0) << 0.0;
    QTest::newRow("aid -1 is no switch") << int(Setting::ConfirmAbandon) << QVariant(-1) << 1.0;
}

void TestSettingsTable::loadedValues()
{
    QFETCH(int, setting);
    QFETCH(QVariant, stored);
    QFETCH(double, loaded);
    storeUserDefaults({{SettingsTable::declaration(Setting(setting)).key, stored}});
    QCOMPARE(SettingsTable::loaded(*openUserDefaults(), Setting(setting)), loaded);
}

void TestSettingsTable::gameSettingsWriteTheFiveStoredAtOkAndQuit()
{
    auto defaults = openUserDefaults();
    const GameSettings settings{2, 0, 0, 1, 1.5f};
    settings.store(*defaults);
    QStringList expected;
    for (const SettingDeclaration *declared = SettingsTable::begin(); declared != SettingsTable::end(); ++declared) {
        if (declared->storedWhen == SettingDeclaration::AtOkAndQuit)
            expected << QString::fromLatin1(declared->key);
    }
    QStringList keys = defaults->allKeys();
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);
    QCOMPARE(GameSettings::loaded(*defaults), settings);
    defaults->clear();
    QCOMPARE(GameSettings::loaded(*defaults), GameSettings::defaults());
}

void TestSettingsTable::aidsAreStoredAtOnce_data()
{
    QTest::addColumn<bool>("ownCandidates");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("both switched") << true << false;
    QTest::newRow("as by default") << false << true;
}

void TestSettingsTable::aidsAreStoredAtOnce()
{
    QFETCH(bool, ownCandidates);
    QFETCH(bool, confirm);
    PlayerAidSettings aids;
    aids.load();
    aids.setShowOwnCandidates(ownCandidates);
    aids.setConfirmAbandon(confirm);
    const auto defaults = openUserDefaults();
    QCOMPARE(defaults->value("ShowOwnCandidates").toInt(), int(ownCandidates));
    QCOMPARE(defaults->value("ConfirmAbandon").toInt(), int(confirm));
    PlayerAidSettings reloaded;
    reloaded.load();
    QCOMPARE(reloaded.showOwnCandidates(), ownCandidates);
    QCOMPARE(reloaded.confirmAbandon(), confirm);
}

// Two games open at once on one settings file, each with its own QSettings (the second reaches the
// file through a linked folder, so Qt keeps no cache between them, as between two processes). Both
// load; game A changes one setting and stores; then game B, having changed another or none, stores
// what it changed at quit. A's change must survive B's quit, and B's its own.
void TestSettingsTable::twoGamesSharingTheFile_data()
{
    QTest::addColumn<int>("changedByA");
    QTest::addColumn<double>("valueOfA");
    QTest::addColumn<int>("changedByB"); // -1: B changes nothing
    QTest::addColumn<double>("valueOfB");
    QTest::addColumn<QByteArray>("storedBefore");
    const int none = -1;
    QTest::newRow("A sets Expert, B quits") << int(Setting::StrengthLevel) << 3.0 << none << 0.0 << QByteArray();
    QTest::newRow("A sets Expert over a stored Easy, B quits")
        << int(Setting::StrengthLevel) << 3.0 << none << 0.0 << QByteArray("StrengthLevel=0\n");
    QTest::newRow("A speeds up, B mutes")
        << int(Setting::PlayingRhythm) << 2.5 << int(Setting::SoundMode) << 0.0 << QByteArray("PlayingRhythm=0.5\n");
    QTest::newRow("A hides candidates, B checks automatically")
        << int(Setting::CandidatesVisible) << 0.0 << int(Setting::AutoCheck) << 1.0 << QByteArray();
    QTest::newRow("both change the strength: the later wins")
        << int(Setting::StrengthLevel) << 3.0 << int(Setting::StrengthLevel) << 2.0 << QByteArray();
}

void TestSettingsTable::twoGamesSharingTheFile()
{
    QFETCH(int, changedByA);
    QFETCH(double, valueOfA);
    QFETCH(int, changedByB);
    QFETCH(double, valueOfB);
    QFETCH(QByteArray, storedBefore);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir("real"));
    QVERIFY(QFile::link(folder.filePath("real"), folder.filePath("linked")));
    QVERIFY(QFile::link(folder.filePath("real"), folder.filePath("reread")));
    QFile file(folder.filePath("real/HitBlow.conf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\n" + storedBefore);
    file.close();

    QSettings gameA(folder.filePath("real/HitBlow.conf"), QSettings::IniFormat);
    QSettings gameB(folder.filePath("linked/HitBlow.conf"), QSettings::IniFormat);
    const GameSettings loadedByA = GameSettings::loaded(gameA);
    const GameSettings loadedByB = GameSettings::loaded(gameB);

    GameSettings settingsOfA = loadedByA;
    settingsOfA.setValue(Setting(changedByA), valueOfA);
    settingsOfA.storeChangedSince(gameA, loadedByA);
    QVERIFY(synchronize(gameA));

    GameSettings settingsOfB = loadedByB;
    if (changedByB >= 0)
        settingsOfB.setValue(Setting(changedByB), valueOfB);
    settingsOfB.storeChangedSince(gameB, loadedByB);
    QVERIFY(synchronize(gameB));

    // Read through a path of its own: through A's, Qt would hand back A's cached view whenever B's
    // write left the file's size and timestamp as A saw them (a one-digit change within one tick).
    QSettings reread(folder.filePath("reread/HitBlow.conf"), QSettings::IniFormat);
    const GameSettings stored = GameSettings::loaded(reread);
    QCOMPARE(stored.value(Setting(changedByA)), changedByB == changedByA ? valueOfB : valueOfA);
    if (changedByB >= 0)
        QCOMPARE(stored.value(Setting(changedByB)), valueOfB);
    // A key no game had stored is written at the first save, as the game always did.
    for (const Setting setting : GameSettings::kStored)
        QVERIFY(reread.contains(QLatin1String(SettingsTable::declaration(setting).key)));
}

QTEST_GUILESS_MAIN(TestSettingsTable)
#include "tst_settingstable.moc"
