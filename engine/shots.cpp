#include "engine/shots.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "engine/deployment.h"
#include "engine/sound_rules.h"
#include "engine/vocabulary.h"

namespace vantrel {
namespace {

struct FeedbackRow {
  std::string_view result;
  ShotFeedback feedback;
};

const std::array<FeedbackRow, 4> FeedbackTable{{
    {shot::Miss, {cell::Miss, snd::Miss, &Gamevariable::MissColor}},
    {shot::Adjacent, {cell::Adjacent, snd::Adjacent, &Gamevariable::AdjacentColor}},
    {shot::CombatHit, {cell::CombatDestroyed, snd::CombatHit, &Gamevariable::CombatColor}},
    {shot::CommandHit, {cell::CommandDestroyed, snd::CommandHit, &Gamevariable::CommandColor}},
}};

const FeedbackRow* FindFeedback(std::string_view result) {
  for (const FeedbackRow& row : FeedbackTable)
    if (row.result == result) return &row;
  return nullptr;
}

bool IsUnitForAdjacency(std::string_view code) {
  return code == cell::CombatDestroyed || code == cell::Combat || code == cell::Command ||
         code == cell::CommandDestroyed;
}

// One routine for every icon row: icon i shows while i < count.
void UpdateIconRow(BattleScreen& screen, IconRow row, int count) {
  for (int i = 0; i < IconRowSize(row); ++i) screen.SetIconVisible(row, i, i < count);
}

}  // namespace

std::string ClassifyShot(std::int16_t col, std::int16_t row, const CellBoard& board) {
  const std::string& here = board(col, row);
  if (here == cell::Combat) return std::string(shot::CombatHit);
  if (here == cell::Command) return std::string(shot::CommandHit);
  const int c0 = std::max(col - 1, 0), c1 = std::min(col + 1, MapColumns - 1);
  const int r0 = std::max(row - 1, 0), r1 = std::min(row + 1, MapRows - 1);
  for (int r = r0; r <= r1; ++r)
    for (int c = c0; c <= c1; ++c)
      if (IsUnitForAdjacency(board(c, r))) return std::string(shot::Adjacent);
  return std::string(shot::Miss);
}

void WriteShotMark(std::int16_t col, std::int16_t row, CellBoard& board, std::string_view result) {
  std::string& target = board(col, row);
  if (const FeedbackRow* row_ = FindFeedback(result)) target = std::string(row_->feedback.mark);
}

std::string CheckVictory(const Gamevariable& gv, std::string_view side) {
  if (side == side::Player)
    return std::string(gv.CpCombatCount == 0 || gv.CpCommandCount == 0 ? result::Won
                                                                         : result::Undecided);
  if (side == side::Cp)
    return std::string(gv.PlayerCombatCount == 0 || gv.PlayerCommandCount == 0
                           ? result::Won
                           : result::Undecided);
  return {};
}

const ShotFeedback& FeedbackFor(std::string_view result) {
  if (const FeedbackRow* row = FindFeedback(result)) return row->feedback;
  throw std::invalid_argument("not a shot result: " + std::string(result));
}

bool IsFiredAt(std::string_view code) {
  return code == cell::Adjacent || code == cell::Miss || code == cell::CombatDestroyed ||
         code == cell::CommandDestroyed;
}

void UpdateCpUnitIcons(GameContext& ctx) {
  UpdateIconRow(ctx.screen, IconRow::ImageRemSen_E, ctx.gv.CpCombatCount);
  UpdateIconRow(ctx.screen, IconRow::ImageRemSiki_E, ctx.gv.CpCommandCount);
}

void UpdatePlayerUnitIcons(GameContext& ctx) {
  UpdateIconRow(ctx.screen, IconRow::ImageRemSen_M, ctx.gv.PlayerCombatCount);
  UpdateIconRow(ctx.screen, IconRow::ImageRemSiki_M, ctx.gv.PlayerCommandCount);
}

void UpdatePlayerShotIcons(GameContext& ctx) {
  UpdateIconRow(ctx.screen, IconRow::ImageRemShot_P, ctx.gv.PlayerCombatCount - ctx.gv.PlayerShotsThisTurn);
}

void UpdateCpShotIcons(GameContext& ctx) {
  UpdateIconRow(ctx.screen, IconRow::ImageRemShot_E, ctx.gv.CpCombatCount - ctx.gv.CpShotsThisTurn);
}

std::string ShotCaption(std::string_view label, int total) {
  return std::string(label) + "\n\r" + std::to_string(total);
}

std::string ExecutePlayerShot(GameContext& ctx, GridName grid) {
  Gamevariable& gv = ctx.gv;
  if (gv.GamePhase != phase::PlayerTurn) return std::string(result::ShotRefused);

  const Cell at = ctx.screen.CurrentCell(grid);
  if (IsFiredAt(gv.CpBoard(at.col, at.row))) return std::string(result::ShotRefused);

  const std::string shotResult = ClassifyShot(at.col, at.row, gv.CpBoard);
  const ShotFeedback& feedback = FeedbackFor(shotResult);
  PlayEffect(ctx.sound, ctx.switches, ProgramFile(gv, feedback.effect));
  const bool hit = shotResult == shot::CombatHit || shotResult == shot::CommandHit;
  if (shotResult == shot::CombatHit) AddChecked(gv.CpCombatCount, -1);
  if (shotResult == shot::CommandHit) AddChecked(gv.CpCommandCount, -1);
  SetCellColor(ctx, at.col, at.row, grid, gv.*feedback.colour);
  WriteShotMark(at.col, at.row, gv.CpBoard, shotResult);
  if (hit) {
    UpdateCpUnitIcons(ctx);
    ctx.screen.ShowReaction(std::string(expression::Angry));
  }

  AddChecked(gv.PlayerShotsThisTurn, 1);
  AddChecked(gv.PlayerShotsTotal, 1);
  UpdatePlayerShotIcons(ctx);
  ctx.screen.SetCaption(LabelName::PLShot, ShotCaption("PLShot", gv.PlayerShotsTotal));

  std::string outcome(result::PlayerTurn);
  if (gv.PlayerShotsThisTurn >= gv.PlayerCombatCount) {
    outcome = result::PlayerTurnOver;
    gv.PlayerShotsThisTurn = 0;
    UpdateCpShotIcons(ctx);
  }
  if (CheckVictory(gv, side::Player) == result::Won) outcome = result::PlayerWon;

  RedrawCell(ctx, at.col, at.row, gv.CpBoard, grid);
  return outcome;
}

}  // namespace vantrel
