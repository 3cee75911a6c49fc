// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>

class QScreen;
class QWidget;

// The game places windows in screen coordinates with the origin at the bottom left of the primary
// screen and y growing upwards; a frame is given by its bottom-left corner and its size. Qt's
// screen coordinates grow downwards from the top left. The functions below are the only place
// where the two meet.

// The one conversion, either way: a rectangle whose bottom edge lies at y (y up) has its top edge
// at screenHeight - (y + height) (y down), and back. A point is a rectangle of height 0.
QRectF flippedVertically(const QRectF &rect, qreal screenHeight);

// The top-left corner (y down) that moves frame as little as possible to lie inside available.
// A frame larger than available keeps its top-left corner inside it.
QPointF topLeftKeptInside(const QRectF &frame, const QRectF &available);

// A window's outer rectangle, y up.
QRectF windowFrame(const QWidget *window);

// Moves a window so that the top-left corner of its frame lies at topLeft (y up), its size
// unchanged, but never off the available area of keepOn (when given).
void setFrameTopLeftPoint(QWidget *window, const QPointF &topLeft, const QScreen *keepOn);
