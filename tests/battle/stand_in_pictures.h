// Pictures of the right names and sizes for the battle screen, each one
// plain enough that a test can tell from one pixel which picture, which
// tile or which sprite it is looking at.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "engine/ports.h"

namespace vantrel::testing {

// Writes img/ with every picture the battle screen loads into `programDir`.
void WriteStandInPictures(const QString& programDir);

// The colour of tile (col, row) of a map picture: unique per tile and map.
QRgb TileColour(GridName map, Cell cell);
// Sprite k is the key colour except for a filled square in its middle.
QRgb SpriteColour(int sprite);
inline const QRect SpriteMark(8, 8, 14, 14);
// Face f (0 normal, 1 angry, 2 smiling) of character c's portrait strip.
QRgb FaceColour(int character, int face);

}  // namespace vantrel::testing
