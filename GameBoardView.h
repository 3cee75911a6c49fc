// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberComparer.h"
#include "core/BoardDisplay.h"
#include "core/BoardEntry.h"
#include "core/HeldInput.h"
#include "platform/ImageLibrary.h"
#include "platform/Services.h"
#include "platform/StyledText.h"

#include <QPointF>
#include <QTransform>
#include <QWidget>

#include <array>
#include <functional>
#include <string_view>
#include <vector>

class Canvas;
class HitBlowController;
class PrefWindowController;

// The characters keyDown() reacts to besides the digits "0" to "9", as the first character of a
// key's text: the characters these keys have always stood for in key events, so that whatever
// produces input for the board (the keyboard, the number pad) can speak them.
constexpr char16_t kEnterKey = 3;           // ASCII end of text, which the keypad's Enter key types
constexpr char16_t kLineFeedKey = 10;       // ASCII line feed, typed by Ctrl+J
constexpr char16_t kReturnKey = 13;         // ASCII carriage return, typed by Return
constexpr char16_t kDeleteKey = 127;        // ASCII delete, typed by Backspace; Delete is taken as it
constexpr char16_t kLeftArrowKey = 63234;   // U+F702, the private-use character of the left arrow key
constexpr char16_t kRightArrowKey = 63235;  // U+F703, the private-use character of the right arrow key

// The board: the one view of the main window. It turns the user's clicks and keys into the secret,
// the counts for the computer's guess and the user's own guesses, hands them to the match
// controller, and draws the whole match.
//
// The board is laid out in board coordinates: 640 by 480 units, origin at the bottom left, y up.
// One transform maps them to the widget, for drawing and for mouse input alike.
class GameBoardView : public QWidget, public BoardDisplay
{
    Q_OBJECT

public:
    static constexpr double kBoardWidth = 640;
    static constexpr double kBoardHeight = 480;
    // The board's delayed calls, by the operation each runs: the end of the pause after a scored
    // guess, and the end of an OK key's press. They die with the board.
    static constexpr std::string_view kDidOK = "didOK";
    static constexpr std::string_view kUpOKBtn = "upOKBtn";

    explicit GameBoardView(const Services &services, QWidget *parent = nullptr);

    void setHitBlowController(HitBlowController *controller);
    void setPrefWindowController(PrefWindowController *controller);
    HitBlowController *hitBlowController() const { return m_hitBlowController; }
    PrefWindowController *prefWindowController() const { return m_prefWindowController; }

    // What the match controller asks of the board (see BoardDisplay).
    void takeKeyboard() override { setFocus(); }
    void resetAll() override;
    void resumeWithChosenNumbers(const NumberSet &numbers) override;
    void setNeedsDisplay() override;
    void typeTrueCountsIfAutomatic() override;
    void showLastGuess(const NumberSet &guess) override;

    // Input, as the Qt event handlers deliver it. characters is the key's text with modifiers
    // applied, charactersIgnoringModifiers the text without them; points are in board coordinates.
    // Keys and mouse presses and releases that arrive while a Return, Enter or line feed press is
    // pending are held and delivered in order once that OK has run, so they never change what it
    // submits; New Game drops them with the press. OK presses held right behind an OK that moved the
    // match on are dropped as repeats of it.
    void keyDown(const QString &characters, const QString &charactersIgnoringModifiers);
    void mouseDown(QPointF boardPoint);
    void mouseUp(QPointF boardPoint);
    // Ends the OK press a Return, Enter or line feed key started, then runs didOK().
    void upOKBtn();
    // The OK action: checks and hands over what was typed, or ends the pause after a user guess.
    void didOK();
    // Types digits as the user's guess, replacing what was typed, as the digit keys would; the
    // typing position ends on the last digit. Does nothing unless the user's guess is awaited.
    void typeUserAnswer(const NumberSet &digits);

