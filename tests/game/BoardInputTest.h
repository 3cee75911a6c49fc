// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The test functions stand in tst_boardinput.cpp (choosing, typing and what the board ignores) and
// BoardInputOKTests.cpp (the OK button, its keys and the pause after a guess).

#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/UserDefaults.h"
#include "settings/PlayerAidSettings.h"

#include "Fakes.h"
#include "GameWiring.h"
#include "RecordingCanvas.h"
#include "StoredDefaults.h"

#include <QScopeGuard>
#include <QShortcut>
#include <QTest>

Q_DECLARE_METATYPE(NumberSet)

// The board's input through real Qt key and mouse events, with a real match controller and real
// settings. The computer's secret is always 3 9 5 1 and its first guess 0 1 2 3.
class TestBoardInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void chooseByKeys_data();
    void chooseByKeys();
    void chooseByMouse_data();
    void chooseByMouse();
    void takeBackWhileChoosing_data();
    void takeBackWhileChoosing();
    void toolTipsNameMarksAndCards_data();
    void toolTipsNameMarksAndCards();
    void typing_data();
    void typing();
    void okOnGuess_data();
    void okOnGuess();
    void hardModeRefusalNamesTheScore_data();
    void hardModeRefusalNamesTheScore();
    void refusalSaysWhatIsWrong_data();
    void refusalSaysWhatIsWrong();
    void okOnCounts_data();
    void okOnCounts();
    void automaticCheckTypesTheTrueCounts_data();
    void automaticCheckTypesTheTrueCounts();
    void okKeyPressesTheButtonBriefly_data();
    void okKeyPressesTheButtonBriefly();
    void editingKeysOutsideTyping_data();
    void editingKeysOutsideTyping();
    void okButtonDrawnPressed_data();
    void okButtonDrawnPressed();
    void inputDuringAnOKKeyPress_data();
    void inputDuringAnOKKeyPress();
    void newMatchStartsWithCleanInput_data();
    void newMatchStartsWithCleanInput();
    void heldOKKeyPressesOnce();
    void keyPendingIntoThePauseDoesNotEndIt();
    void pauseEndsOnceAndNewGameCancelsIt();
    void unconnectedBoardIgnoresInput_data();
    void unconnectedBoardIgnoresInput();
    void menuShortcutsStillReachTheWindow();

private:
    void play(const QString &script, GameBoardView *board = nullptr);
    void reach(GameStatus status, const QString &secret = QStringLiteral("4 5 6 7"));
    void loadSettings(std::initializer_list<std::pair<const char *, QVariant>> values);
    QString slotsText() const;
    static QStringList texts(const std::vector<StyledText> &entries);

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<PrefWindowController> m_prefs;
    std::unique_ptr<HitBlowController> m_controller;
    std::unique_ptr<GameBoardView> m_board;
    QStringList m_soundsAtAlert;
};
