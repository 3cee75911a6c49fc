#include "GameBoardView.h"

#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/Alert.h"
#include "platform/Canvas.h"
#include "platform/Localization.h"
#include "platform/PainterCanvas.h"
#include "platform/Scheduler.h"
#include "platform/SoundPlayer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr std::string_view kDidOK = "didOK";

// Origins of the choice pieces by digit: a triangle of rows of 1, 2, 3 and 4 pieces.
constexpr std::array<QPoint, 10> kChoiceOrigins = {{
    {289, 365},
    {258, 307}, {320, 307},
    {227, 249}, {289, 249}, {351, 249},
    {196, 191}, {258, 191}, {320, 191}, {382, 191},
}};
} // namespace

GameBoardView::GameBoardView(const Services &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_choiceOrigins(kChoiceOrigins)
{
    setFocusPolicy(Qt::StrongFocus);
    resetAll();
    m_fontStyle = TextStyle{46, Qt::white};
}

GameBoardView::~GameBoardView()
{
    m_services.scheduler.cancelAll(this);
}

void GameBoardView::setHitBlowController(HitBlowController *controller)
{
    m_hitBlowController = controller;
}

void GameBoardView::setPrefWindowController(PrefWindowController *controller)
{
    m_prefWindowController = controller;
}

void GameBoardView::resetAll()
{
    m_services.scheduler.cancelPrevious(this, kDidOK);
    m_userNumbers.fill(-1);
    for (int digit = 0; digit < 10; ++digit)
        m_restChoices[digit] = digit;
    m_currentUserAnswer.clear();
    m_currenMacHitBlow.clear();
    m_typingIndex = 0;
}

void GameBoardView::setNeedsDisplay()
{
    update();
}

QSize GameBoardView::sizeHint() const
{
    return {static_cast<int>(kBoardWidth), static_cast<int>(kBoardHeight)};
}

QTransform GameBoardView::boardTransform() const
{
    const double scale = std::min(width() / kBoardWidth, height() / kBoardHeight);
    const double left = (width() - kBoardWidth * scale) / 2;
    const double top = (height() - kBoardHeight * scale) / 2;
    // Board y grows upwards from the bottom edge; widget y grows downwards from the top.
    return QTransform(scale, 0, 0, -scale, left, top + kBoardHeight * scale);
}

QPointF GameBoardView::boardPointFromWidget(QPointF widgetPoint) const
{
    return boardTransform().inverted().map(widgetPoint);
}

// ---- Input -------------------------------------------------------------------------------------

namespace {
constexpr std::string_view kUpOKBtn = "upOKBtn";
constexpr double kOKPressSeconds = 0.05;

// The key characters the board reacts to, as keyDown() receives them.
constexpr char16_t kEnterKey = 3;
constexpr char16_t kLineFeedKey = 10;
constexpr char16_t kReturnKey = 13;
constexpr char16_t kDeleteKey = 127;
constexpr char16_t kLeftArrowKey = 63234;
constexpr char16_t kRightArrowKey = 63235;

constexpr int kGuessLength = 4;
constexpr int kCountsLength = 2;
constexpr double kGuessFontSize = 46;
constexpr double kCountsFontSize = 34;

const char *const kAnswerAgainstRule = QT_TRANSLATE_NOOP("HitBlow", "Your answer is against the rule");
const char *const kDecisionWrong = QT_TRANSLATE_NOOP("HitBlow", "Your decision is wrong");

// An area of the board in board coordinates (y upwards); points on its edges lie inside.
struct BoardArea {
    double left, bottom, right, top;

    bool holds(QPointF point) const
    {
        return point.x() >= left && point.x() <= right && point.y() >= bottom && point.y() <= top;
    }
};

constexpr BoardArea kOKButton{341, 264, 388, 311};

// The hit area of a choice piece: its neighbours in a row share the border column.
BoardArea choiceArea(QPoint origin)
{
    return {origin.x() + 0.0, origin.y() + 24.0, origin.x() + 62.0, origin.y() + 75.0};
}

// How many entries a status types, 0 where nothing is typed.
int typingLengthFor(int status)
{
    switch (status) {
    case GameStatusUserTurn:
        return kGuessLength;
    case GameStatusCheckHitBlow:
        return kCountsLength;
    default:
        return 0;
    }
}

// Places entry at the cursor: overwriting, or appending after blank entries that fill any gap.
// The cursor then moves on, but stops at the last position.
void placeAtCursor(std::vector<StyledText> &entries, int &cursor, int length, const StyledText &entry)
{
    const int count = static_cast<int>(entries.size());
    if (cursor < count) {
        entries[cursor] = entry;
    } else if (count < length) {
        entries.resize(cursor, StyledText{QString(), entry.style});
        entries.push_back(entry);
    }
    if (cursor < length - 1)
        ++cursor;
}

// Removes the entry under the cursor; at or beyond the end it erases backwards.
void deleteAtCursor(std::vector<StyledText> &entries, int &cursor)
{
    const int count = static_cast<int>(entries.size());
    if (count == 0) {
        cursor = 0;
    } else if (cursor < count) {
        entries.erase(entries.begin() + cursor);
    } else {
        entries.pop_back();
        cursor = count - 1;
    }
}

// Moves the cursor one place, wrapping round the length of the list being typed.
int movedCursor(int cursor, int step, int length)
{
    if (step < 0)
        return cursor <= 0 ? length - 1 : cursor - 1;
    return cursor >= length - 1 ? 0 : cursor + 1;
}

NumberSet valuesOf(const std::vector<StyledText> &entries)
{
    NumberSet values{};
    for (std::size_t i = 0; i < values.size() && i < entries.size(); ++i)
        values[i] = entries[i].value();
    return values;
}

bool allDistinct(const NumberSet &numbers)
{
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        for (std::size_t j = i + 1; j < numbers.size(); ++j) {
            if (numbers[i] == numbers[j])
                return false;
        }
    }
    return true;
}

void padWithBlanks(std::vector<StyledText> &entries, std::size_t length, const TextStyle &style)
{
    if (entries.size() < length)
        entries.resize(length, StyledText{QString(), style});
}

bool isOKKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter
        || event.text() == QLatin1String("\n");
}

