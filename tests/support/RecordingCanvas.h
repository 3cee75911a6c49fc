// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Canvas.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// One thing drawn on a RecordingCanvas.
struct CanvasCall {
    enum Kind { Image, Text, Rect };

    Kind kind = Image;
    QString name; // the image name, or the text
    TextStyle style;
    QPointF point;
    QRectF rect;
    QColor color;
    TextShadow shadow;

    friend bool operator==(const CanvasCall &, const CanvasCall &) = default;
};

// A canvas that draws nothing and records every call in order. Texts measure without fonts: as
// wide as 0.6 x size per character of the longest line, 1.2 x size high per line, so layout can
// be checked to the unit.
class RecordingCanvas final : public Canvas
{
public:
    void drawImage(const QString &name, QPointF lowerLeft) override;
    QSizeF measureText(const StyledText &text) override;
    using Canvas::drawText;
    void drawText(const StyledText &text, QPointF lowerLeft, const TextShadow &shadow) override;
    void fillRect(const QRectF &rect, const QColor &color) override;

    QList<CanvasCall> calls;  // a rectangle's point is its lower-left corner, as drawn

    QList<CanvasCall> ofKind(CanvasCall::Kind kind) const;
    // The image names in drawing order.
    QStringList imageNames() const;
    // The calls that drew this image name or this text, in order.
    QList<CanvasCall> drawn(const QString &nameOrText) const;
    // The texts drawn with their lower-left corner at point, in order.
    QList<CanvasCall> textsAt(QPointF point) const;
};
