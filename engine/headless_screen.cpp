#include "engine/headless_screen.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vantrel {

HeadlessBattleScreen::HeadlessBattleScreen(Gamevariable& gv, SoundOutput& sound,
                                           const Switches& switches, RandomSource& random,
                                           Screens& screens)
    : events_(GameContext{gv, *this, sound, switches, random, screens}) {
  labelVisible_.fill(true);
  labelVisible_[Index(LabelName::Label_Command)] = false;  // hidden until deployment starts
  for (std::size_t r = 0; r < icons_.size(); ++r)
    for (int i = 0; i < IconRowSize(static_cast<IconRow>(r)); ++i) icons_[r][static_cast<std::size_t>(i)] = true;
}

void HeadlessBattleScreen::Click(GridName grid, Cell cell) {
  if (!OnMap(cell.col, cell.row)) throw CellOutOfRange(cell.col, cell.row);
  SetCurrentCell(grid, cell);
  if (grid == GridName::FG_E)
    events_.FG_E_Click();
  else
    events_.FG_M_Click();
}

int HeadlessBattleScreen::VisibleIcons(IconRow row) const {
  const auto& icons = icons_[Index(row)];
  return static_cast<int>(std::count(icons.begin(), icons.end(), true));
}

void HeadlessBattleScreen::SetCurrentCell(GridName grid, Cell cell) {
  if (!OnMap(cell.col, cell.row)) throw CellOutOfRange(cell.col, cell.row);
  grids_[Index(grid)].current = cell;
}

void HeadlessBattleScreen::SetCurrentCellColor(GridName grid, Colour colour) {
  GridState& g = grids_[Index(grid)];
  g.colour(g.current.col, g.current.row) = colour;
}

void HeadlessBattleScreen::DrawCell(GridName grid, std::int16_t col, std::int16_t row,
                                    const std::string& code) {
  GridState& g = grids_[Index(grid)];
  g.current = Cell{col, row};
  g.drawn(col, row) = code;
  ++g.drawCount(col, row);
}

void HeadlessBattleScreen::SetCaption(LabelName label, const std::string& caption) {
  captions_[Index(label)] = caption;
}

void HeadlessBattleScreen::SetLabelVisible(LabelName label, bool visible) {
  labelVisible_[Index(label)] = visible;
}

void HeadlessBattleScreen::SetIconVisible(IconRow row, int index, bool visible) {
  if (index < 0 || index >= IconRowSize(row)) throw std::out_of_range("no icon " + std::to_string(index));
  icons_[Index(row)][static_cast<std::size_t>(index)] = visible;
}

void HeadlessBattleScreen::ShowResultBox(const std::string& text) {
  resultBoxes.push_back(text);
  if (onResultBox) onResultBox(text);
}

}  // namespace vantrel
