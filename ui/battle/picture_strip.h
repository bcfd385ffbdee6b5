// A picture strip: one loaded bitmap cut into rows × columns equal cells,
// once, when it is loaded; a cell is then handed out by its index, counted
// row by row from 0, without any further copying.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace vantrel {

class PictureStrip {
 public:
  void SetRows(int rows) { rows_ = rows; }
  void SetCols(int cols) { cols_ = cols; }
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }

  // Cuts `picture` into the strip's cells. A picture too small to give every
  // cell at least one pixel raises AssetError naming `file`.
  void Load(const QImage& picture, const QString& file);

  int CellWidth() const { return cellWidth_; }
  int CellHeight() const { return cellHeight_; }
  int CellCount() const { return static_cast<int>(cells_.size()); }
  // The picture of cell `index` (row × columns + column); throws
  // std::out_of_range for an index the strip does not have.
  const QImage& GraphicCell(int index) const;

 private:
  int rows_ = 1;
  int cols_ = 1;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  std::vector<QImage> cells_;
};

}  // namespace vantrel
