// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/StyledText.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A soft shadow cast by a text: offset and blur radius in board units (a negative y offset lies
// below the text). A transparent colour casts no shadow.
struct TextShadow {
    QPointF offset;
    double blurRadius = 0;
    QColor color = Qt::transparent;

    bool casts() const { return color.alpha() > 0; }
    friend bool operator==(const TextShadow &, const TextShadow &) = default;
};

// What the board draws on, in board coordinates: 640 by 480 units, origin at the bottom left, y up.
// Every position is the lower-left corner of what is drawn.
class Canvas
{
public:
    virtual ~Canvas() = default;

    // Draws the named image whole at its natural size; a missing image draws nothing.
    virtual void drawImage(const QString &name, QPointF lowerLeft) = 0;

    // The size of the text's box in board units: as wide as its longest line, as high as all its
    // lines together. An empty text measures (0, 0).
    virtual QSizeF measureText(const StyledText &text) = 0;

    // Draws the text with the lower-left corner of its measured box at lowerLeft. Lines are left
    // aligned; the first line is the top one, so extra lines grow the box upwards.
    virtual void drawText(const StyledText &text, QPointF lowerLeft, const TextShadow &shadow) = 0;
    void drawText(const StyledText &text, QPointF lowerLeft) { drawText(text, lowerLeft, {}); }

    virtual void fillRect(const QRectF &rect, const QColor &color) = 0;
};
