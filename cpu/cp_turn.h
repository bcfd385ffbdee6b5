// The computer's turn: its shots at the player's map and their deployment.
#pragma once

#include <cstdint>
#include <string>

#include "engine/game_context.h"

namespace vantrel {

// One computer shot at (col, row) of the player's map. Returns "CP_TURN",
// "CP_TURN終了" or "ＣＰ勝利".
std::string ExecuteCpShot(GameContext& ctx, std::int16_t col, std::int16_t row);

// Hides the computer's 4 combat and 3 command units on seven different
// random cells of its board.
void DeployCpUnits(GameContext& ctx);

}  // namespace vantrel
