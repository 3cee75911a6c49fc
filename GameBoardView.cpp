// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoardView.h"

#include "GameBoardLayout.h"
#include "HitBlowController.h"
#include "PrefWindowController.h"
#include "platform/Scheduler.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

GameBoardView::GameBoardView(const Services &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_choiceOrigins(GameBoardLayout::kChoiceOrigins)
{
    setFocusPolicy(Qt::StrongFocus);
    resetAll();
    m_fontStyle = TextStyle{GameBoardLayout::kGuessFontSize, Qt::white};
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
    // A press or held input of the abandoned match must not act in the new one.
    m_services.scheduler.cancelPrevious(this, kUpOKBtn);
    m_heldInput.clear();
    m_pressedChosenPlace = -1;
    m_okBtnStatus = 0;
    m_choseNumberStatus = 0;
    m_userNumbers.fill(-1);
    for (int digit = 0; digit < 10; ++digit)
        m_restChoices[digit] = digit;
    m_entry.clear();
}

void GameBoardView::resumeWithChosenNumbers(const NumberSet &numbers)
{
    resetAll();
    m_userNumbers = numbers;
    for (int digit : numbers)
        m_restChoices[digit] = -1;
}

namespace {
std::vector<StyledText> styledEntries(const std::vector<int> &entries, double fontSize)
{
    std::vector<StyledText> texts;
    for (int entry : entries) {
        const QString text = entry == BoardEntry::kBlank ? QString() : QString::number(entry);
        texts.push_back(StyledText{text, TextStyle{fontSize, Qt::white}});
    }
    return texts;
}
} // namespace

std::vector<StyledText> GameBoardView::currentUserAnswer() const
{
    return styledEntries(m_entry.guess(), GameBoardLayout::kGuessFontSize);
}

std::vector<StyledText> GameBoardView::currenMacHitBlow() const
{
    return styledEntries(m_entry.counts(), GameBoardLayout::kCountsFontSize);
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

// ---- Events from Qt ---------------------------------------------------------------------------

namespace {
using namespace GameBoardLayout;

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
        // A chord with Ctrl, Alt or Meta is a command, never a digit, whatever text it carries.
        const bool chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        keyDown(chord ? QString() : event->text(), textIgnoringModifiers(*event));
    }
}

// Only the left button plays; the others go on to the widget's own handling.
bool GameBoardView::takeLeftButton(QMouseEvent *event, void (GameBoardView::*input)(QPointF))
{
    if (event->button() != Qt::LeftButton)
        return false;
    event->accept();
    (this->*input)(boardPointFromWidget(event->position()));
    return true;
}

void GameBoardView::mousePressEvent(QMouseEvent *event)
{
    if (!takeLeftButton(event, &GameBoardView::mouseDown))
        QWidget::mousePressEvent(event);
}

void GameBoardView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!takeLeftButton(event, &GameBoardView::mouseUp))
        QWidget::mouseReleaseEvent(event);
}
