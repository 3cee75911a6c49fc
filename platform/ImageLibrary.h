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
    // cacheKilobytes bounds the memory of the rendered pixmaps; the least recently drawn go first.
    explicit ImageLibrary(int cacheKilobytes = 256 * 1024);
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

    // Looked up from const drawing code, so both caches fill lazily behind a const interface.
    // Pixmaps are bounded: every resize of the window asks for new sizes.
    mutable QHash<QString, std::shared_ptr<QSvgRenderer>> m_renderers;
    mutable QCache<PixmapKey, QPixmap> m_pixmaps;
};
