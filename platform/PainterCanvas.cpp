// SPDX-License-Identifier: GPL-3.0-or-later
#include "PainterCanvas.h"

#include "ImageLibrary.h"

#include <QCache>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One pass of a box blur of the given radius along rows (step 1) or columns (step = width) of an
// alpha plane; edges count as transparent.
void boxBlurPass(std::vector<int> &alpha, int width, int height, int radius, bool alongRows)
{
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    const int step = alongRows ? 1 : width;
    const int window = 2 * radius + 1;
    std::vector<int> line(length);
    for (int l = 0; l < lines; ++l) {
        const int start = alongRows ? l * width : l;
        for (int i = 0; i < length; ++i)
            line[i] = alpha[start + i * step];
        int sum = 0;
        for (int i = 0; i < std::min(radius, length); ++i)
            sum += line[i];
        for (int i = 0; i < length; ++i) {
            if (i + radius < length)
                sum += line[i + radius];
            if (i - radius - 1 >= 0)
                sum -= line[i - radius - 1];
            alpha[start + i * step] = sum / window;
        }
    }
}

// Blurs the coverage of image (its alpha) into a shadow of the given colour: three box passes in
// each direction come close to a Gaussian of the given standard deviation in pixels.
QImage shadowFromCoverage(const QImage &image, double sigma, const QColor &color)
{
    const int width = image.width();
    const int height = image.height();
    std::vector<int> alpha(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            alpha[size_t(y) * width + x] = qAlpha(row[x]);
    }
    const int radius = std::max(0, int(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2)));
    for (int pass = 0; pass < 3 && radius > 0; ++pass) {
        boxBlurPass(alpha, width, height, radius, true);
        boxBlurPass(alpha, width, height, radius, false);
    }
    QImage shadow(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(shadow.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int a = alpha[size_t(y) * width + x] * color.alpha() / 255;
            row[x] = qRgba(color.red() * a / 255, color.green() * a / 255, color.blue() * a / 255, a);
        }
    }
    return shadow;
}

} // namespace

PainterCanvas::BoardFont::BoardFont(double size)
    : font(boardFont(size))
    , metrics(font)
{
}

const PainterCanvas::BoardFont &PainterCanvas::fontForSize(double size)
{
    const int key = qRound(size * 16);
    auto found = m_fonts.find(key);
    if (found == m_fonts.end())
        found = m_fonts.emplace(key, BoardFont(size)).first;
    return found->second;
}

PainterCanvas::PainterCanvas(QPainter &painter, const QTransform &boardToDevice, const ImageLibrary &images)
    : m_painter(painter)
    , m_boardToDevice(boardToDevice)
    , m_images(images)
{
    // The engine's device is the real target even when a widget's painting is redirected into an
    // image or a backing store.
    const QPaintEngine *engine = painter.paintEngine();
    const QPaintDevice *device = engine && engine->paintDevice() ? engine->paintDevice() : painter.device();
    if (device)
        m_devicePixelRatio = device->devicePixelRatio();
    m_boardScale = std::abs(boardToDevice.m11());
}

QFont PainterCanvas::boardFont(double size)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(std::max(1, qRound(size)));
    return font;
}

void PainterCanvas::drawImage(const QString &name, QPointF lowerLeft)
{
    const QSizeF size = m_images.boardSize(name);
    if (size.isEmpty())
        return;
    // Snap the corners to whole device pixels: neighbouring images then tile without seams and
    // each pixmap is copied one to one, without resampling.
    const QRectF logical = m_boardToDevice.mapRect(QRectF(lowerLeft, size));
    const double ratio = m_devicePixelRatio;
    const int left = qRound(logical.left() * ratio);
    const int top = qRound(logical.top() * ratio);
    const QSize pixelSize(qRound(logical.right() * ratio) - left, qRound(logical.bottom() * ratio) - top);
    if (pixelSize.isEmpty())
        return;
    const QPixmap pixmap = m_images.pixmap(name, pixelSize);
    if (pixmap.isNull())
        return;
    m_painter.save();
    m_painter.resetTransform();
    m_painter.drawPixmap(QRectF(left / ratio, top / ratio, pixelSize.width() / ratio, pixelSize.height() / ratio),
                         pixmap, QRectF(pixmap.rect()));
    m_painter.restore();
}

