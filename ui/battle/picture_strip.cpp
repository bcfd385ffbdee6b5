#include "ui/battle/picture_strip.h"

#include <stdexcept>
#include <string>

#include "ui/shell/pictures.h"

namespace vantrel {

void PictureStrip::Load(const QImage& picture, const QString& file) {
  if (rows_ < 1 || cols_ < 1) throw std::invalid_argument("a picture strip needs rows and columns");
  const int w = picture.width() / cols_;
  const int h = picture.height() / rows_;
  if (w < 1 || h < 1) throw AssetError(file);
  cellWidth_ = w;
  cellHeight_ = h;
  cells_.clear();
  cells_.reserve(static_cast<std::size_t>(rows_ * cols_));
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < cols_; ++c) cells_.push_back(picture.copy(c * w, r * h, w, h));
}

const QImage& PictureStrip::GraphicCell(int index) const {
  if (index < 0 || index >= CellCount())
    throw std::out_of_range("picture strip has no cell " + std::to_string(index));
  return cells_[static_cast<std::size_t>(index)];
}

}  // namespace vantrel
