// Converting between cells, linear indexes and screen units.
#pragma once

#include <cstdint>

#include "engine/match_state.h"

namespace vantrel {

// index = row × width + column, and back.
UnitSlot IndexToCell(std::int16_t index, std::int16_t width);
std::int16_t CellToIndex(Cell cell, std::int16_t width);

// Twips per pixel of the screen the windows are on: 15 at the design
// resolution of 96 dots per inch.
struct TwipsPerPixel {
  double x = 15.0;
  double y = 15.0;
};

std::int32_t PixelsToTwipsX(std::int32_t pixels, TwipsPerPixel scale);
std::int32_t PixelsToTwipsY(std::int32_t pixels, TwipsPerPixel scale);

}  // namespace vantrel
