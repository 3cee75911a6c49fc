// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTransform>

#include <unordered_map>

class ImageLibrary;
class QPainter;

// Draws the board with a QPainter. boardToDevice maps board coordinates to the painter's logical
// coordinates (the widget's, for a widget); it must be a scale with a y flip and a translation, as
// GameBoardView::boardTransform() is. Images are rendered at the device's physical resolution and
// placed on whole device pixels, so they stay crisp at any size and device pixel ratio.
class PainterCanvas final : public Canvas
{
public:
    PainterCanvas(QPainter &painter, const QTransform &boardToDevice, const ImageLibrary &images);

    void drawImage(const QString &name, QPointF lowerLeft) override;
    QSizeF measureText(const StyledText &text) override;
    using Canvas::drawText;
    void drawText(const StyledText &text, QPointF lowerLeft, const TextShadow &shadow) override;
    void fillRect(const QRectF &rect, const QColor &color) override;

    // The game's font with its size in board units, free of hinting so that its metrics scale
    // exactly with the board.
    static QFont boardFont(double size);

private:
    struct BoardFont {
        explicit BoardFont(double size);
        QFont font;
        QFontMetricsF metrics;
    };

    // The fonts of this canvas's texts by size; a pass uses a handful of sizes.
    const BoardFont &fontForSize(double size);
    void drawShadow(const StyledText &text, QPointF lowerLeft, QSizeF size, const TextShadow &shadow);

    QPainter &m_painter;
    QTransform m_boardToDevice;
    const ImageLibrary &m_images;
    double m_devicePixelRatio = 1;
    double m_boardScale = 1;
    std::unordered_map<int, BoardFont> m_fonts;
};
