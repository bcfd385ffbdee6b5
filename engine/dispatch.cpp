#include "engine/dispatch.h"

#include <stdexcept>

#include "cpu/cp_turn.h"
#include "cpu/targeting.h"
#include "engine/deployment.h"
#include "engine/match_end.h"
#include "engine/shots.h"
#include "engine/vocabulary.h"

namespace vantrel {
namespace {

GridName Require(std::optional<GridName> grid) {
  if (!grid) throw std::logic_error("a map event dispatched without its grid");
  return *grid;
}

void OnEnemyMapClick(GameContext& ctx, GridName grid) {
  Gamevariable& gv = ctx.gv;
  if (gv.GamePhase != phase::PlayerTurn) return;
  const std::string r = ExecutePlayerShot(ctx, grid);
  if (r == result::PlayerTurnOver) {
    gv.GamePhase = std::string(phase::CpTurn);
  } else if (r == result::PlayerWon) {
    gv.GamePhase = std::string(phase::Decided);
    ctx.screen.SetEvent(std::string(event::PLAYER_Win));
  }
}

void OnPlayerMapClick(GameContext& ctx, GridName grid) {
  Gamevariable& gv = ctx.gv;
  if (gv.GamePhase == phase::CommandDeploy) {
    if (PlaceCommandUnit(ctx, grid, gv.PlayerBoard) == result::CommandDeployDone) {
      ctx.screen.SetCaption(LabelName::Label_Command, CombatPromptText(gv));
      gv.GamePhase = std::string(phase::CombatDeploy);
    }
    if (gv.GamePhase != phase::CombatDeploy)
      ctx.screen.SetCaption(LabelName::Label_Command, CommandPromptText(gv));
  } else if (gv.GamePhase == phase::CombatDeploy) {
    if (PlaceCombatUnit(ctx, grid, gv.PlayerBoard) == result::CombatDeployDone) {
      gv.GamePhase = std::string(phase::PlayerTurn);
      ctx.screen.SetLabelVisible(LabelName::Label_Command, false);
      ctx.screen.ShowMessage(std::string(text::GameStart));
    }
    if (gv.GamePhase != phase::PlayerTurn)
      ctx.screen.SetCaption(LabelName::Label_Command, CombatPromptText(gv));
  }
}

void OnPacingTick(GameContext& ctx) {
  Gamevariable& gv = ctx.gv;
  if (gv.GamePhase == phase::CpTurn) {
    PlanCpShot(ctx);
    const std::string r = ExecuteCpShot(ctx, gv.Cp.CpTargetCol, gv.Cp.CpTargetRow);
    if (r == result::CpTurnOver) {
      gv.GamePhase = std::string(phase::PlayerTurn);
    } else if (r == result::CpWon) {
      gv.GamePhase = std::string(phase::Decided);
      ctx.screen.SetEvent(std::string(event::CP_Win));
    }
  } else if (gv.GamePhase == phase::InitDeploy) {
    ctx.screen.SetCaption(LabelName::Label_Command, CommandPromptText(gv));
    ctx.screen.SetLabelVisible(LabelName::Label_Command, true);
    gv.GamePhase = std::string(phase::CommandDeploy);
  }
}

}  // namespace

std::string CommandPromptText(const Gamevariable& gv) {
  return std::string(text::CommandPromptPrefix) +
         std::to_string(CommandUnitLimit - gv.PlayerCommandCount) + std::string(text::PromptUnit);
}

std::string CombatPromptText(const Gamevariable& gv) {
  return std::string(text::CombatPromptPrefix) +
         std::to_string(CombatUnitLimit - gv.PlayerCombatCount) + std::string(text::PromptUnit);
}

void DispatchGameEvent(GameContext& ctx, std::optional<GridName> grid) {
  const std::string name = ctx.gv.PendingEvent;
  if (name == event::FG_E_Click) {
    OnEnemyMapClick(ctx, Require(grid));
  } else if (name == event::FG_M_Click) {
    OnPlayerMapClick(ctx, Require(grid));
  } else if (name == event::CP_Win) {
    RevealCpUnits(ctx);
    ctx.screen.ShowResultBox(std::string(text::YouLose));
    ctx.screens.SwitchScreen(ScreenId::Kor_Continue, ScreenId::Kor_Main);
  } else if (name == event::PLAYER_Win) {
    RevealCpUnits(ctx);
    ctx.screen.ShowResultBox(std::string(text::YouWin));
    ShowStageReward(ctx);
  } else if (name == event::WinCP_Timer) {
    OnPacingTick(ctx);
  }
}

}  // namespace vantrel
