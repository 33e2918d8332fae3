#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace croquel::assets {

struct PictureEntry {
    QString fileName;  // as stored in ui/assets, without the @2x suffix
    QSize size;        // in picture pixels at scale 1
};

// Every picture of the game, in a fixed order.
const std::vector<PictureEntry>& allPictures();

// Draws one picture at the given scale (1, or 2 for high-density screens).
// Returns a null image for an unknown name.
QImage drawPicture(const QString& fileName, int scale);

}  // namespace croquel::assets
