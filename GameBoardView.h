#pragma once

#include "NumberComparer.h"
#include "platform/Services.h"
#include "platform/StyledText.h"

#include <QPointF>
#include <QWidget>

#include <array>
#include <vector>

class HitBlowController;
class PrefWindowController;

// The board: the one view of the main window. It turns the user's clicks and keys into the secret,
// the counts for the computer's guess and the user's own guesses, hands them to the match
// controller, and draws the whole match.
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

    QSize sizeHint() const override;

private:
    Services m_services;

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
