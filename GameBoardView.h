#pragma once

#include "NumberComparer.h"
#include "platform/ImageLibrary.h"
#include "platform/Services.h"
#include "platform/StyledText.h"

#include <QPointF>
#include <QTransform>
#include <QWidget>

#include <array>
#include <vector>

class Canvas;
class HitBlowController;
class PrefWindowController;

// The board: the one view of the main window. It turns the user's clicks and keys into the secret,
// the counts for the computer's guess and the user's own guesses, hands them to the match
// controller, and draws the whole match.
//
// The board is laid out in board coordinates: 640 by 480 units, origin at the bottom left, y up.
// One transform maps them to the widget, for drawing and for mouse input alike.
class GameBoardView : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kBoardWidth = 640;
    static constexpr double kBoardHeight = 480;

    explicit GameBoardView(const Services &services, QWidget *parent = nullptr);
    ~GameBoardView() override;

    void setHitBlowController(HitBlowController *controller);
    void setPrefWindowController(PrefWindowController *controller);

    // Puts the input state back to the start of a match and drops a pending OK of the pause.
    void resetAll();
    // Asks for a drawing pass on the main loop.
    void setNeedsDisplay();

    // Input, as the Qt event handlers deliver it. characters is the key's text with modifiers
    // applied, charactersIgnoringModifiers the text without them; points are in board coordinates.
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
    void setMessageStrWithString(const QString &string);
    QString imageNameFrom(int number) const;
    std::vector<StyledText> stringsArrayFromNumbersArray(const std::vector<int> &numbers) const;
    QString stringFromNumbersArray(const std::vector<int> &numbers) const;
    QString stringFromArraysArray(const std::vector<NumberSet> &arrays) const;

    // Board coordinates to widget coordinates: y flipped, scaled uniformly to fit, centred.
    QTransform boardTransform() const;
    QPointF boardPointFromWidget(QPointF widgetPoint) const;

    QSize sizeHint() const override;

    // The input state, for drawing and inspection.
    int okBtnStatus() const { return m_okBtnStatus; }
    int choseNumberStatus() const { return m_choseNumberStatus; }
    const std::array<QPoint, 10> &choiceOrigins() const { return m_choiceOrigins; }
    const std::array<int, 10> &restChoices() const { return m_restChoices; }
    const std::array<int, 4> &userNumbers() const { return m_userNumbers; }
    const TextStyle &fontStyle() const { return m_fontStyle; }
    const std::vector<StyledText> &currentUserAnswer() const { return m_currentUserAnswer; }
    const std::vector<StyledText> &currenMacHitBlow() const { return m_currenMacHitBlow; }
    const StyledText &messageStr() const { return m_messageStr; }
    int typingIndex() const { return m_typingIndex; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Input steps shared by the handlers above.
    bool inputConnected() const;
    void playInputSound(const char *name);
    int availableChoiceAt(QPointF boardPoint) const;
    void takeChoice(int digit);
    void handOverSecretIfComplete();
    std::vector<StyledText> *typedEntriesFor(int status);
    void typeDigit(int status, const QString &digitText);
    void checkUserAnswer();
    void checkMacHitBlow();
    void refuse(const char *messageKey);

    // Drawing steps of drawRect(), each for the status whose layout the pass draws.
    void drawPieces(Canvas &canvas, int status);
    void drawDigitsAndCounts(Canvas &canvas, int status);
    void drawMessageLine(Canvas &canvas, int status);
    void drawRecordColumns(Canvas &canvas);
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
    std::array<QPoint, 10> m_choiceOrigins;
    std::array<int, 10> m_restChoices{};
    std::array<int, 4> m_userNumbers{};
    TextStyle m_fontStyle;
    std::vector<StyledText> m_currentUserAnswer;
    std::vector<StyledText> m_currenMacHitBlow;
    StyledText m_messageStr;
    int m_typingIndex = 0;
};
