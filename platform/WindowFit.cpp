// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {
// Room left for a title bar and borders before the window manager has told their size.
constexpr int kGuessedTitleBarHeight = 32;
constexpr int kGuessedBorderWidth = 2;

// Asks for room for its whole widget, where a plain scroll area asks for a few dozen lines at most.
class WholeBodyScrollArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override;
};
} // namespace

namespace WindowFit {

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize roomForContents(const QWidget *window)
{
    const QRect area = availableArea(window);
    QSize frame(2 * kGuessedBorderWidth, kGuessedTitleBarHeight + kGuessedBorderWidth);
    if (window->isVisible() && window->frameGeometry().size() != window->size())
        frame = window->frameGeometry().size() - window->size();
    return (area.size() - frame).expandedTo(QSize(0, 0));
}

void fitToScreen(QWidget *window)
{
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    const QSize room = roomForContents(window);
    // A window never resized takes its size hint when shown; resizing it only when that is too
    // large leaves it the size it would have had.
    const bool sized = window->isVisible() || window->testAttribute(Qt::WA_Resized);
    const QSize current = sized ? window->size() : window->sizeHint();
    const QSize fitted = current.boundedTo(room).expandedTo(window->minimumSize());
    if (fitted != current)
        window->resize(fitted);
    // A window not yet placed is placed by Qt on showing (a dialog centred over its parent and
    // kept on the screen); moving it now would undo that.
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Moved))
        return;
    const QRect frame = window->frameGeometry();
    const int x = std::max(std::min(frame.x(), area.right() + 1 - frame.width()), area.left());
    const int y = std::max(std::min(frame.y(), area.bottom() + 1 - frame.height()), area.top());
    if (QPoint(x, y) != frame.topLeft())
        window->move(x, y);
}

QVBoxLayout *scrollBodyAboveButtons(QWidget *window, QWidget *body, QWidget *buttons)
{
    auto *view = new QScrollArea(window);
    view->setWidget(body);
    view->setWidgetResizable(true);
    view->setFrameShape(QFrame::NoFrame);
    auto *outer = new QVBoxLayout(window);
    outer->addWidget(view, 1);
    outer->addWidget(buttons);
    return outer;
}

} // namespace WindowFit

QSize WholeBodyScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    QSize whole = widget()->sizeHint() + QSize(frame, frame);
    // Where the screen is too low for the whole body, room beside it for the bar that scrolls it,
    // so that it need not scroll sideways too.
    if (whole.height() > WindowFit::roomForContents(window()).height())
        whole.rwidth() += verticalScrollBar()->sizeHint().width();
    return whole;
}

namespace WindowFit {

void scrollAllButTheLastRow(QWidget *window, QBoxLayout *layout)
{
    if (layout->count() < 2)
        return;
    // Moved into the body and the row, the controls would change places in the window's tab
    // order; it is put back as it was.
    QList<QWidget *> tabOrder;
    for (QWidget *next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain()) {
        if (next->focusPolicy() != Qt::NoFocus)
            tabOrder << next;
    }
    const auto moveInto = [](QLayoutItem *item, QBoxLayout *to) {
        if (QWidget *widget = item->widget()) {
            to->addWidget(widget, 0, item->alignment());
            delete item;
        } else if (QLayout *inner = item->layout()) {
            inner->setParent(nullptr);
            to->addLayout(inner);
        } else {
            to->addItem(item);
        }
    };
    auto *body = new QWidget;
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(layout->spacing());
    while (layout->count() > 1)
        moveInto(layout->takeAt(0), bodyLayout);
    auto *view = new WholeBodyScrollArea(window);
    // Not a stop of its own on the way through the window's controls.
    view->setFocusPolicy(Qt::NoFocus);
    view->setWidget(body);
    view->setWidgetResizable(true);
    view->setFrameShape(QFrame::NoFrame);
    // The row comes after the body in the window's focus chain as on the screen, so that the
    // keyboard starts in the body: made outside the window, it joins its chain at the end.
    auto *row = new QWidget;
    auto *rowLayout = new QVBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    moveInto(layout->takeAt(0), rowLayout);
    layout->addWidget(view, 1);
    layout->addWidget(row);
    for (int index = 1; index < tabOrder.size(); ++index)
        QWidget::setTabOrder(tabOrder[index - 1], tabOrder[index]);
    // A layout that fixes the window's size to its contents would keep it larger than the screen.
    if (layout->sizeConstraint() == QLayout::SetFixedSize)
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    window->resize(window->sizeHint());
}

} // namespace WindowFit
