#pragma once

#include <QHash>
#include <QPixmap>
#include <QSizeF>
#include <QString>

// The game's images by name: SVG artwork under ":/images/NAME.svg", rendered once per physical
// size into a pixmap cache, so that drawing stays crisp at any scale and device pixel ratio.
class ImageLibrary
{
public:
    // The image's natural size in board units; an empty size when there is no such image.
    QSizeF boardSize(const QString &name) const;

    // The image rendered to exactly pixelSize device pixels (cached by name and size); a null
    // pixmap when there is no such image.
    QPixmap pixmap(const QString &name, QSize pixelSize) const;
};
