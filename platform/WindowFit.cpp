// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {
// Room left for a title bar and borders before the window manager has told their size.
constexpr int kGuessedTitleBarHeight = 32;
constexpr int kGuessedBorderWidth = 2;
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
