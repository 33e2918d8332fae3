#pragma once

#include "form1_layout.h"

#include <QImage>
#include <QPixmap>
#include <QString>

#include <future>
#include <map>

namespace croquel::ui {

// Resource file of a game picture ("player_right.png"), empty for None.
QString pictureFile(Picture picture);

// Loads a compiled-in picture; on a screen of ratio 1.5 or more the
// double-resolution drawing is used so the picture stays sharp.
QPixmap loadPicture(const QString& fileName, qreal devicePixelRatio);

// The game window's pictures, read and decoded on a thread of their own so
// that the work overlaps the rest of the window's building; each is ready
// to become a QPixmap without conversion.
std::future<std::map<Picture, QImage>> readGamePictures(qreal devicePixelRatio);

}  // namespace croquel::ui