// The character a special key stands for, or 0 for any other key.
char16_t specialKeyCharacter(const QKeyEvent &event)
{
    if (event.text() == QLatin1String("\n"))
        return kLineFeedKey;
    switch (event.key()) {
    case Qt::Key_Return:
        return kReturnKey;
    case Qt::Key_Enter:
        return kEnterKey;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return kDeleteKey;
    case Qt::Key_Left:
        return kLeftArrowKey;
    case Qt::Key_Right:
        return kRightArrowKey;
    default:
        return 0;
    }
}

// The key's text as if no modifier but Shift were held: taken from the key code for printable
// keys, since the event's text already carries the effect of Ctrl and the like.
QString textIgnoringModifiers(const QKeyEvent &event)
{
    const int key = event.key();
    if ((key >= 0x20 && key <= 0x7e) || (key >= 0xa0 && key <= 0xff)) {
        const QChar character(key);
        const bool shifted = event.modifiers().testFlag(Qt::ShiftModifier);
        return QString(shifted ? character.toUpper() : character.toLower());
    }
    return event.text();
}
} // namespace

bool GameBoardView::inputConnected() const
{
    return m_hitBlowController && m_prefWindowController;
}

void GameBoardView::playInputSound(const char *name)
{
    if (m_prefWindowController->soundMode() == 1)
        m_services.sounds.play(QString::fromLatin1(name));
}

int GameBoardView::availableChoiceAt(QPointF boardPoint) const
{
    for (int digit = 0; digit < 10; ++digit) {
        if (m_restChoices[digit] == digit && choiceArea(m_choiceOrigins[digit]).holds(boardPoint))
            return digit;
    }
    return -1;
}

void GameBoardView::takeChoice(int digit)
{
    const auto emptySlot = std::find(m_userNumbers.begin(), m_userNumbers.end(), -1);
    if (emptySlot == m_userNumbers.end())
        return;
    *emptySlot = digit;
    m_restChoices[digit] = -1;
}

void GameBoardView::handOverSecretIfComplete()
{
    if (m_userNumbers.back() == -1)
        return;
    m_hitBlowController->setUserOwnNumbers(m_userNumbers);
    m_hitBlowController->setGameStatus(GameStatusMacTurn);
}

std::vector<StyledText> *GameBoardView::typedEntriesFor(int status)
{
    switch (status) {
    case GameStatusUserTurn:
        return &m_currentUserAnswer;
    case GameStatusCheckHitBlow:
        return &m_currenMacHitBlow;
    default:
        return nullptr;
    }
}