QSizeF PainterCanvas::measureText(const StyledText &text)
{
    if (text.text.isEmpty())
        return {0, 0};
    const QFontMetricsF &metrics = fontForSize(text.style.fontSize).metrics;
    const QStringList lines = text.text.split(QLatin1Char('\n'));
    double width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return {width, double(lines.size() - 1) * metrics.lineSpacing() + metrics.height()};
}

void PainterCanvas::drawText(const StyledText &text, QPointF lowerLeft, const TextShadow &shadow)
{
    if (text.text.isEmpty())
        return;
    const QSizeF size = measureText(text);
    if (shadow.casts())
        drawShadow(text, lowerLeft, size, shadow);

    const BoardFont &font = fontForSize(text.style.fontSize);
    m_painter.save();
    // A local frame at the box's lower-left corner with y pointing down, so glyphs stand upright.
    m_painter.setTransform(QTransform(1, 0, 0, -1, lowerLeft.x(), lowerLeft.y()) * m_boardToDevice);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setFont(font.font);
    m_painter.setPen(text.style.color);
    double baseline = -size.height() + font.metrics.ascent();
    for (const QString &line : text.text.split(QLatin1Char('\n'))) {
        m_painter.drawText(QPointF(0, baseline), line);
        baseline += font.metrics.lineSpacing();
    }
    m_painter.restore();
}

void PainterCanvas::drawShadow(const StyledText &text, QPointF lowerLeft, QSizeF size, const TextShadow &shadow)
{
    // The shadow is drawn one to one on device pixels; it is rendered once per text, look and
    // scale, since blurring costs far more than copying.
    static QCache<QString, QImage> cache(16 * 1024 * 1024);
    const double pixelsPerUnit = m_boardScale * m_devicePixelRatio;
    const double sigma = shadow.blurRadius / 2 * pixelsPerUnit;
    const int margin = int(std::ceil(3 * sigma)) + 1;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5").arg(text.text).arg(text.style.fontSize)
                            .arg(pixelsPerUnit).arg(shadow.blurRadius).arg(shadow.color.name(QColor::HexArgb));
    QImage image;
    if (const QImage *cached = cache.object(key)) {
        image = *cached;
    } else {
        QImage coverage(int(std::ceil(size.width() * pixelsPerUnit)) + 2 * margin,
                        int(std::ceil(size.height() * pixelsPerUnit)) + 2 * margin,
                        QImage::Format_ARGB32_Premultiplied);
        coverage.fill(Qt::transparent);
        {
            QPainter painter(&coverage);
            PainterCanvas local(painter, QTransform(pixelsPerUnit, 0, 0, -pixelsPerUnit, margin,
                                                    margin + size.height() * pixelsPerUnit),
                                m_images);
            local.drawText(StyledText{text.text, TextStyle{text.style.fontSize, Qt::black}}, {0, 0});
        }
        image = shadowFromCoverage(coverage, sigma, shadow.color);
        cache.insert(key, new QImage(image), int(std::min<qsizetype>(image.sizeInBytes(), cache.maxCost())));
    }
    image.setDevicePixelRatio(m_devicePixelRatio);
    // The image's top-left corner lies a margin above and left of the offset box's top-left.
    const QPointF boxTopLeft = m_boardToDevice.map(lowerLeft + shadow.offset + QPointF(0, size.height()));
    const QPointF topLeft(std::round(boxTopLeft.x() * m_devicePixelRatio - margin) / m_devicePixelRatio,
                          std::round(boxTopLeft.y() * m_devicePixelRatio - margin) / m_devicePixelRatio);
    m_painter.save();
    m_painter.resetTransform();
    m_painter.drawImage(topLeft, image);
    m_painter.restore();
}

void PainterCanvas::fillRect(const QRectF &rect, const QColor &color)
{
    m_painter.save();
    m_painter.setTransform(m_boardToDevice);
    m_painter.fillRect(rect, color);
    m_painter.restore();
}
