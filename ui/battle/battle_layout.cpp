#include "ui/battle/battle_layout.h"

#include <cmath>

namespace vantrel::battle_layout {

// The same rounding as PixelsToTwips, so a size converted there and back
// comes out as the pixels it started from.
int TwipsToPixelsX(int twips, TwipsPerPixel scale) {
  return static_cast<int>(std::nearbyint(twips / scale.x));
}

int TwipsToPixelsY(int twips, TwipsPerPixel scale) {
  return static_cast<int>(std::nearbyint(twips / scale.y));
}

QRect ToPixels(const TwipsRect& rect, TwipsPerPixel scale) {
  return QRect(TwipsToPixelsX(rect.left, scale), TwipsToPixelsY(rect.top, scale),
               TwipsToPixelsX(rect.width, scale), TwipsToPixelsY(rect.height, scale));
}

int PointsToPixels(int points, TwipsPerPixel scale) {
  return TwipsToPixelsY(points * TwipsPerPoint, scale);
}

}  // namespace vantrel::battle_layout
