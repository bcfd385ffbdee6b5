// A battle screen without pixels: it keeps what a window would show (current
// cells, colours, drawn codes, captions, icons, reactions, banners, result
// boxes), so whole matches can be played and checked without a display.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/battle_events.h"
#include "engine/ports.h"

namespace vantrel {

class HeadlessBattleScreen final : public BattleScreen {
 public:
  struct GridState {
    Cell current;
    MapOf<Colour> colour;
    MapOf<std::string> drawn;  // the code each cell was last drawn from
    MapOf<int> drawCount;
  };

  HeadlessBattleScreen(Gamevariable& gv, SoundOutput& sound, const Switches& switches,
                       RandomSource& random, Screens& screens);

  BattleEvents& Events() { return events_; }

  // A click on a cell: the grid makes it current, then raises its click.
  void Click(GridName grid, Cell cell);

  const GridState& Grid(GridName grid) const { return grids_[Index(grid)]; }
  const std::string& Caption(LabelName label) const { return captions_[Index(label)]; }
  bool LabelVisible(LabelName label) const { return labelVisible_[Index(label)]; }
  bool IconVisible(IconRow row, int index) const { return icons_[Index(row)].at(index); }
  int VisibleIcons(IconRow row) const;

  std::vector<std::string> reactions;
  std::vector<std::string> messages;
  std::vector<std::string> resultBoxes;
  std::function<void(const std::string&)> onResultBox;  // runs while the box would be open

  // BattleScreen
  void SetUpGrids() override {}
  void LoadCharacterPortrait() override {}
  void LoadUnitSprites() override {}
  Cell CurrentCell(GridName grid) const override { return Grid(grid).current; }
  void SetCurrentCell(GridName grid, Cell cell) override;
  void SetCurrentCellColor(GridName grid, Colour colour) override;
  void DrawCell(GridName grid, std::int16_t col, std::int16_t row, const std::string& code) override;
  void SetCaption(LabelName label, const std::string& caption) override;
  void SetLabelVisible(LabelName label, bool visible) override;
  void SetIconVisible(IconRow row, int index, bool visible) override;
  void ShowReaction(const std::string& expression) override { reactions.push_back(expression); }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowResultBox(const std::string& text) override;
  void SetEvent(const std::string& name) override { events_.SetEvent(name); }

 private:
  template <typename E>
  static std::size_t Index(E e) { return static_cast<std::size_t>(e); }

  std::array<GridState, 2> grids_{};
  std::array<std::string, 6> captions_{};
  std::array<bool, 6> labelVisible_{};
  std::array<std::array<bool, 4>, 6> icons_{};
  BattleEvents events_;
};

}  // namespace vantrel
