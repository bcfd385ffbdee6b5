// The battle screen's behaviour, apart from its pixels: its load, its event
// handlers and its event relay. The Qt window and the headless screen both
// own one and forward their clicks and ticks to it.
#pragma once

#include <memory>
#include <string>

#include "engine/dispatch.h"
#include "engine/game_context.h"

namespace vantrel {

class BattleEvents {
 public:
  explicit BattleEvents(GameContext ctx) : ctx_(ctx) {}

  // Prepares a complete match: grids, match state, the computer's hidden
  // units, the computer player, portrait and sprites; phase "InitDeploy".
  void Load();

  // Becoming the active window: all sound stops and the battle music starts
  // unless it is switched off. Returns whether the music timer should run.
  bool Activate();
  void TimerSnd_Timer();
  // The quiet part of closing through a screen switch.
  void UnloadForSwitch();

  void FG_E_Click();
  void FG_M_Click();
  void CpTurn_Timer();
  void Surrender_Click();

  // The screen's public SetEvent: through MainEL back into the dispatcher.
  void SetEvent(std::string name);

  GameContext& Context() { return ctx_; }

 private:
  void Dispatch(std::string_view name, std::optional<GridName> grid);
  void MainEL_esGameCallBack(std::string& name);

  GameContext ctx_;
  std::unique_ptr<EventLuncher> MainEL;
};

}  // namespace vantrel
