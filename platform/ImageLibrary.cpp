// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageLibrary.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QtDebug>

#include <cmath>

ImageLibrary::ImageLibrary(int cacheKilobytes)
    : m_pixmaps(cacheKilobytes)
{
}

ImageLibrary::~ImageLibrary() = default;

QSizeF ImageLibrary::boardSize(const QString &name) const
{
    const QSvgRenderer *svg = renderer(name);
    return svg ? QSizeF(svg->defaultSize()) : QSizeF();
}

QPixmap ImageLibrary::pixmap(const QString &name, QSize pixelSize) const
{
    if (pixelSize.isEmpty())
        return {};
    QSvgRenderer *svg = renderer(name);
    if (!svg)
        return {};
    useScaleOf(svg->defaultSize(), pixelSize);
    const PixmapKey key{name, pixelSize.width(), pixelSize.height()};
    if (const QPixmap *cached = m_pixmaps.object(key))
        return *cached;

    QPixmap rendered(pixelSize);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixelSize)));
    painter.end();
    // Cost in kilobytes of pixel data; one pixmap larger than the whole budget is not kept.
    const qsizetype kilobytes = qMax<qsizetype>(1, qsizetype(pixelSize.width()) * pixelSize.height() * 4 / 1024);
    m_pixmaps.insert(key, new QPixmap(rendered), kilobytes);
    return rendered;
}

void ImageLibrary::useScaleOf(QSizeF boardSize, QSize pixelSize) const
{
    for (qsizetype i = 0; i < m_scales.size(); ++i) {
        if (atScale(boardSize, pixelSize, m_scales[i])) {
            m_scales.move(i, 0);
            return;
        }
    }
    m_scales.prepend(pixelSize.width() / boardSize.width());
    if (m_scales.size() <= 2)
        return;
    const double dropped = m_scales.takeLast();
    const QList<PixmapKey> keys = m_pixmaps.keys();
    for (const PixmapKey &key : keys) {
        const QSvgRenderer *svg = renderer(key.name);
        const QSize size(key.width, key.height);
        if (svg && atScale(svg->defaultSize(), size, dropped)
            && !atScale(svg->defaultSize(), size, m_scales[0]) && !atScale(svg->defaultSize(), size, m_scales[1]))
            m_pixmaps.remove(key);
    }
}

bool ImageLibrary::atScale(QSizeF boardSize, QSize pixelSize, double scale)
{
    // Sizes in device pixels are rounded to whole pixels, either way.
    return std::abs(pixelSize.width() - boardSize.width() * scale) <= 1
        && std::abs(pixelSize.height() - boardSize.height() * scale) <= 1;
}

QSvgRenderer *ImageLibrary::renderer(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    auto found = m_renderers.constFind(name);
    if (found != m_renderers.constEnd())
        return found->get();

    // Loaded once per name; a missing or broken image is remembered as missing, so that it is
    // reported once and never looked for again.
    std::shared_ptr<QSvgRenderer> loaded;
    const QString path = QStringLiteral(":/images/%1.svg").arg(name);
    if (QFile::exists(path)) {
        loaded = std::make_shared<QSvgRenderer>(path);
        if (!loaded->isValid() || loaded->defaultSize().isEmpty())
            loaded.reset();
    }
    if (!loaded)
        qWarning("ImageLibrary: no usable image \"%s\" (%s)", qUtf8Printable(name), qUtf8Printable(path));
    m_renderers.insert(name, loaded);
    return loaded.get();
}
