// The computer's record of what it has learned about the player's map.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/match_state.h"

namespace vantrel {

void ResetCpKnowledge(CP_Head& cp);

// A miss rules out every cell of its 3 × 3 block.
void MarkMissArea(CP_Head& cp, std::int16_t col, std::int16_t row);

// A "隣接" result raises the score of every unknown cell of its block, then
// the fired cell itself becomes known.
void MarkAdjacentHint(CP_Head& cp, std::int16_t col, std::int16_t row);

void RecordCpShotResult(CP_Head& cp, std::int16_t col, std::int16_t row, std::string_view result);

}  // namespace vantrel
