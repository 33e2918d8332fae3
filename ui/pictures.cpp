#include "pictures.h"

#include <QPixmapCache>

namespace croquel::ui {

namespace {

QImage readPng(const QString& path, qreal devicePixelRatio)
{
    QImage image(path);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

// The double-resolution drawing on a screen of ratio 1.5 or more, where
// there is one.
QImage readPicture(const QString& fileName, qreal devicePixelRatio)
{
    const QString path = QStringLiteral(":/pictures/") + fileName;
    if (devicePixelRatio >= 1.5) {
        if (QImage sharp = readPng(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")), 2.0);
            !sharp.isNull()) {
            return sharp;
        }
    }
    return readPng(path, 1.0);
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
    QPixmap pixmap;
    const QString key = fileName + QString::number(devicePixelRatio);
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(readPicture(fileName, devicePixelRatio));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

}  // namespace croquel::ui
