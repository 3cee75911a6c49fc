// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "ui/AboutDialog.h"
#include "ui/HowToPlayDialog.h"
#include "ui/MainWindow.h"
#include "ui/MatchAssistant.h"
#include "ui/MatchStatusBar.h"
#include "core/MatchSnapshots.h"
#include "GameWiring.h"
#include "expert/ExpertPlayer.h"
#include "oldfiles/StatisticsFile.h"
#include "statistics/StatisticsStore.h"
#include "platform/ModalRun.h"
#include "platform/RandomSource.h"
#include "platform/UserDefaults.h"
#include "daily/DailyPuzzle.h"
#include "rules/NumberText.h"

#include "Fakes.h"
#include "SavedMatches.h"
#include "StoredDefaults.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QCheckBox>
#include <QClipboard>
#include <QRegularExpression>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

// The window as users meet it: its size, its menus and their shortcuts, the wiring of the board
// and the two controllers, and the settings stored on the way out.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithTheBoardAtItsNaturalSize();
    void startsOnTheTitleScreenWithTheBoardFocused();
    void shortcutsReachTheirCommandsWhileTheBoardHasFocus_data();
    void shortcutsReachTheirCommandsWhileTheBoardHasFocus();
    void newGameAsksOnlyWhileAMatchRuns_data();
    void newGameAsksOnlyWhileAMatchRuns();
    void hintTypesAGuessTheUsersScoresAllow();
    void countsTurnedAutomaticStandTyped();
    void dailyPuzzleOnceADate();
    void keptMatchWaitsForResumeOrAbandon_data();
    void keptMatchWaitsForResumeOrAbandon();
    void unsavedStatisticsAreToldInTheStatusBar();
    void statusBarFollowsTheMatch_data();
    void statusBarFollowsTheMatch();
    void statusBarCutsBetweenWords_data();
    void statusBarCutsBetweenWords();
    void menusFollowTheDesktopConventions();
    void helpWindowsHoldTheGamesPauses_data();
    void helpWindowsHoldTheGamesPauses();
    void helpTextsNameVersionLicenceAndKeys();
    void quittingStoresTheSettings();
    void boardFollowsTheWindowsSize();
    void hotSeatDuelLeavesTheMatchAsItWas();

private:
    // Closes the next modal window as soon as it is shown, remembering its title and whether a
    // modal run was marked while it was open.
    void rejectNextModalWindow();
    // Answers the next question box with the button titled answer, ticking its check box first
    // when tick is set, and remembers its text.
    void answerNextQuestion(const QString &answer, bool tick);
    // Plays from the title screen through the window's board to status (at most 4), the counts
    // taken automatically.
    void reachStatus(int status);

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QTimer> m_modalCloser;
    QString m_modalTitle;
    QString m_modalDefault;
    bool m_modalRunWhileOpen = false;
};
