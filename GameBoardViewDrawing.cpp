// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardView.h"

#include "GameBoardLayout.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/Canvas.h"
#include "platform/Localization.h"
#include "platform/PainterCanvas.h"
#include "platform/Scheduler.h"
#include "platform/SoundPlayer.h"

#include <QPaintEvent>
#include <QPainter>

#include <array>

// The board's drawing pass and the texts it draws; the input side is in GameBoardView.cpp.

namespace {
using namespace GameBoardLayout;

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kLetterbox(24, 26, 30);

const char *const kRightsLine =
    QT_TRANSLATE_NOOP("HitBlow", "© 2026 Hit & Blow developers. Free software under the GPL-3.0-or-later.");

// After the result was announced the board keeps showing the final picture of the match: a pass
// once the result is shown (the window was uncovered or resized) draws the layout of the game's end
// without its effects.
GameStatus layoutStatusFor(GameStatus status)
{
    return status == GameStatusResultShown ? GameStatusGameOver : status;
}

bool isBetween(GameStatus status, GameStatus first, GameStatus last)
{
    return status >= first && status <= last;
}

// The image of a piece showing number while the board is laid out for status: "PieceBack" above 9,
// nothing below 0, the "B" artwork while choosing and at the end of a match.
QString pieceImageName(int number, GameStatus status)
{
    if (number > 9)
        return QStringLiteral("PieceBack");
    if (number < 0)
        return {};
    QString name = QStringLiteral("Piece%1").arg(number);
    if (status == GameStatusChooseNumbers || status == GameStatusGameOver)
        name += QLatin1Char('B');
    return name;
}

void drawPiece(Canvas &canvas, const QString &name, QPointF lowerLeft)
{
    if (!name.isEmpty())
        canvas.drawImage(name, lowerLeft);
}

void drawCentred(Canvas &canvas, const StyledText &text, CentredText at, const TextShadow &shadow = {})
{
    const float width = float(canvas.measureText(text).width());
    canvas.drawText(text, QPointF(at.centreX - width / 2, at.y), shadow);
}
} // namespace

void GameBoardView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kLetterbox);
    PainterCanvas canvas(painter, boardTransform(), m_imageLibrary);
    drawRect(canvas);
    emit drawn();
}

void GameBoardView::drawRect(Canvas &canvas)
{
    if (!m_hitBlowController || !m_prefWindowController)
        return;
    const GameStatus status = gameStatusOf(m_hitBlowController->gameStatus());
    const GameStatus layout = layoutStatusFor(status);
    drawPieces(canvas, layout);
    drawDigitsAndCounts(canvas, layout);
    drawMessageLine(canvas, layout);
    if (isBetween(layout, GameStatusTitle, GameStatusGameOver))
        drawRecordColumns(canvas);
    // A daily puzzle has no Mac candidates to count.
    if (isBetween(layout, GameStatusMacTurn, GameStatusGameOver) && m_prefWindowController->candidatesVisible() == 1
        && !m_hitBlowController->dailyRound())
        drawCandidatesDisplay(canvas);
    if (layout == GameStatusGameOver)
        drawResult(canvas, status == GameStatusGameOver);
    if (status == GameStatusUserResult) {
        // Every pass schedules one; the first to run cancels the others, so the match moves on once.
        m_services.scheduler.performAfterDelay(this, kDidOK, m_prefWindowController->pauseSeconds(),
                                               [this] { didOK(); });
    }
}

void GameBoardView::drawPieces(Canvas &canvas, GameStatus status)
{
    if (isBetween(status, GameStatusTitle, GameStatusChooseNumbers))
        canvas.drawImage(QStringLiteral("GameBoardB"), kBoardOrigin);
    else if (isBetween(status, GameStatusMacTurn, GameStatusGameOver))
        canvas.drawImage(QStringLiteral("GameBoard"), kBoardOrigin);
    if (status == GameStatusTitle)
        canvas.drawImage(QStringLiteral("HitBlowLogo"), kLogoOrigin);
    if (status == GameStatusChooseNumbers) {
        for (int i = 0; i < 10; ++i)
            drawPiece(canvas, pieceImageName(m_restChoices[i], status), m_choiceOrigins[i]);
    }
    if (isBetween(status, GameStatusMacTurn, GameStatusGameOver)) {
        canvas.drawImage(m_okBtnStatus == 0 ? QStringLiteral("OKBtnUp") : QStringLiteral("OKBtnDown"), kOKButtonOrigin);
        const std::optional<NumberSet> &macSecret = m_hitBlowController->macOwnNumbers();
        for (int i = 0; i < 4; ++i) {
            const QPointF at(kPieceRowLeft + kPieceSpacing * i, kMacRowY);
            if (status != GameStatusGameOver)
                canvas.drawImage(QStringLiteral("PieceBack"), at);
            else if (macSecret)
                drawPiece(canvas, pieceImageName((*macSecret)[i], status), at);
        }
    }
    if (isBetween(status, GameStatusChooseNumbers, GameStatusGameOver)) {
        for (int i = 0; i < 4; ++i)
            drawPiece(canvas, pieceImageName(m_userNumbers[i], status), QPointF(kPieceRowLeft + kPieceSpacing * i, kUserRowY));
    }
}