    // One whole drawing pass onto canvas, with its effects on the match (message line, result
    // announced once, the pause after a user guess scheduled).
    void drawRect(Canvas &canvas);
    // The message key of the result the board shows, or null while there is none.
    static const char *resultKey(int matchResult);
    void setMessageStrWithString(const QString &string);
    QString imageNameFrom(int number) const;
    std::vector<StyledText> stringsArrayFromNumbersArray(const std::vector<int> &numbers) const;
    QString stringFromNumbersArray(const std::vector<int> &numbers) const;
    QString stringFromArraysArray(const std::vector<NumberSet> &arrays) const;

    // Board coordinates to widget coordinates: y flipped, scaled uniformly to fit, centred.
    QTransform boardTransform() const;
    QPointF boardPointFromWidget(QPointF widgetPoint) const;

    QSize sizeHint() const override;
    // What the board's marks, cards and rows at a board point stand for, or nothing.
    QString toolTipAt(QPointF boardPoint) const;

signals:
    // After each drawing pass on the screen, so that those who tell of the board (screen readers)
    // can follow what it changed.
    void drawn();
    // The title screen was clicked, or Return or Space pressed on it: the player wants a match.
    void newGameRequested();
    // Left or Right moved the typing position.
    void typingPlaceMoved();

public:

    // The input state, for drawing and inspection.
    int okBtnStatus() const { return m_okBtnStatus; }
    int choseNumberStatus() const { return m_choseNumberStatus; }
    const std::array<QPoint, 10> &choiceOrigins() const { return m_choiceOrigins; }
    const std::array<int, 10> &restChoices() const { return m_restChoices; }
    const std::array<int, 4> &userNumbers() const { return m_userNumbers; }
    const TextStyle &fontStyle() const { return m_fontStyle; }
    // What is typed, as the board draws it: blank entries have no text.
    std::vector<StyledText> currentUserAnswer() const;
    std::vector<StyledText> currenMacHitBlow() const;
    const BoardEntry &entry() const { return m_entry; }
    const StyledText &messageStr() const { return m_messageStr; }
    int typingIndex() const { return m_entry.cursor(); }
    // Input waiting for a pending OK key press to run, oldest first.
    int heldInputCount() const { return m_heldInput.count(); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool takeLeftButton(QMouseEvent *event, void (GameBoardView::*input)(QPointF));
    // Input steps shared by the handlers above.
    bool inputConnected() const;
    void playInputSound(const char *name);
    int availableChoiceAt(QPointF boardPoint) const;
    void takeChoice(int digit);
    void returnChoice(int place);
    int chosenPlaceAt(QPointF boardPoint) const;
    void handOverSecretIfComplete();
    void typeDigit(GameStatus status, int digit);
    void checkUserAnswer();
    void checkMacHitBlow();
    // Beeps and shows the message, with details saying what exactly is wrong.
    void refuse(const char *messageKey, const QString &details);

    // Drawing steps of drawRect(), each for the status whose layout the pass draws.
    void drawPieces(Canvas &canvas, GameStatus status);
    void drawDigitsAndCounts(Canvas &canvas, GameStatus status);
    void drawMessageLine(Canvas &canvas, GameStatus status);
    void drawRecordColumns(Canvas &canvas);
    QString dailyPuzzleLines() const;
    void drawCandidatesDisplay(Canvas &canvas);
    void drawResult(Canvas &canvas, bool announce);
    StyledText styledWithFont(const QString &text, double fontSize);

    Services m_services;
    // The artwork, rendered and cached per size; only drawing uses it.
    ImageLibrary m_imageLibrary;

    HitBlowController *m_hitBlowController = nullptr;
    PrefWindowController *m_prefWindowController = nullptr;
    int m_okBtnStatus = 0;
    int m_choseNumberStatus = 0;
    // The place of the chosen piece a press came down on while choosing, or -1.
    int m_pressedChosenPlace = -1;
    std::array<QPoint, 10> m_choiceOrigins;
    std::array<int, 10> m_restChoices{};
    std::array<int, 4> m_userNumbers{};
    TextStyle m_fontStyle;
    BoardEntry m_entry;
    StyledText m_messageStr;
    HeldInput m_heldInput;
};
