#include "cpu/targeting.h"

#include <algorithm>
#include <optional>
#include <span>

#include "engine/vocabulary.h"

namespace vantrel {
namespace {

constexpr int ShotsSinceHitForScatter = 9;
constexpr std::int16_t ScatterPercent = 90;
constexpr std::int16_t UnitGuidedPercent = 42;
constexpr std::int16_t ForcedScatterScore = 4;
constexpr std::int16_t ForcedScatterPercent = 45;
constexpr std::int16_t PreferCommandPercent = 60;
constexpr std::int16_t LuckPercent = 5;
constexpr std::int16_t DodgePercent = 2;
constexpr int LuckAttempts = 3;
constexpr int DodgeAttempts = 2;

void ClearCandidates(CP_Head& cp) {
  cp.CpCandidateCount = 0;
  cp.CpBestScore = 0;
  for (int i = 0; i < MapCells; ++i) cp.CpCandidateList[static_cast<std::size_t>(i)] = {};
}

void AppendCandidate(CP_Head& cp, int col, int row) {
  cp.CpCandidateList.at(static_cast<std::size_t>(cp.CpCandidateCount)) =
      CpCandidateRecord{static_cast<std::int16_t>(col), static_cast<std::int16_t>(row), true};
  AddChecked(cp.CpCandidateCount, 1);
}

bool HoldsIntactUnit(const Gamevariable& gv, Cell cell) {
  const std::string& code = gv.PlayerBoard(cell.col, cell.row);
  return code == cell::Command || code == cell::Combat;
}

// The first living unit, in slot order, with a "▲隣" mark in its clipped
// 3 × 3 block.
std::optional<Cell> FindMarkedUnit(const Gamevariable& gv, std::span<const UnitSlot> slots) {
  for (const UnitSlot& slot : slots) {
    if (!slot.alive) continue;
    const int c0 = std::max(slot.col - 1, 0), c1 = std::min(slot.col + 1, MapColumns - 1);
    const int r0 = std::max(slot.row - 1, 0), r1 = std::min(slot.row + 1, MapRows - 1);
    for (int r = r0; r <= r1; ++r)
      for (int c = c0; c <= c1; ++c)
        if (gv.PlayerBoard(c, r) == cell::Adjacent) return Cell{slot.col, slot.row};
  }
  return std::nullopt;
}

void ReviewMode(GameContext& ctx) {
  CP_Head& cp = ctx.gv.Cp;
  const std::string mode = cp.CpStrategy;
  if (mode == strategy::Scatter) {
    if (cp.CpLastHintShot != -1) cp.CpStrategy = std::string(strategy::Focus);
  } else if (mode == strategy::Focus) {
    if (cp.CpFocusMissCount >= 1) {
      cp.CpStrategy = std::string(strategy::Scatter);
      AddChecked(cp.CpFocusMissCount, 1);
    }
  } else if (mode == strategy::General) {
    if (ctx.gv.CpShotsTotal - cp.CpLastCombatHitShot <= ShotsSinceHitForScatter &&
        ChancePercent(ctx.random, ScatterPercent))
      cp.CpStrategy = std::string(strategy::Scatter);
  }
}

}  // namespace

void CollectUnknownCells(CP_Head& cp) {
  ClearCandidates(cp);
  for (int row = 0; row < MapRows; ++row)
    for (int col = 0; col < MapColumns; ++col)
      if (cp.CpKnowledgeMap(col, row) != -1) AppendCandidate(cp, col, row);
}

void CollectHintCells(CP_Head& cp, RandomSource& random) {
  if (cp.CpLastHintShot == -1) {
    CollectUnknownCells(cp);
    return;
  }
  ClearCandidates(cp);
  const int c0 = std::max(cp.CpLastHintCol - 1, 0);
  const int c1 = std::min(cp.CpLastHintCol + 1, MapColumns - 1);
  const int r0 = std::max(cp.CpLastHintRow - 1, 0);
  const int r1 = std::min(cp.CpLastHintRow + 1, MapRows - 1);
  for (int row = r0; row <= r1; ++row) {
    for (int col = c0; col <= c1; ++col) {
      const std::int16_t v = cp.CpKnowledgeMap(col, row);
      if (v == -1) continue;
      if (v > cp.CpBestScore) {
        ClearCandidates(cp);
        cp.CpBestScore = v;
        AppendCandidate(cp, col, row);
      } else if (v == cp.CpBestScore) {
        AppendCandidate(cp, col, row);
      }
    }
  }
  if (cp.CpBestScore >= ForcedScatterScore && ChancePercent(random, ForcedScatterPercent)) {
    CollectUnknownCells(cp);
    cp.CpStrategy = std::string(strategy::ForcedScatter);
  }
  if (cp.CpBestScore <= 0) CollectUnknownCells(cp);
}

void PickRandomCandidate(CP_Head& cp, RandomSource& random) {
  const std::int16_t i = RandomInt(random, 0, static_cast<std::int16_t>(cp.CpCandidateCount - 1));
  const CpCandidateRecord& entry = cp.CpCandidateList.at(static_cast<std::size_t>(i));
  cp.CpTargetCol = entry.col;
  cp.CpTargetRow = entry.row;
}

void PickUnitGuidedTarget(const Gamevariable& gv, CP_Head& cp, RandomSource& random,
                          std::int16_t luckPercent, std::int16_t dodgePercent) {
  PickRandomCandidate(cp, random);

  const std::optional<Cell> command = FindMarkedUnit(gv, gv.PlayerCommandUnits);
  const std::optional<Cell> combat = FindMarkedUnit(gv, gv.PlayerCombatUnits);
  std::optional<Cell> chosen;
  if (command && combat)
    chosen = ChancePercent(random, PreferCommandPercent) ? command : combat;
  else
    chosen = command ? command : combat;
  if (chosen) {
    cp.CpTargetCol = chosen->col;
    cp.CpTargetRow = chosen->row;
  }

  if (ChancePercent(random, luckPercent)) {
    for (int attempt = 0; attempt < LuckAttempts; ++attempt) {
      PickRandomCandidate(cp, random);
      if (HoldsIntactUnit(gv, Cell{cp.CpTargetCol, cp.CpTargetRow})) return;  // no dodge then
    }
  }
  if (ChancePercent(random, dodgePercent)) {
    for (int attempt = 0; attempt < DodgeAttempts; ++attempt) {
      PickRandomCandidate(cp, random);
      if (!HoldsIntactUnit(gv, Cell{cp.CpTargetCol, cp.CpTargetRow})) return;
    }
  }
}

void PlanCpShot(GameContext& ctx) {
  CP_Head& cp = ctx.gv.Cp;
  ReviewMode(ctx);
  const std::string mode = cp.CpStrategy;
  if (mode == strategy::ForcedScatter) {
    cp.CpStrategy = std::string(strategy::Scatter);
    CollectUnknownCells(cp);
    PickRandomCandidate(cp, ctx.random);
  } else if (mode == strategy::Scatter) {
    CollectUnknownCells(cp);
    PickRandomCandidate(cp, ctx.random);
  } else if (mode == strategy::Focus) {
    if (ChancePercent(ctx.random, UnitGuidedPercent)) {
      CollectUnknownCells(cp);
      PickUnitGuidedTarget(ctx.gv, cp, ctx.random, LuckPercent, DodgePercent);
    } else {
      CollectHintCells(cp, ctx.random);
      PickRandomCandidate(cp, ctx.random);
    }
  } else if (mode == strategy::General) {
    CollectHintCells(cp, ctx.random);
    PickRandomCandidate(cp, ctx.random);
  }
}

}  // namespace vantrel