void GameBoardView::drawDigitsAndCounts(Canvas &canvas, GameStatus status)
{
    if (status == GameStatusCheckHitBlow) {
        if (const std::optional<NumberSet> &guess = m_hitBlowController->macCurrentAnswer()) {
            m_fontStyle.fontSize = kGuessFontSize;
            const std::vector<StyledText> digits = stringsArrayFromNumbersArray({guess->begin(), guess->end()});
            for (size_t j = 0; j < digits.size(); ++j)
                canvas.drawText(digits[j], kGuessDigitsOrigin + QPointF(kDigitSpacing * j, 0));
        }
        canvas.fillRect(kCountsCursor.translated(kDigitSpacing * m_entry.cursor(), 0), kYellow);
        const std::vector<StyledText> counts = currenMacHitBlow();
        for (size_t k = 0; k < counts.size(); ++k)
            canvas.drawText(counts[k], kCountsOrigin + QPointF(kDigitSpacing * k, 0));
    }
    if (status == GameStatusUserTurn)
        canvas.fillRect(kGuessCursor.translated(kDigitSpacing * m_entry.cursor(), 0), kYellow);
    if (isBetween(status, GameStatusUserTurn, GameStatusGameOver)) {
        const std::vector<StyledText> guess = currentUserAnswer();
        for (size_t k = 0; k < guess.size(); ++k)
            canvas.drawText(guess[k], kGuessDigitsOrigin + QPointF(kDigitSpacing * k, 0));
    }
    if (isBetween(status, GameStatusUserResult, GameStatusGameOver)) {
        canvas.drawText(styledWithFont(QString::number(m_hitBlowController->userCurrentHitsCount()), kCountsFontSize),
                        kCountsOrigin);
        canvas.drawText(styledWithFont(QString::number(m_hitBlowController->userCurrentBlowsCount()), kCountsFontSize),
                        kCountsOrigin + QPointF(kDigitSpacing, 0));
    }
}

void GameBoardView::drawMessageLine(Canvas &canvas, GameStatus status)
{
    QString message;
    switch (status) {
    case GameStatusTitle:
        message = QStringLiteral("Version." HITBLOW_VERSION " ") + localizedString(kRightsLine);
        break;
    case GameStatusChooseNumbers:
        message = localizedString(QT_TRANSLATE_NOOP("HitBlow", "Chose Your Numbers"));
        break;
    case GameStatusMacTurn:
        message = localizedString(QT_TRANSLATE_NOOP("HitBlow", "It's Mac's Turn"));
        break;
    case GameStatusCheckHitBlow:
        message = localizedString(QT_TRANSLATE_NOOP("HitBlow", "Check Hit & Blow"));
        break;
    case GameStatusUserTurn:
        message = m_hitBlowController->userHasLastChance()
            ? localizedString(QT_TRANSLATE_NOOP("HitBlow", "It's Your Last Chance"))
            : localizedString(QT_TRANSLATE_NOOP("HitBlow", "It's Your Turn"));
        break;
    case GameStatusUserResult:
    case GameStatusGameOver:
        message = localizedString(QT_TRANSLATE_NOOP("HitBlow", "Result is..."));
        break;
    default:
        return;
    }
    setMessageStrWithString(message);
    if (status == GameStatusTitle)
        drawCentred(canvas, m_messageStr, kTitleMessage);
    else if (status == GameStatusChooseNumbers)
        drawCentred(canvas, m_messageStr, kChoosingMessage);
    else if (status <= GameStatusUserTurn)
        drawCentred(canvas, m_messageStr, kTurnMessage);
    else
        canvas.drawText(m_messageStr, kResultMessageOrigin);
}

// Mac's side of a daily puzzle names the puzzle and its date where Mac's record would be.
QString GameBoardView::dailyPuzzleLines() const
{
    const std::optional<DailyRound> &daily = m_hitBlowController->dailyRound();
    if (!daily)
        return {};
    const QString title = daily->isPractice() ? localizedString(QT_TRANSLATE_NOOP("HitBlow", "Practice #%1"))
                                              : localizedString(QT_TRANSLATE_NOOP("HitBlow", "Daily #%1"));
    return title.arg(daily->number()) + QLatin1Char('\n') + daily->date().toString(Qt::ISODate);
}

