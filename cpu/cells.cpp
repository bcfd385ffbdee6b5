#include "cpu/cells.h"

#include <cmath>

namespace vantrel {
namespace {

std::int32_t RoundHalfEven(double value) {
  return static_cast<std::int32_t>(std::nearbyint(value));  // default rounding: ties to even
}

}  // namespace

UnitSlot IndexToCell(std::int16_t index, std::int16_t width) {
  if (width == 0) throw std::invalid_argument("IndexToCell with width 0");
  const auto col = static_cast<std::int16_t>(index % width);
  const auto row = static_cast<std::int16_t>(std::floor(static_cast<double>(index) / width));
  return UnitSlot{col, row, true};
}

std::int16_t CellToIndex(Cell cell, std::int16_t width) {
  std::int16_t index = 0;
  AddChecked(index, cell.row * width);
  AddChecked(index, cell.col);
  return index;
}

std::int32_t PixelsToTwipsX(std::int32_t pixels, TwipsPerPixel scale) {
  return RoundHalfEven(pixels * scale.x);
}

std::int32_t PixelsToTwipsY(std::int32_t pixels, TwipsPerPixel scale) {
  return RoundHalfEven(pixels * scale.y);
}

}  // namespace vantrel
