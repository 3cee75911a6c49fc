#include "settings/GameSettings.h"
#include "settings/PlayerAidSettings.h"
#include "settings/SettingsTable.h"
#include "platform/UserDefaults.h"

#include "StoredDefaults.h"

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
    QCOMPARE(SettingsTable::end() - SettingsTable::begin(), 7);
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

QTEST_GUILESS_MAIN(TestSettingsTable)
#include "tst_settingstable.moc"
