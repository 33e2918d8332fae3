#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <vector>

namespace croquel::assets {

struct PictureEntry {
    QString fileName;         // as stored in ui/assets at scale 1
    QSize size;               // in picture pixels at scale 1
    QList<int> scales{1, 2};  // drawn at each: 2 for high-density screens, 4 for large desktop icons
};

// The file of a picture drawn at a scale: "chaser.png", "chaser@2x.png".
QString fileNameAt(const PictureEntry& entry, int scale);

// Every picture of the game, in a fixed order.
const std::vector<PictureEntry>& allPictures();

// Draws one picture at the given scale (1, or 2 for high-density screens).
// Returns a null image for an unknown name.
QImage drawPicture(const QString& fileName, int scale);

}  // namespace croquel::assets
