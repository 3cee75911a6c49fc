#include "GameBoardView.h"

#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/Scheduler.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

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

void GameBoardView::keyDown(const QString &, const QString &)
{
}

void GameBoardView::mouseDown(QPointF)
{
}

void GameBoardView::mouseUp(QPointF)
{
}

void GameBoardView::upOKBtn()
{
}

void GameBoardView::didOK()
{
}

void GameBoardView::keyPressEvent(QKeyEvent *event)
{
    QWidget::keyPressEvent(event);
}

void GameBoardView::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
}

void GameBoardView::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
}

// ---- Drawing -----------------------------------------------------------------------------------

void GameBoardView::paintEvent(QPaintEvent *)
{
}

void GameBoardView::drawRect(Canvas &)
{
}

void GameBoardView::setMessageStrWithString(const QString &string)
{
    m_messageStr.text = string;
}

QString GameBoardView::imageNameFrom(int) const
{
    return {};
}

std::vector<StyledText> GameBoardView::stringsArrayFromNumbersArray(const std::vector<int> &) const
{
    return {};
}

QString GameBoardView::stringFromNumbersArray(const std::vector<int> &) const
{
    return {};
}

QString GameBoardView::stringFromArraysArray(const std::vector<NumberSet> &) const
{
    return {};
}
