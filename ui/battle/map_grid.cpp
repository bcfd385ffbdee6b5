#include "ui/battle/map_grid.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "engine/board.h"
#include "ui/battle/battle_layout.h"

namespace vantrel {
namespace {

QColor ToQColor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The grid lines: a dark slate that frames the tiles without competing with
// the markers drawn on them.
const QColor GridLineColour(28, 36, 52);
constexpr Colour DefaultBackColour = RGB(255, 255, 255);

}  // namespace

MapGrid::MapGrid(QWidget* parent, const QString& name, TwipsPerPixel scale)
    : QWidget(parent), name_(name), scale_(scale), lineColour_(GridLineColour) {
  setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent);
  SetCols(MapColumns);
  SetRows(MapRows);
}

void MapGrid::SetCols(int cols) {
  colTwips_.assign(static_cast<std::size_t>(std::max(cols, 1)), PixelsToTwipsX(30, scale_));
  current_ = Cell{};
  ResetCells();
}

void MapGrid::SetRows(int rows) {
  rowTwips_.assign(static_cast<std::size_t>(std::max(rows, 1)), PixelsToTwipsY(30, scale_));
  current_ = Cell{};
  ResetCells();
}

void MapGrid::SetColWidth(int col, int twips) {
  colTwips_.at(static_cast<std::size_t>(col)) = twips;
  Relayout();
}

void MapGrid::SetRowHeight(int row, int twips) {
  rowTwips_.at(static_cast<std::size_t>(row)) = twips;
  Relayout();
}

void MapGrid::SetSizeTwips(int width, int height) {
  resize(battle_layout::TwipsToPixelsX(width, scale_), battle_layout::TwipsToPixelsY(height, scale_));
}

void MapGrid::Relayout() {
  auto lay = [this](const std::vector<int>& twips, std::vector<int>& start, std::vector<int>& content,
                    bool horizontal) {
    start.resize(twips.size());
    content.resize(twips.size());
    int at = lineWidth_;
    for (std::size_t i = 0; i < twips.size(); ++i) {
      const int px = horizontal ? battle_layout::TwipsToPixelsX(twips[i], scale_)
                                : battle_layout::TwipsToPixelsY(twips[i], scale_);
      start[i] = at;
      content[i] = std::max(px - lineWidth_, 0);
      at += px;
    }
  };
  lay(colTwips_, colLeft_, colContent_, true);
  lay(rowTwips_, rowTop_, rowContent_, false);
  update();
}

void MapGrid::ResetCells() {
  const std::size_t cells = colTwips_.size() * rowTwips_.size();
  pictures_.assign(cells, QImage());
  backColours_.assign(cells, DefaultBackColour);
  Relayout();
}

std::size_t MapGrid::Slot(Cell cell) const {
  if (cell.col < 0 || cell.col >= Cols() || cell.row < 0 || cell.row >= Rows())
    throw CellOutOfRange(cell.col, cell.row);
  return static_cast<std::size_t>(cell.row * Cols() + cell.col);
}

void MapGrid::SetCurrent(Cell cell) {
  Slot(cell);
  current_ = cell;
}

void MapGrid::SetCellPicture(const QImage& picture) {
  pictures_[Slot(current_)] = picture;
  update(CellRect(current_));
}

void MapGrid::SetCellBackColor(Colour colour) {
  backColours_[Slot(current_)] = colour;
  update(CellRect(current_));
}

const QImage& MapGrid::CellPicture(Cell cell) const { return pictures_[Slot(cell)]; }

Colour MapGrid::CellBackColor(Cell cell) const { return backColours_[Slot(cell)]; }

QRect MapGrid::CellRect(Cell cell) const {
  Slot(cell);
  const auto c = static_cast<std::size_t>(cell.col), r = static_cast<std::size_t>(cell.row);
  return QRect(colLeft_[c], rowTop_[r], colContent_[c], rowContent_[r]);
}

std::optional<Cell> MapGrid::CellAt(QPoint point) const {
  auto find = [](int v, const std::vector<int>& start, const std::vector<int>& content) -> int {
    for (std::size_t i = 0; i < start.size(); ++i)
      if (v >= start[i] && v < start[i] + content[i]) return static_cast<int>(i);
    return -1;
  };
  const int col = find(point.x(), colLeft_, colContent_);
  const int row = find(point.y(), rowTop_, rowContent_);
  if (col < 0 || row < 0) return std::nullopt;
  return Cell{static_cast<std::int16_t>(col), static_cast<std::int16_t>(row)};
}

void MapGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect dirty = event->rect();
  painter.fillRect(dirty, lineColour_);
  for (std::int16_t r = 0; r < Rows(); ++r) {
    for (std::int16_t c = 0; c < Cols(); ++c) {
      const Cell cell{c, r};
      const QRect area = CellRect(cell);
      if (!area.intersects(dirty)) continue;
      const std::size_t slot = Slot(cell);
      const QImage& picture = pictures_[slot];
      const QRect shown = area.intersected(QRect(area.topLeft(), picture.size()));
      // The background shows only where the picture does not reach.
      if (shown != area) painter.fillRect(area, ToQColor(backColours_[slot]));
      if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), picture, QRect(QPoint(0, 0), shown.size()));
    }
  }
}

void MapGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = CellAt(event->position().toPoint());
}

void MapGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const std::optional<Cell> pressed = pressed_;
  pressed_.reset();
  if (!pressed || CellAt(event->position().toPoint()) != pressed) return;
  SetCurrent(*pressed);
  // The click may end the match and close the window; nothing of the grid is
  // touched after it.
  if (onClick) onClick();
}

}  // namespace vantrel
