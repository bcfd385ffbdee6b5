#include "cpu/cp_turn.h"

#include <algorithm>
#include <span>

#include "cpu/cells.h"
#include "cpu/knowledge.h"
#include "engine/deployment.h"
#include "engine/shots.h"
#include "engine/sound_rules.h"
#include "engine/vocabulary.h"

namespace vantrel {
namespace {

void LoseUnitAt(std::span<UnitSlot> slots, std::int16_t col, std::int16_t row) {
  for (UnitSlot& slot : slots)
    if (slot.row == row && slot.col == col) slot.alive = false;
}

bool SameCellAsAny(const UnitSlot& drawn, std::span<const UnitSlot> slots) {
  return std::any_of(slots.begin(), slots.end(), [&](const UnitSlot& s) {
    return s.col == drawn.col && s.row == drawn.row;
  });
}

// Slots not yet filled still hold (0, 0) and take part in the comparison, so
// the top-left cell never receives a unit.
void FillSlots(GameContext& ctx, std::span<UnitSlot> slots, std::span<const UnitSlot> others) {
  for (UnitSlot& slot : slots) slot = UnitSlot{0, 0, false};
  for (UnitSlot& slot : slots) {
    UnitSlot drawn;
    do {
      drawn = IndexToCell(RandomInt(ctx.random, 0, MapCells - 1), MapColumns);
    } while (SameCellAsAny(drawn, slots) || SameCellAsAny(drawn, others));
    slot = drawn;
  }
}

}  // namespace

std::string ExecuteCpShot(GameContext& ctx, std::int16_t col, std::int16_t row) {
  Gamevariable& gv = ctx.gv;
  CP_Head& cp = gv.Cp;
  const std::string shotResult = ClassifyShot(col, row, gv.PlayerBoard);
  const ShotFeedback& feedback = FeedbackFor(shotResult);

  PlayEffect(ctx.sound, ctx.switches, ProgramFile(gv, feedback.effect));
  SetCellColor(ctx, col, row, GridName::FG_M, gv.*feedback.colour);
  if (shotResult == shot::CombatHit) {
    LoseUnitAt(gv.PlayerCombatUnits, col, row);
    AddChecked(gv.PlayerCombatCount, -1);
  } else if (shotResult == shot::CommandHit) {
    LoseUnitAt(gv.PlayerCommandUnits, col, row);
    AddChecked(gv.PlayerCommandCount, -1);
  }
  WriteShotMark(col, row, gv.PlayerBoard, shotResult);
  RecordCpShotResult(cp, col, row, shotResult);

  if (shotResult == shot::Miss) {
    if (cp.CpStrategy == strategy::Focus) AddChecked(cp.CpFocusMissCount, 1);
  } else if (shotResult == shot::Adjacent) {
    cp.CpLastHintShot = gv.CpShotsTotal;
    cp.CpLastHintCol = col;
    cp.CpLastHintRow = row;
  } else {
    if (shotResult == shot::CombatHit) cp.CpLastCombatHitShot = gv.CpShotsTotal;
    cp.CpLastHintShot = -1;
    UpdatePlayerUnitIcons(ctx);
    ctx.screen.ShowReaction(std::string(expression::Smile));
  }

  AddChecked(gv.CpShotsThisTurn, 1);
  AddChecked(gv.CpShotsTotal, 1);
  UpdateCpShotIcons(ctx);
  ctx.screen.SetCaption(LabelName::CPShot, ShotCaption("CPShot", gv.CpShotsTotal));

  std::string outcome(result::CpTurn);
  if (gv.CpShotsThisTurn >= gv.CpCombatCount) {
    outcome = result::CpTurnOver;
    gv.CpShotsThisTurn = 0;
    UpdatePlayerShotIcons(ctx);
  }
  if (CheckVictory(gv, side::Cp) == result::Won) outcome = result::CpWon;

  RedrawCell(ctx, col, row, gv.PlayerBoard, GridName::FG_M);
  return outcome;
}

void DeployCpUnits(GameContext& ctx) {
  Gamevariable& gv = ctx.gv;
  FillSlots(ctx, gv.CpCombatUnits, {});
  FillSlots(ctx, gv.CpCommandUnits, gv.CpCombatUnits);
  gv.CpBoard.Fill(std::string(cell::Empty));
  for (const UnitSlot& s : gv.CpCombatUnits) gv.CpBoard(s.col, s.row) = std::string(cell::Combat);
  for (const UnitSlot& s : gv.CpCommandUnits) gv.CpBoard(s.col, s.row) = std::string(cell::Command);
}

}  // namespace vantrel
