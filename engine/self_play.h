// Whole matches played headless: the real engine and the real computer
// player against a scripted player, with every invariant checked on every
// shot. Used by the tests and by the self-play tool.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/match_state.h"

namespace vantrel {

struct SelfPlayOptions {
  std::uint64_t cpSeed = 1;      // the computer's generator
  std::uint64_t playerSeed = 2;  // the scripted player's own choices
  // 0: the scripted player fires at random unfired cells; 100: it always
  // follows up its "隣接" marks and avoids cells its misses ruled out.
  int playerSkill = 100;
};

struct MatchReport {
  std::string winner;  // "PLAYER" or "CP"
  int playerShots = 0;
  int cpShots = 0;
  std::map<std::string, int> cpShotsByMode;  // targeting mode of each computer shot
  std::vector<std::string> violations;       // broken invariants, empty when all held
};

MatchReport PlaySelfMatch(const SelfPlayOptions& options);

// Checks that the counters agree with the boards and the unit slots, and that
// no cell holding an intact player unit is known to the computer.
std::vector<std::string> CheckMatchInvariants(const Gamevariable& gv);

}  // namespace vantrel
