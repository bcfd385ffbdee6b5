// A 19 × 9 map of cells addressed column first, row second. Every access is
// checked: an off-board cell is a programming error and throws with the cell
// in its message, never a silent wrong cell.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vantrel {

inline constexpr int MapColumns = 19;
inline constexpr int MapRows = 9;
inline constexpr int MapCells = MapColumns * MapRows;

class CellOutOfRange : public std::out_of_range {
 public:
  CellOutOfRange(int col, int row)
      : std::out_of_range("cell (" + std::to_string(col) + ", " + std::to_string(row) +
                          ") is off the 19 x 9 map") {}
};

inline bool OnMap(int col, int row) {
  return col >= 0 && col < MapColumns && row >= 0 && row < MapRows;
}

template <typename T>
class MapOf {
 public:
  T& operator()(int col, int row) { return cells_[Index(col, row)]; }
  const T& operator()(int col, int row) const { return cells_[Index(col, row)]; }
  void Fill(const T& value) { cells_.fill(value); }

 private:
  static std::size_t Index(int col, int row) {
    if (!OnMap(col, row)) throw CellOutOfRange(col, row);
    return static_cast<std::size_t>(row * MapColumns + col);
  }
  std::array<T, MapCells> cells_{};
};

using CellBoard = MapOf<std::string>;

}  // namespace vantrel
