#include "engine/deployment.h"

#include <span>

#include "engine/sound_rules.h"
#include "engine/vocabulary.h"

namespace vantrel {
namespace {

// The two placements differ only in these parameters.
struct UnitKind {
  std::int16_t Gamevariable::*counter;
  int limit;
  std::span<UnitSlot> (*slots)(Gamevariable&);
  std::string_view code;
  std::string_view effect;
  Colour Gamevariable::*colour;
  std::string_view finished;
};

const UnitKind CommandUnit{
    &Gamevariable::PlayerCommandCount, CommandUnitLimit,
    [](Gamevariable& gv) { return std::span<UnitSlot>(gv.PlayerCommandUnits); },
    cell::Command, snd::Message, &Gamevariable::CommandColor, result::CommandDeployDone};

const UnitKind CombatUnit{
    &Gamevariable::PlayerCombatCount, CombatUnitLimit,
    [](Gamevariable& gv) { return std::span<UnitSlot>(gv.PlayerCombatUnits); },
    cell::Combat, snd::Adjacent, &Gamevariable::CombatColor, result::CombatDeployDone};

std::string PlaceUnit(GameContext& ctx, GridName grid, CellBoard& board, const UnitKind& kind) {
  Gamevariable& gv = ctx.gv;
  const Cell at = ctx.screen.CurrentCell(grid);
  std::int16_t& counter = gv.*kind.counter;
  if (counter >= kind.limit || board(at.col, at.row) != cell::Empty)
    return std::string(result::AlreadyPlaced);

  PlayEffect(ctx.sound, ctx.switches, ProgramFile(gv, kind.effect));
  AddChecked(counter, 1);
  kind.slots(gv)[static_cast<std::size_t>(counter - 1)] = UnitSlot{at.col, at.row, true};
  board(at.col, at.row) = std::string(kind.code);
  SetCellColor(ctx, at.col, at.row, grid, gv.*kind.colour);
  RedrawCell(ctx, at.col, at.row, board, grid);
  return counter >= kind.limit ? std::string(kind.finished) : std::string();
}

}  // namespace

std::string PlaceCommandUnit(GameContext& ctx, GridName grid, CellBoard& board) {
  return PlaceUnit(ctx, grid, board, CommandUnit);
}

std::string PlaceCombatUnit(GameContext& ctx, GridName grid, CellBoard& board) {
  return PlaceUnit(ctx, grid, board, CombatUnit);
}

void RedrawCell(GameContext& ctx, std::int16_t col, std::int16_t row, const CellBoard& board,
                GridName grid) {
  const std::string& code = board(col, row);  // an off-board cell throws before the grid moves
  ctx.screen.SetCurrentCell(grid, Cell{col, row});
  ctx.screen.DrawCell(grid, col, row, code);
}

void SetCellColor(GameContext& ctx, std::int16_t col, std::int16_t row, GridName grid,
                  Colour colour) {
  if (!OnMap(col, row)) throw CellOutOfRange(col, row);
  ctx.screen.SetCurrentCell(grid, Cell{col, row});
  ctx.screen.SetCurrentCellColor(grid, colour);
}

}  // namespace vantrel