void GameBoardView::drawRecordColumns(Canvas &canvas)
{
    const HitBlowController &match = *m_hitBlowController;
    const bool daily = match.dailyRound().has_value();
    const std::array<QString, kRecordColumns.size()> columnLines = {
        daily ? dailyPuzzleLines() : stringFromArraysArray(match.macFormerAnswers()),
        stringFromNumbersArray(match.macFormerHitsCount()),
        stringFromNumbersArray(match.macFormerBlowsCount()),
        stringFromArraysArray(match.userFormerAnswers()),
        stringFromNumbersArray(match.userFormerHitsCount()),
        stringFromNumbersArray(match.userFormerBlowsCount()),
    };
    // Each column hangs from the same top edge, so the n-th lines of a side stand side by side.
    for (std::size_t i = 0; i < columnLines.size(); ++i) {
        const StyledText text = styledWithFont(columnLines[i], kRecordColumns[i].fontSize);
        canvas.drawText(text, QPointF(kRecordColumns[i].x, kRecordTop - canvas.measureText(text).height()));
    }
}

void GameBoardView::drawCandidatesDisplay(Canvas &canvas)
{
    canvas.drawImage(QStringLiteral("CandidatesBox"), kCandidatesBoxOrigin);
    const QString label = localizedString(QT_TRANSLATE_NOOP("HitBlow", "The Rest Candidates Count"));
    canvas.drawText(styledWithFont(label, kCandidatesLabelFontSize), kCandidatesLabelOrigin);
    canvas.drawText(styledWithFont(QString::number(m_hitBlowController->restCandidatesCount()), kCandidatesCountFontSize),
                    kCandidatesCountOrigin);
}

const char *GameBoardView::resultKey(int matchResult)
{
    switch (matchResult) {
    case MatchResultMacWon:
        return QT_TRANSLATE_NOOP("HitBlow", "You lost");
    case MatchResultUserWon:
        return QT_TRANSLATE_NOOP("HitBlow", "You won");
    case MatchResultDraw:
        return QT_TRANSLATE_NOOP("HitBlow", "Draw");
    default:
        return nullptr;
    }
}

void GameBoardView::drawResult(Canvas &canvas, bool announce)
{
    m_fontStyle.fontSize = kResultFontSize;
    QColor colour = kYellow;
    const MatchResult result = matchResultOf(m_hitBlowController->matchResult());
    const char *key = resultKey(result);
    QString sound = QStringLiteral("pikoon2_edited");
    if (result == MatchResultMacWon) {
        colour = kRed;
        sound = QStringLiteral("hoyo");
    } else if (result == MatchResultDraw && m_hitBlowController->userCurrentHitsCount() != 4) {
        sound = QStringLiteral("hoyo");
    }
    if (key) {
        m_fontStyle.color = colour;
        const QString text = localizedString(key);
        if (announce && m_prefWindowController->soundOn())
            m_services.sounds.play(sound);
        const TextShadow shadow{kResultShadowOffset, kResultShadowBlur, QColor::fromRgbF(0, 0, 0, 0.7f)};
        drawCentred(canvas, StyledText{text, m_fontStyle}, kResult, shadow);
        m_fontStyle.color = Qt::white;
    }
    // Announced once: the status that follows keeps the picture without drawing the result anew.
    if (announce)
        m_hitBlowController->setGameStatus(GameStatusResultShown);
}

StyledText GameBoardView::styledWithFont(const QString &text, double fontSize)
{
    m_fontStyle.fontSize = fontSize;
    return StyledText{text, m_fontStyle};
}

void GameBoardView::setMessageStrWithString(const QString &string)
{
    const GameStatus status = m_hitBlowController ? gameStatusOf(m_hitBlowController->gameStatus()) : GameStatusTitle;
    if (status == GameStatusUserTurn && m_hitBlowController->userHasLastChance())
        m_fontStyle.color = kRed;
    m_messageStr.text = string;
    m_fontStyle.fontSize = status == GameStatusTitle ? kTitleMessageFontSize : kMessageFontSize;
    m_messageStr.style = m_fontStyle;
    m_fontStyle.color = Qt::white;
}

QString GameBoardView::imageNameFrom(int number) const
{
    return pieceImageName(number, m_hitBlowController ? gameStatusOf(m_hitBlowController->gameStatus()) : GameStatusTitle);
}

std::vector<StyledText> GameBoardView::stringsArrayFromNumbersArray(const std::vector<int> &numbers) const
{
    std::vector<StyledText> texts;
    texts.reserve(numbers.size());
    for (int number : numbers)
        texts.push_back(StyledText{QString::number(number), m_fontStyle});
    return texts;
}

QString GameBoardView::stringFromNumbersArray(const std::vector<int> &numbers) const
{
    QStringList lines;
    lines.reserve(qsizetype(numbers.size()));
    for (int number : numbers)
        lines << QString::number(number);
    return lines.join(QLatin1Char('\n'));
}

QString GameBoardView::stringFromArraysArray(const std::vector<NumberSet> &arrays) const
{
    QStringList lines;
    lines.reserve(qsizetype(arrays.size()));
    for (const NumberSet &numbers : arrays) {
        QString line;
        for (int digit : numbers)
            line += QString::number(digit);
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}