void GameBoardView::typeDigit(int status, const QString &digitText)
{
    m_fontStyle.fontSize = status == GameStatusUserTurn ? kGuessFontSize : kCountsFontSize;
    placeAtCursor(*typedEntriesFor(status), m_typingIndex, typingLengthFor(status),
                  StyledText{digitText, m_fontStyle});
    playInputSound("gasa");
    setNeedsDisplay();
}

void GameBoardView::typeUserAnswer(const NumberSet &digits)
{
    if (!inputConnected() || m_hitBlowController->gameStatus() != GameStatusUserTurn)
        return;
    m_currentUserAnswer.clear();
    m_typingIndex = 0;
    for (int digit : digits)
        typeDigit(GameStatusUserTurn, QString::number(digit));
}

void GameBoardView::keyDown(const QString &characters, const QString &charactersIgnoringModifiers)
{
    if (!inputConnected())
        return;
    const int status = m_hitBlowController->gameStatus();
    if (status == GameStatusTitle || status == GameStatusResultShown)
        return;

    if (!charactersIgnoringModifiers.isEmpty()) {
        const char16_t key = charactersIgnoringModifiers.front().unicode();
        std::vector<StyledText> *typed = typedEntriesFor(status);
        if (key == kReturnKey || key == kEnterKey || key == kLineFeedKey) {
            if (status != GameStatusUserResult) {
                m_okBtnStatus = 1;
                // A press acts on the status it was made in. Once an earlier press has moved the
                // match on, it only comes up: a quick second Return on the counts must not refuse
                // a guess that was never typed.
                m_services.scheduler.performAfterDelay(this, kUpOKBtn, kOKPressSeconds, [this, status] {
                    if (m_hitBlowController->gameStatus() == status) {
                        upOKBtn();
                    } else {
                        m_okBtnStatus = 0;
                        setNeedsDisplay();
                    }
                });
            }
        } else if (key == kDeleteKey && typed) {
            deleteAtCursor(*typed, m_typingIndex);
        } else if ((key == kLeftArrowKey || key == kRightArrowKey) && typed) {
            m_typingIndex = movedCursor(m_typingIndex, key == kLeftArrowKey ? -1 : 1, typingLengthFor(status));
        }
        setNeedsDisplay();
    }

    if (characters.size() != 1 || characters.front() < u'0' || characters.front() > u'9')
        return;
    switch (status) {
    case GameStatusChooseNumbers: {
        const int digit = characters.front().unicode() - u'0';
        if (m_restChoices[digit] != digit)
            return;
        takeChoice(digit);
        playInputSound("gashu");
        setNeedsDisplay();
        handOverSecretIfComplete();
        break;
    }
    case GameStatusUserTurn:
    case GameStatusCheckHitBlow:
        typeDigit(status, characters);
        break;
    default:
        break;
    }
}

void GameBoardView::mouseDown(QPointF boardPoint)
{
    if (!inputConnected())
        return;
    const int status = m_hitBlowController->gameStatus();
    if (status == GameStatusChooseNumbers) {
        if (availableChoiceAt(boardPoint) >= 0)
            m_choseNumberStatus = 1;
    } else if (status >= GameStatusMacTurn && status <= GameStatusGameOver) {
        if (kOKButton.holds(boardPoint)) {
            m_okBtnStatus = 1;
            setNeedsDisplay();
        }
    }
}

void GameBoardView::mouseUp(QPointF boardPoint)
{
    if (!inputConnected())
        return;
    const int status = m_hitBlowController->gameStatus();
    if (status == GameStatusChooseNumbers) {
        if (m_choseNumberStatus != 1)
            return;
        m_choseNumberStatus = 0;
        // The piece under the release is taken, whichever piece the press was on.
        const int digit = availableChoiceAt(boardPoint);
        if (digit >= 0)
            takeChoice(digit);
        setNeedsDisplay();
        playInputSound("gashu");
        handOverSecretIfComplete();
    } else if (status >= GameStatusMacTurn && status <= GameStatusGameOver) {
        if (m_okBtnStatus != 1)
            return;
        m_okBtnStatus = 0;
        setNeedsDisplay();
        // In the pause after a scored guess only the board's own delayed call moves the match on.
        if (kOKButton.holds(boardPoint) && status != GameStatusUserResult)
            didOK();
    }
}

