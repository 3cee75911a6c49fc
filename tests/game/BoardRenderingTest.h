// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The test functions stand in tst_boardrendering.cpp (the board while a match runs),
// BoardRenderingEndTests.cpp (the end of a round and of a match) and BoardRenderingTextTests.cpp
// (the record columns, the candidates display, piece names and texts through a real painter).

#include "GameBoardView.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/Localization.h"
#include "platform/PainterCanvas.h"
#include "platform/UserDefaults.h"

#include "Fakes.h"
#include "GameWiring.h"
#include "StoredDefaults.h"
#include "RecordingCanvas.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(NumberSet)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<NumberSet>)

inline constexpr NumberSet kMacSecret{3, 9, 5, 1}; // index 1989 of the full list
inline constexpr NumberSet kMissingGuess{4, 5, 6, 7}; // one blow against kMacSecret
inline const QColor kWhite(255, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kRed(255, 0, 0);

// Where the recording canvas puts a text of this many characters centred on centreX.
inline double centredX(double centreX, double fontSize, int characters)
{
    return centreX - float(0.6 * fontSize * characters) / 2;
}

// Drawing passes of the board onto a recording canvas, with a real match controller and settings
// and fake services; the match is moved on through the controller's setters, the board's own
// input state through its key handler.
class TestBoardRendering : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titleScreen();
    void choosingShowsTakenPiecesInTheUserRow();
    void runningMatchHidesTheMacSecret_data();
    void runningMatchHidesTheMacSecret();
    void cursorBarLiesUnderTheTypedEntries_data();
    void cursorBarLiesUnderTheTypedEntries();
    void lastChanceMessageAloneIsRed_data();
    void lastChanceMessageAloneIsRed();
    void scoredGuessSchedulesOneOKPerPass_data();
    void scoredGuessSchedulesOneOKPerPass();
    void resultIsAnnouncedOnce_data();
    void resultIsAnnouncedOnce();
    void laterPassesKeepTheFinalPicture_data();
    void laterPassesKeepTheFinalPicture();
    void recordColumnsHangFromTheSameTop();
    void candidatesDisplayOnlyWhenVisibleIsOne_data();
    void candidatesDisplayOnlyWhenVisibleIsOne();
    void pieceImageNames_data();
    void pieceImageNames();
    void recordTexts_data();
    void recordTexts();
    void textsMeasureInBoardUnits_data();
    void textsMeasureInBoardUnits();
    void shadowFallsBelowTheText();
    void paintedBoardShowsTheResult_data();
    void paintedBoardShowsTheResult();

private:
    RecordingCanvas pass();
    void loadSettings(std::initializer_list<std::pair<const char *, QVariant>> values);
    void typeKeys(const QStringList &keys);
    // A new match whose secret the user chose on the board by keys; ends on Mac's turn.
    void chooseByKeys(const NumberSet &userSecret);
    // A new match whose secret went straight to the controller; ends at the computer's first
    // guess, while its counts are checked.
    void startMatch(const NumberSet &userSecret);
    void scoreMacGuessTruly(const NumberSet &userSecret);
    void guess(const NumberSet &answer);
    // Plays rounds of kMissingGuess until the match reaches status, winning at the game's end.
    void playUntil(GameStatus status);
    QList<CanvasCall> columnCalls(const RecordingCanvas &canvas) const;

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<PrefWindowController> m_prefs;
    std::unique_ptr<HitBlowController> m_controller;
    std::unique_ptr<GameBoardView> m_board;
};
