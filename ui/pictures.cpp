#include "pictures.h"

#include <QImageReader>
#include <QPixmapCache>

#include <utility>

namespace croquel::ui {

namespace {

// The pictures are our own PNGs: read as PNG straight away. Left to guess,
// Qt would first load every image-format plugin to ask each about the file.
QPixmap readPng(const QString& path, qreal devicePixelRatio)
{
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap)) {
        return pixmap;  // pellets and bars share one picture
    }
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    image.setDevicePixelRatio(devicePixelRatio);
    pixmap = QPixmap::fromImage(std::move(image));
    if (!pixmap.isNull()) {
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

}  // namespace

QString pictureFile(Picture picture)
{
    switch (picture) {
    case Picture::None: return {};
    case Picture::PlayerRight: return QStringLiteral("player_right.png");
    case Picture::PlayerDown: return QStringLiteral("player_down.png");
    case Picture::PlayerLeft: return QStringLiteral("player_left.png");
    case Picture::PlayerUp: return QStringLiteral("player_up.png");
    case Picture::Chaser: return QStringLiteral("chaser.png");
    case Picture::Pellet: return QStringLiteral("pellet.png");
    case Picture::WallBracket: return QStringLiteral("wall_bracket.png");
    case Picture::WallBar: return QStringLiteral("wall_bar.png");
    case Picture::WallArch: return QStringLiteral("wall_arch.png");
    case Picture::WallFoot: return QStringLiteral("wall_foot.png");
    case Picture::WallFigure: return QStringLiteral("wall_figure.png");
    case Picture::WallUpright: return QStringLiteral("wall_upright.png");
    }
    return {};
}

QPixmap loadPicture(const QString& fileName, qreal devicePixelRatio)
{
    const QString path = QStringLiteral(":/pictures/") + fileName;
    if (devicePixelRatio >= 1.5) {
        if (QPixmap sharp = readPng(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")), 2.0);
            !sharp.isNull()) {
            return sharp;
        }
    }
    return readPng(path, 1.0);
}

}  // namespace croquel::ui
