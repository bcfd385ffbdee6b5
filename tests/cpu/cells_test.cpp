#include <gtest/gtest.h>

#include "cpu/cells.h"

namespace vantrel {
namespace {

TEST(CellIndex, ConvertsBothWaysRowByRow) {
  struct Case {
    int index, col, row;
  };
  const Case table[] = {{0, 0, 0}, {18, 18, 0}, {19, 0, 1}, {170, 18, 8}, {77, 1, 4}};
  for (const Case& c : table) {
    const UnitSlot slot = IndexToCell(static_cast<std::int16_t>(c.index), 19);
    EXPECT_EQ(slot.col, c.col) << c.index;
    EXPECT_EQ(slot.row, c.row) << c.index;
    EXPECT_TRUE(slot.alive);
    EXPECT_EQ(CellToIndex(Cell{static_cast<std::int16_t>(c.col), static_cast<std::int16_t>(c.row)}, 19),
              c.index);
  }
  EXPECT_THROW(CellToIndex(Cell{0, 2000}, 19), std::overflow_error);
  EXPECT_THROW(IndexToCell(5, 0), std::invalid_argument);
}

TEST(PixelsToTwips, UsesTheScreensScaleAndRoundsTiesToEven) {
  EXPECT_EQ(PixelsToTwipsX(30, {}), 450);
  EXPECT_EQ(PixelsToTwipsY(30, {}), 450);
  const TwipsPerPixel oneAndAHalf{1.5, 12.0};
  EXPECT_EQ(PixelsToTwipsX(1, oneAndAHalf), 2);  // 1.5 -> 2
  EXPECT_EQ(PixelsToTwipsX(3, oneAndAHalf), 4);  // 4.5 -> 4
  EXPECT_EQ(PixelsToTwipsX(5, oneAndAHalf), 8);  // 7.5 -> 8
  EXPECT_EQ(PixelsToTwipsY(30, oneAndAHalf), 360);
}

}  // namespace
}  // namespace vantrel
