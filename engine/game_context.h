// What every game operation works with: the shared state and the ports to the
// screen, the speakers, the switches, the random generator and the windows.
#pragma once

#include "cpu/random.h"
#include "engine/match_state.h"
#include "engine/ports.h"

namespace vantrel {

struct GameContext {
  Gamevariable& gv;
  BattleScreen& screen;
  SoundOutput& sound;
  const Switches& switches;
  RandomSource& random;
  Screens& screens;
};

}  // namespace vantrel