void GameBoardView::upOKBtn()
{
    m_okBtnStatus = 0;
    setNeedsDisplay();
    // A key pressed before the pause after a scored guess must not cut that pause short: keys do
    // nothing in it, so a press still pending when it began only comes up.
    if (m_hitBlowController && m_hitBlowController->gameStatus() == GameStatusUserResult)
        return;
    didOK();
}

void GameBoardView::didOK()
{
    if (!inputConnected())
        return;
    const int status = m_hitBlowController->gameStatus();
    // Of several pending calls of the pause only the first has an effect.
    m_services.scheduler.cancelPrevious(this, kDidOK);
    switch (status) {
    case GameStatusUserTurn:
        checkUserAnswer();
        break;
    case GameStatusUserResult:
        m_currentUserAnswer.clear();
        m_typingIndex = 0;
        m_hitBlowController->setGameStatus(GameStatusMacTurn);
        break;
    case GameStatusCheckHitBlow:
        checkMacHitBlow();
        break;
    default:
        break;
    }
}

void GameBoardView::checkUserAnswer()
{
    // Missing digits count as 0 and stay in the list as blank entries the user can overwrite.
    padWithBlanks(m_currentUserAnswer, kGuessLength, m_fontStyle);
    const NumberSet answer = valuesOf(m_currentUserAnswer);
    if (!allDistinct(answer)) {
        refuse(kAnswerAgainstRule);
        return;
    }
    m_hitBlowController->setUserCurrentAnswer(answer);
    m_typingIndex = 0;
    m_hitBlowController->setGameStatus(GameStatusUserResult);
}

void GameBoardView::checkMacHitBlow()
{
    const auto &secret = m_hitBlowController->userOwnNumbers();
    const auto &macAnswer = m_hitBlowController->macCurrentAnswer();
    if (!secret || !macAnswer)
        return;
    const HitBlowResult truth = NumberComparer(m_services.random).checkHitsBlowsIn(*secret, *macAnswer);

    padWithBlanks(m_currenMacHitBlow, kCountsLength, m_fontStyle);
    const bool typedTruth = m_currenMacHitBlow[0].value() == truth.hits && m_currenMacHitBlow[1].value() == truth.blows;
    if (!typedTruth && m_prefWindowController->autoCheck() == 0) {
        refuse(kDecisionWrong);
        return;
    }
    // The computer always learns the true counts, whatever was typed.
    m_hitBlowController->setMacCurrentHitsCount(truth.hits);
    m_hitBlowController->setMacCurrentBlowsCount(truth.blows);
    m_currenMacHitBlow.clear();
    m_typingIndex = 0;
    m_hitBlowController->setGameStatus(GameStatusUserTurn);
}

void GameBoardView::refuse(const char *messageKey)
{
    if (m_prefWindowController->soundMode() == 1)
        m_services.sounds.beep();
    m_services.alert.runModal(localizedString(messageKey));
}

void GameBoardView::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    // Holding an OK key down presses the button once.
    if (isOKKey(*event) && event->isAutoRepeat())
        return;
    if (const char16_t special = specialKeyCharacter(*event)) {
        const QString text(QChar{special});
        keyDown(text, text);
    } else {
        keyDown(event->text(), textIgnoringModifiers(*event));
    }
}

void GameBoardView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    mouseDown(boardPointFromWidget(event->position()));
}

void GameBoardView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    mouseUp(boardPointFromWidget(event->position()));
}

// ---- Drawing -----------------------------------------------------------------------------------

namespace {
constexpr QPointF kOrigin{0, 0};
constexpr QPointF kLogoOrigin{138, 99};
constexpr QPointF kOKButtonOrigin{335, 258};
constexpr double kRowLeft = 168;
constexpr double kPieceSpacing = 62;
constexpr double kMacRowY = 360;
constexpr double kUserRowY = 50;
constexpr double kDigitSpacing = 68;
constexpr double kColumnsTop = 450;
constexpr double kResultFontSize = 60;
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kLetterbox(24, 26, 30);

const char *const kRightsLine =
    QT_TRANSLATE_NOOP("HitBlow", "© 2026 Hit & Blow developers. Free software under the GPL-3.0-or-later.");

// After the result was announced the board keeps showing the final picture of the match: a pass in
// status 7 (the window was uncovered or resized) draws the layout of status 6 without its effects.
int layoutStatusFor(int status)
{
    return status == GameStatusResultShown ? GameStatusGameOver : status;
}

bool isBetween(int status, int first, int last)
{
    return status >= first && status <= last;
}

// The image of a piece showing number while the board is laid out for status: "PieceBack" above 9,
// nothing below 0, the "B" artwork while choosing and at the end of a match.
QString pieceImageName(int number, int status)
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

void drawCentred(Canvas &canvas, const StyledText &text, double centreX, double y, const TextShadow &shadow = {})
{
    const float width = float(canvas.measureText(text).width());
    canvas.drawText(text, QPointF(centreX - width / 2, y), shadow);
}
} // namespace

