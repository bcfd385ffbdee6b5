// The player's deployment on the lower map, and the two ways a map cell
// changes on screen.
#pragma once

#include <cstdint>
#include <string>

#include "engine/game_context.h"

namespace vantrel {

// Places a command unit (3 in all) or a combat unit (4 in all) on the grid's
// current cell. Returns "配置済み" when refused, "" when placed with more to
// come, and "指令車配置終了" / "戦闘車配置終了" when the last one is down.
std::string PlaceCommandUnit(GameContext& ctx, GridName grid, CellBoard& board);
std::string PlaceCombatUnit(GameContext& ctx, GridName grid, CellBoard& board);

// Draws the cell from the code the board holds for it.
void RedrawCell(GameContext& ctx, std::int16_t col, std::int16_t row, const CellBoard& board,
                GridName grid);

// Gives the cell a background colour.
void SetCellColor(GameContext& ctx, std::int16_t col, std::int16_t row, GridName grid,
                  Colour colour);

}  // namespace vantrel
