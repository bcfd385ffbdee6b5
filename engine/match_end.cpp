#include "engine/match_end.h"

#include "engine/deployment.h"
#include "engine/vocabulary.h"

namespace vantrel {

void RevealCpUnits(GameContext& ctx) {
  for (std::int16_t row = 0; row < MapRows; ++row)
    for (std::int16_t col = 0; col < MapColumns; ++col) {
      const std::string& code = ctx.gv.CpBoard(col, row);
      if (code == cell::Combat || code == cell::Command)
        RedrawCell(ctx, col, row, ctx.gv.CpBoard, GridName::FG_E);
    }
}

void ShowStageReward(GameContext& ctx) {
  const int c = ctx.gv.CharacterIndex;
  const int s = ctx.gv.StageIndex;
  if (c < 0 || c > 2 || s < 0 || s > 2) return;  // stays on the finished match
  ctx.screens.SwitchScreen(ViewerScreen(c, s), ScreenId::Kor_Main);
}

}  // namespace vantrel
