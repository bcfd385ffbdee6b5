// The end of a match: the computer's units come out, and the game moves on.
#pragma once

#include "engine/game_context.h"

namespace vantrel {

// Draws every computer unit still hidden on its map.
void RevealCpUnits(GameContext& ctx);

// Leaves the battle screen for the bonus page of the stage just won.
void ShowStageReward(GameContext& ctx);

}  // namespace vantrel