void GameBoardView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kLetterbox);
    PainterCanvas canvas(painter, boardTransform(), m_imageLibrary);
    drawRect(canvas);
}

void GameBoardView::drawRect(Canvas &canvas)
{
    if (!m_hitBlowController || !m_prefWindowController)
        return;
    const int status = m_hitBlowController->gameStatus();
    const int layout = layoutStatusFor(status);
    drawPieces(canvas, layout);
    drawDigitsAndCounts(canvas, layout);
    drawMessageLine(canvas, layout);
    if (isBetween(layout, GameStatusTitle, GameStatusGameOver))
        drawRecordColumns(canvas);
    if (isBetween(layout, GameStatusMacTurn, GameStatusGameOver) && m_prefWindowController->candidatesVisible() == 1)
        drawCandidatesDisplay(canvas);
    if (layout == GameStatusGameOver)
        drawResult(canvas, status == GameStatusGameOver);
    if (status == GameStatusUserResult) {
        // Every pass schedules one; the first to run cancels the others, so the match moves on once.
        const double pause = 1.0 / double(m_prefWindowController->playingRhythm());
        m_services.scheduler.performAfterDelay(this, kDidOK, pause, [this] { didOK(); });
    }
}

void GameBoardView::drawPieces(Canvas &canvas, int status)
{
    if (isBetween(status, GameStatusTitle, GameStatusChooseNumbers))
        canvas.drawImage(QStringLiteral("GameBoardB"), kOrigin);
    else if (isBetween(status, GameStatusMacTurn, GameStatusGameOver))
        canvas.drawImage(QStringLiteral("GameBoard"), kOrigin);
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
            const QPointF at(kRowLeft + kPieceSpacing * i, kMacRowY);
            if (status != GameStatusGameOver)
                canvas.drawImage(QStringLiteral("PieceBack"), at);
            else if (macSecret)
                drawPiece(canvas, pieceImageName((*macSecret)[i], status), at);
        }
    }
    if (isBetween(status, GameStatusChooseNumbers, GameStatusGameOver)) {
        for (int i = 0; i < 4; ++i)
            drawPiece(canvas, pieceImageName(m_userNumbers[i], status), QPointF(kRowLeft + kPieceSpacing * i, kUserRowY));
    }
}

void GameBoardView::drawDigitsAndCounts(Canvas &canvas, int status)
{
    if (status == GameStatusCheckHitBlow) {
        if (const std::optional<NumberSet> &guess = m_hitBlowController->macCurrentAnswer()) {
            m_fontStyle.fontSize = kGuessFontSize;
            const std::vector<StyledText> digits = stringsArrayFromNumbersArray({guess->begin(), guess->end()});
            for (size_t j = 0; j < digits.size(); ++j)
                canvas.drawText(digits[j], QPointF(175 + kDigitSpacing * j, 190));
        }
        canvas.fillRect(QRectF(213 + kDigitSpacing * m_typingIndex, 266, 33, 3), kYellow);
        for (size_t k = 0; k < m_currenMacHitBlow.size(); ++k)
            canvas.drawText(m_currenMacHitBlow[k], QPointF(218 + kDigitSpacing * k, 264));
    }
    if (status == GameStatusUserTurn)
        canvas.fillRect(QRectF(175 + kDigitSpacing * m_typingIndex, 195, 33, 3), kYellow);
    if (isBetween(status, GameStatusUserTurn, GameStatusGameOver)) {
        for (size_t k = 0; k < m_currentUserAnswer.size(); ++k)
            canvas.drawText(m_currentUserAnswer[k], QPointF(175 + kDigitSpacing * k, 190));
    }
    if (isBetween(status, GameStatusUserResult, GameStatusGameOver)) {
        canvas.drawText(styledWithFont(QString::number(m_hitBlowController->userCurrentHitsCount()), kCountsFontSize),
                        QPointF(218, 264));
        canvas.drawText(styledWithFont(QString::number(m_hitBlowController->userCurrentBlowsCount()), kCountsFontSize),
                        QPointF(286, 264));
    }
}

