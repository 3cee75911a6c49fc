// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCache>
#include <QHash>
#include <QPixmap>
#include <QSizeF>
#include <QString>

#include <memory>

class QSvgRenderer;

// The game's images by name: SVG artwork under ":/images/NAME.svg", rendered once per physical
// size into a pixmap cache, so that drawing stays crisp at any scale and device pixel ratio.
class ImageLibrary
{
public:
    // One set of every image (both boards, the logo, the pieces and the button: about 835,000
    // square board units) takes 16 MB at the 2.25 device pixels a unit of a board filling a
    // 1920 x 1080 screen, four times that at a device pixel ratio of 2. The default holds two such
    // sets on the first screen and the images of one drawing on the second.
    static constexpr int kDefaultCacheKilobytes = 64 * 1024;

    // cacheKilobytes bounds the memory of the rendered pixmaps; the least recently drawn go first.
    // Besides, pixmaps are kept at two scales at most, the latest drawn: a window resized again and
    // again keeps the images of its current size and of the one before, never a set per size.
    explicit ImageLibrary(int cacheKilobytes = kDefaultCacheKilobytes);
    ~ImageLibrary();

    // The image's natural size in board units; an empty size when there is no such image.
    QSizeF boardSize(const QString &name) const;

    // The image rendered to exactly pixelSize device pixels (cached by name and size), with a device
    // pixel ratio of 1; a null pixmap when there is no such image or pixelSize is empty.
    QPixmap pixmap(const QString &name, QSize pixelSize) const;

private:
    struct PixmapKey {
        QString name;
        int width;
        int height;

        friend bool operator==(const PixmapKey &, const PixmapKey &) = default;
        friend size_t qHash(const PixmapKey &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.name, key.width, key.height);
        }
    };

    // The renderer of the named image, loaded on first use; null when there is no such image.
    QSvgRenderer *renderer(const QString &name) const;

    // Makes the scale of an image of boardSize drawn at pixelSize the latest; a third scale drops
    // the pixmaps of the oldest.
    void useScaleOf(QSizeF boardSize, QSize pixelSize) const;
    // Whether pixelSize is boardSize at scale (device pixels a board unit), but for rounding.
    static bool atScale(QSizeF boardSize, QSize pixelSize, double scale);

    // Looked up from const drawing code, so both caches fill lazily behind a const interface.
    // Pixmaps are bounded: every resize of the window asks for new sizes.
    mutable QHash<QString, std::shared_ptr<QSvgRenderer>> m_renderers;
    mutable QCache<PixmapKey, QPixmap> m_pixmaps;
    mutable QList<double> m_scales; // the latest first
};
