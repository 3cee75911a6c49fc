// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingCanvas.h"

#include <QStringList>

#include <algorithm>

void RecordingCanvas::drawImage(const QString &name, QPointF lowerLeft)
{
    CanvasCall call;
    call.kind = CanvasCall::Image;
    call.name = name;
    call.point = lowerLeft;
    calls << call;
}

QSizeF RecordingCanvas::measureText(const StyledText &text)
{
    if (text.text.isEmpty())
        return {0, 0};
    const QStringList lines = text.text.split(QLatin1Char('\n'));
    qsizetype longest = 0;
    for (const QString &line : lines)
        longest = std::max(longest, line.size());
    return {0.6 * text.style.fontSize * double(longest), double(lines.size()) * text.style.fontSize * 1.2};
}

void RecordingCanvas::drawText(const StyledText &text, QPointF lowerLeft, const TextShadow &shadow)
{
    CanvasCall call;
    call.kind = CanvasCall::Text;
    call.name = text.text;
    call.style = text.style;
    call.point = lowerLeft;
    call.color = text.style.color;
    call.shadow = shadow;
    calls << call;
}

void RecordingCanvas::fillRect(const QRectF &rect, const QColor &color)
{
    CanvasCall call;
    call.kind = CanvasCall::Rect;
    call.rect = rect;
    call.point = rect.topLeft();
    call.color = color;
    calls << call;
}

QList<CanvasCall> RecordingCanvas::ofKind(CanvasCall::Kind kind) const
{
    QList<CanvasCall> found;
    for (const CanvasCall &call : calls) {
        if (call.kind == kind)
            found << call;
    }
    return found;
}

QStringList RecordingCanvas::imageNames() const
{
    QStringList names;
    for (const CanvasCall &call : ofKind(CanvasCall::Image))
        names << call.name;
    return names;
}

QList<CanvasCall> RecordingCanvas::drawn(const QString &nameOrText) const
{
    QList<CanvasCall> found;
    for (const CanvasCall &call : calls) {
        if (call.kind != CanvasCall::Rect && call.name == nameOrText)
            found << call;
    }
    return found;
}

QList<CanvasCall> RecordingCanvas::textsAt(QPointF point) const
{
    QList<CanvasCall> found;
    for (const CanvasCall &call : calls) {
        if (call.kind == CanvasCall::Text && call.point == point)
            found << call;
    }
    return found;
}
