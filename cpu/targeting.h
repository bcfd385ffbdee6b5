// How the computer chooses the cell of its next shot.
#pragma once

#include <cstdint>

#include "engine/game_context.h"

namespace vantrel {

// Reviews the targeting mode, builds the candidate list and sets
// CpTargetCol / CpTargetRow.
void PlanCpShot(GameContext& ctx);

// Every cell the computer does not know yet, row by row.
void CollectUnknownCells(CP_Head& cp);

// The best-scored unknown cells around the last "隣接" result, or every
// unknown cell; may switch the mode to "強制散発".
void CollectHintCells(CP_Head& cp, RandomSource& random);

void PickRandomCandidate(CP_Head& cp, RandomSource& random);

// Aims at a player unit that has a "▲隣" mark next to it, with a small
// chance of a lucky shot at any unit and of a dodge away from units.
void PickUnitGuidedTarget(const Gamevariable& gv, CP_Head& cp, RandomSource& random,
                          std::int16_t luckPercent, std::int16_t dodgePercent);

}  // namespace vantrel
