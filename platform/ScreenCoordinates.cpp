// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenCoordinates.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
// The height that y-up coordinates are measured from: the bottom edge of the primary screen.
qreal primaryScreenBottom()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? QRectF(primary->geometry()).bottom() : 0;
}
} // namespace

QRectF flippedVertically(const QRectF &rect, qreal screenHeight)
{
    return QRectF(rect.x(), screenHeight - (rect.y() + rect.height()), rect.width(), rect.height());
}

QPointF topLeftKeptInside(const QRectF &frame, const QRectF &available)
{
    const qreal x = std::max(std::min(frame.x(), available.right() - frame.width()), available.left());
    const qreal y = std::max(std::min(frame.y(), available.bottom() - frame.height()), available.top());
    return QPointF(x, y);
}

QRectF windowFrame(const QWidget *window)
{
    return flippedVertically(QRectF(window->frameGeometry()), primaryScreenBottom());
}

void setFrameTopLeftPoint(QWidget *window, const QPointF &topLeft, const QScreen *keepOn)
{
    const QSizeF size = window->frameGeometry().size();
    const QRectF frameYUp(topLeft.x(), topLeft.y() - size.height(), size.width(), size.height());
    QRectF frame = flippedVertically(frameYUp, primaryScreenBottom());
    if (keepOn)
        frame.moveTopLeft(topLeftKeptInside(frame, QRectF(keepOn->availableGeometry())));
    window->move(frame.topLeft().toPoint());
}
