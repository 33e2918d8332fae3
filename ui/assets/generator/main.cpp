// Writes every picture of the game into a folder, at scale 1 and at scale 2
// (name@2x.png, picked up on high-density screens). Needs no display.
#include "drawing.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const croquel::assets::PictureEntry& picture : croquel::assets::allPictures()) {
        for (int scale : {1, 2}) {
            QString name = picture.fileName;
            if (scale == 2) {
                name.replace(".png", "@2x.png");
            }
            const QString path = folder.filePath(name);
            if (!croquel::assets::drawPicture(picture.fileName, scale).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