void GameBoardView::drawMessageLine(Canvas &canvas, int status)
{
    QString message;
    switch (status) {
    case GameStatusTitle:
        message = QStringLiteral("Version.1.0.1 ") + localizedString(kRightsLine);
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
        message = m_hitBlowController->macCurrentHitsCount() > 3
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
        drawCentred(canvas, m_messageStr, 320, 90);
    else if (status == GameStatusChooseNumbers)
        drawCentred(canvas, m_messageStr, 320, 152);
    else if (status <= GameStatusUserTurn)
        drawCentred(canvas, m_messageStr, 292, 152);
    else
        canvas.drawText(m_messageStr, QPointF(210, 330));
}

void GameBoardView::drawRecordColumns(Canvas &canvas)
{
    const HitBlowController &match = *m_hitBlowController;
    const struct {
        QString text;
        double x;
        double fontSize;
    } columns[] = {
        {stringFromArraysArray(match.macFormerAnswers()), 21, 14},
        {stringFromNumbersArray(match.macFormerHitsCount()), 74, 14},
        {stringFromNumbersArray(match.macFormerBlowsCount()), 99, 14},
        {stringFromArraysArray(match.userFormerAnswers()), 486, 22},
        {stringFromNumbersArray(match.userFormerHitsCount()), 568, 22},
        {stringFromNumbersArray(match.userFormerBlowsCount()), 605, 22},
    };
    // Each column hangs from the same top edge, so the n-th lines of a side stand side by side.
    for (const auto &column : columns) {
        const StyledText text = styledWithFont(column.text, column.fontSize);
        canvas.drawText(text, QPointF(column.x, kColumnsTop - canvas.measureText(text).height()));
    }
}

void GameBoardView::drawCandidatesDisplay(Canvas &canvas)
{
    canvas.drawText(styledWithFont(localizedString(QT_TRANSLATE_NOOP("HitBlow", "The Rest Candidates Count")), 9),
                    QPointF(12, 78));
    canvas.drawText(styledWithFont(QString::number(m_hitBlowController->restCandidatesCount()), 15), QPointF(12, 57));
}

void GameBoardView::drawResult(Canvas &canvas, bool announce)
{
    m_fontStyle.fontSize = kResultFontSize;
    QColor colour = kYellow;
    const char *key = nullptr;
    QString sound = QStringLiteral("pikoon2_edited");
    switch (m_hitBlowController->matchResult()) {
    case MatchResultMacWon:
        colour = kRed;
        key = QT_TRANSLATE_NOOP("HitBlow", "You lost");
        sound = QStringLiteral("hoyo");
        break;
    case MatchResultUserWon:
        key = QT_TRANSLATE_NOOP("HitBlow", "You won");
        break;
    case MatchResultDraw:
        key = QT_TRANSLATE_NOOP("HitBlow", "Draw");
        if (m_hitBlowController->userCurrentHitsCount() != 4)
            sound = QStringLiteral("hoyo");
        break;
    default:
        break;
    }
    if (key) {
        m_fontStyle.color = colour;
        const QString text = localizedString(key);
        if (announce && m_prefWindowController->soundMode() == 1)
            m_services.sounds.play(sound);
        const TextShadow shadow{QPointF(0, -8), 6, QColor::fromRgbF(0, 0, 0, 0.7f)};
        drawCentred(canvas, StyledText{text, m_fontStyle}, 320, 220, shadow);
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
    const int status = m_hitBlowController ? m_hitBlowController->gameStatus() : GameStatusTitle;
    if (status == GameStatusUserTurn && m_hitBlowController->macCurrentHitsCount() == 4)
        m_fontStyle.color = kRed;
    m_messageStr.text = string;
    m_fontStyle.fontSize = status == GameStatusTitle ? 10 : 14;
    m_messageStr.style = m_fontStyle;
    m_fontStyle.color = Qt::white;
}

QString GameBoardView::imageNameFrom(int number) const
{
    return pieceImageName(number, m_hitBlowController ? m_hitBlowController->gameStatus() : GameStatusTitle);
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
