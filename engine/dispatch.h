// The one place where a match moves through its phases.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/game_context.h"

namespace vantrel {

// Acts on PendingEvent (copied at entry, so a nested dispatch through
// SetEvent cannot change what this one is doing) and GamePhase. `grid` is the
// map the event concerns, or none.
void DispatchGameEvent(GameContext& ctx, std::optional<GridName> grid);

// The instruction line during deployment.
std::string CommandPromptText(const Gamevariable& gv);
std::string CombatPromptText(const Gamevariable& gv);

// The battle screen's event relay: SetEvent_Connecter raises esGameCallBack
// with the name it receives and holds no state of its own.
class EventLuncher {
 public:
  std::function<void(std::string& name)> esGameCallBack;
  void SetEvent_Connecter(std::string& name) {
    if (esGameCallBack) esGameCallBack(name);
  }
};

}  // namespace vantrel
