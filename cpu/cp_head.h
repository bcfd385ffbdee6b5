// The computer player's memory of one match: its knowledge of the player's
// map, the candidate cells of its next shot, its target and its mode.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/board.h"

namespace vantrel {

struct CpCandidateRecord {
  std::int16_t col = 0;
  std::int16_t row = 0;
  bool inUse = false;
};

inline constexpr int CandidateSlots = 172;  // one per cell, and one that is never used

struct CP_Head {
  // -1: known (fired at or ruled out by a miss); 0: nothing known;
  // n >= 1: n of the computer's "隣接" results pointed here.
  MapOf<std::int16_t> CpKnowledgeMap;

  std::array<CpCandidateRecord, CandidateSlots> CpCandidateList{};
  std::int16_t CpCandidateCount = 0;
  std::int16_t CpBestScore = 0;

  std::int16_t CpTargetCol = 0;
  std::int16_t CpTargetRow = 0;

  std::string CpStrategy;
  std::int16_t CpLastHintShot = -1;  // -1: no hint remembered
  std::int16_t CpLastHintCol = 0;
  std::int16_t CpLastHintRow = 0;
  std::int16_t CpLastCombatHitShot = 0;
  std::int16_t CpFocusMissCount = 0;
};

}  // namespace vantrel
