#include <cstdio>

#include "engine/match_state.h"

int main() {
  vantrel::Gamevariable gv;
  vantrel::FillStartUpState(gv, ".");
  std::puts("Vantrel: the game logic is built; its windows come next.");
  return 0;
}
