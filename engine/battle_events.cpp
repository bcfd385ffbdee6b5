#include "engine/battle_events.h"

#include "cpu/cp_turn.h"
#include "cpu/knowledge.h"
#include "engine/sound_rules.h"
#include "engine/vocabulary.h"

namespace vantrel {

void BattleEvents::Load() {
  MainEL = std::make_unique<EventLuncher>();
  MainEL->esGameCallBack = [this](std::string& name) { MainEL_esGameCallBack(name); };
  ctx_.screen.SetUpGrids();
  ResetMatchState(ctx_.gv);
  DeployCpUnits(ctx_);
  ResetCpKnowledge(ctx_.gv.Cp);
  ctx_.screen.LoadCharacterPortrait();
  ctx_.screen.LoadUnitSprites();
  ctx_.gv.GamePhase = std::string(phase::InitDeploy);
  ctx_.screen.SetCaption(LabelName::StageNo, "Stage " + std::to_string(ctx_.gv.StageIndex + 1));
  ctx_.screen.SetCaption(LabelName::CharaNo,
                         "CharaNo \n\r" + std::to_string(ctx_.gv.CharacterIndex));
}

bool BattleEvents::Activate() {
  ctx_.sound.CloseAllSnd();
  return StartWindowMusic(ctx_.sound, ctx_.switches, ProgramFile(ctx_.gv, snd::MainBGM));
}

void BattleEvents::TimerSnd_Timer() { MusicLoopTick(ctx_.sound, ProgramFile(ctx_.gv, snd::MainBGM)); }

void BattleEvents::UnloadForSwitch() {
  ctx_.sound.CloseEffectSnds();
  ctx_.sound.CloseSnd(ProgramFile(ctx_.gv, snd::MainBGM));
  ctx_.gv.ScreenSwitching = false;
}

void BattleEvents::Dispatch(std::string_view name, std::optional<GridName> grid) {
  ctx_.gv.PendingEvent = std::string(name);
  DispatchGameEvent(ctx_, grid);
}

void BattleEvents::FG_E_Click() { Dispatch(event::FG_E_Click, GridName::FG_E); }
void BattleEvents::FG_M_Click() { Dispatch(event::FG_M_Click, GridName::FG_M); }
void BattleEvents::CpTurn_Timer() { Dispatch(event::WinCP_Timer, GridName::FG_M); }

void BattleEvents::Surrender_Click() {
  // The match is decided the moment the player gives up, so no computer
  // shot can run while the result box is open.
  ctx_.gv.GamePhase = std::string(phase::Decided);
  Dispatch(event::CP_Win, GridName::FG_E);
}

void BattleEvents::SetEvent(std::string name) {
  if (MainEL) MainEL->SetEvent_Connecter(name);
}

void BattleEvents::MainEL_esGameCallBack(std::string& name) { Dispatch(name, std::nullopt); }

}  // namespace vantrel
