// A grid of picture cells, the control behind both maps: every cell has a
// picture and a background colour, the grid has a current cell that a click
// sets before the click is reported, and column widths and row heights in
// twips.
//
// Each column is its width wide including the grid line on its right, and
// each row likewise including the line below it; one more line runs along
// the left and the top edge, so every cell is framed. A cell's picture shows
// anchored at the cell's top-left corner and is cut off at the cell's edge.
// All cells are always shown: the grid never scrolls.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "cpu/cells.h"
#include "engine/ports.h"

namespace vantrel {

class MapGrid final : public QWidget {
 public:
  MapGrid(QWidget* parent, const QString& name, TwipsPerPixel scale);

  // The grid's name ("FG_E", "FG_M"); also its object name.
  const QString& Name() const { return name_; }

  void SetCols(int cols);
  void SetRows(int rows);
  int Cols() const { return static_cast<int>(colTwips_.size()); }
  int Rows() const { return static_cast<int>(rowTwips_.size()); }
  void SetColWidth(int col, int twips);
  void SetRowHeight(int row, int twips);
  int ColWidth(int col) const { return colTwips_.at(static_cast<std::size_t>(col)); }
  int RowHeight(int row) const { return rowTwips_.at(static_cast<std::size_t>(row)); }
  // The width of the grid lines, in pixels.
  int GridLineWidth() const { return lineWidth_; }
  // The grid's own width and height, in twips.
  void SetSizeTwips(int width, int height);

  // The current cell. Setting a cell off the grid raises CellOutOfRange.
  void SetCurrent(Cell cell);
  Cell Current() const { return current_; }

  // The current cell's picture and background colour.
  void SetCellPicture(const QImage& picture);
  void SetCellBackColor(Colour colour);

  const QImage& CellPicture(Cell cell) const;
  Colour CellBackColor(Cell cell) const;
  // Where a cell's picture shows, in pixels of the grid.
  QRect CellRect(Cell cell) const;
  // The cell under a point of the grid; none on a grid line or outside.
  std::optional<Cell> CellAt(QPoint point) const;

  // Raised by a click: a press and a release of the left button on the same
  // cell. The grid makes that cell current first.
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::size_t Slot(Cell cell) const;
  void Relayout();
  void ResetCells();

  QString name_;
  TwipsPerPixel scale_;
  int lineWidth_ = 1;
  QColor lineColour_;
  std::vector<int> colTwips_, rowTwips_;
  std::vector<int> colLeft_, colContent_;  // pixels: where each cell's picture starts, how wide
  std::vector<int> rowTop_, rowContent_;
  std::vector<QImage> pictures_;
  std::vector<Colour> backColours_;
  Cell current_;
  std::optional<Cell> pressed_;
};

}  // namespace vantrel
