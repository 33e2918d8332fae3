#pragma once

#include "form1_layout.h"

#include <QPixmap>
#include <QString>

namespace croquel::ui {

// Resource file of a game picture ("player_right.png"), empty for None.
QString pictureFile(Picture picture);

// Loads a compiled-in picture; on a screen of ratio 1.5 or more the
// double-resolution drawing is used so the picture stays sharp.
QPixmap loadPicture(const QString& fileName, qreal devicePixelRatio);

}  // namespace croquel::ui
