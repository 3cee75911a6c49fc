// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The test functions stand in tst_preferences.cpp (the settings file and the ways the program ends)
// and PreferencesDialogTests.cpp (the window's controls and where it opens).

#include "PrefWindowController.h"
#include "platform/ModalRun.h"
#include "platform/QtScheduler.h"
#include "platform/ScreenCoordinates.h"
#include "platform/UnixSignalQuitter.h"
#include "platform/UserDefaults.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <csignal>
#include <functional>
#include <limits>

using Settings = PrefWindowController::Settings;

// What the dialog's controls show, in the same order: popup index, three rows, slider value.
using ControlState = Settings;

inline constexpr Settings kDefaults{1, 1, 1, 0, 1.0f};

inline Settings settingsOf(const PrefWindowController &prefs)
{
    return {prefs.strengthLevel(), prefs.candidatesVisible(), prefs.soundMode(), prefs.autoCheck(),
            prefs.playingRhythm()};
}

inline QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/HitBlow");
}

inline QString settingsPath()
{
    return configFolder() + QStringLiteral("/HitBlow.conf");
}

// Writes the settings file byte for byte. Each file gets a modification time of its own, so that
// the settings cache never takes a new file for the one it read before.
inline void writeSettingsFile(const QByteArray &contents)
{
    static int generation = 0;
    QDir().mkpath(configFolder());
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDateTime time = QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC).addSecs(++generation);
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

inline Settings storedSettings()
{
    const auto defaults = openUserDefaults();
    return {storedInt(*defaults, QStringLiteral("StrengthLevel")).value_or(-100),
            storedInt(*defaults, QStringLiteral("CandidatesVisible")).value_or(-100),
            storedInt(*defaults, QStringLiteral("SoundMode")).value_or(-100),
            storedInt(*defaults, QStringLiteral("AutoCheck")).value_or(-100),
            storedFloat(*defaults, QStringLiteral("PlayingRhythm")).value_or(-100.0f)};
}

Q_DECLARE_METATYPE(Settings)

namespace QTest {
template <>
inline char *toString(const Settings &s)
{
    return qstrdup(QStringLiteral("(%1, %2, %3, %4, %5)")
                       .arg(s.strengthLevel)
                       .arg(s.candidatesVisible)
                       .arg(s.soundMode)
                       .arg(s.autoCheck)
                       .arg(double(s.playingRhythm))
                       .toUtf8());
}
} // namespace QTest

// The settings against a real settings file in the test's own configuration folder, the modal
// preferences window through its real widgets, and the termination paths that store the settings.
class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loading_data();
    void loading();
    void unreadableFileGivesDefaults();
    void rhythmIsStoredAsPlainNumber_data();
    void rhythmIsStoredAsPlainNumber();

    void dialogShowsTheSettings_data();
    void dialogShowsTheSettings();
    void strengthIsDescribed_data();
    void strengthIsDescribed();
    void dialogEnds_data();
    void dialogEnds();
    void mnemonicsAreUniqueAndLabelsHaveBuddies();
    void tabStopsAtTheSelectedChoice_data();
    void tabStopsAtTheSelectedChoice();

    void topLeftOfPrefWindow_data();
    void topLeftOfPrefWindow();
    void flippingIsItsOwnInverse_data();
    void flippingIsItsOwnInverse();
    void keptInsideTheScreen_data();
    void keptInsideTheScreen();
    void dialogOpensOverTheMainWindow_data();
    void dialogOpensOverTheMainWindow();

    void terminationStoresAllKeys_data();
    void terminationStoresAllKeys();
    void signalWhileDialogIsOpenQuitsWithoutItsChoices();
    void terminationBeforeLoadingKeepsTheStore();
    void anotherGamesChoiceSurvivesThisGamesQuit_data();
    void anotherGamesChoiceSurvivesThisGamesQuit();
    void unwritableFileIsReportedOnce();
    void delayedCallWaitsForTheDialog();

private:
    // Opens the preferences window; inside runs in its modal run, then the window is cancelled
    // unless inside ended it.
    void runDialog(const std::function<void(QDialog *)> &inside);
    static ControlState controlState(QDialog *dialog);

    std::unique_ptr<QWidget> m_mainWindow;
    std::unique_ptr<PrefWindowController> m_prefs;
};
