#include "pictures.h"

namespace croquel::ui {

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
        QPixmap sharp(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return {path};
}

}  // namespace croquel::ui
