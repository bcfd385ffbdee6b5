#include "cpu/knowledge.h"

#include "engine/vocabulary.h"

namespace vantrel {
namespace {

constexpr std::int16_t Known = -1;

template <typename Visit>
void ForBlock(std::int16_t col, std::int16_t row, Visit visit) {
  for (int r = row - 1; r <= row + 1; ++r)
    for (int c = col - 1; c <= col + 1; ++c)
      if (OnMap(c, r)) visit(c, r);
}

}  // namespace

void ResetCpKnowledge(CP_Head& cp) {
  cp.CpCandidateCount = 0;
  cp.CpBestScore = 0;
  for (int i = 0; i < MapCells; ++i) cp.CpCandidateList[static_cast<std::size_t>(i)].inUse = false;
  cp.CpKnowledgeMap.Fill(0);
  cp.CpFocusMissCount = 0;
  cp.CpLastCombatHitShot = 0;
  cp.CpLastHintShot = -1;
  cp.CpLastHintCol = 0;
  cp.CpLastHintRow = 0;
  cp.CpStrategy = std::string(strategy::General);
}

void MarkMissArea(CP_Head& cp, std::int16_t col, std::int16_t row) {
  ForBlock(col, row, [&](int c, int r) { cp.CpKnowledgeMap(c, r) = Known; });
}

void MarkAdjacentHint(CP_Head& cp, std::int16_t col, std::int16_t row) {
  ForBlock(col, row, [&](int c, int r) {
    std::int16_t& v = cp.CpKnowledgeMap(c, r);
    if (v != Known) AddChecked(v, 1);
  });
  cp.CpKnowledgeMap(col, row) = Known;
}

void RecordCpShotResult(CP_Head& cp, std::int16_t col, std::int16_t row, std::string_view result) {
  if (result == shot::CombatHit || result == shot::CommandHit)
    cp.CpKnowledgeMap(col, row) = Known;
  else if (result == shot::Miss)
    MarkMissArea(cp, col, row);
  else if (result == shot::Adjacent)
    MarkAdjacentHint(cp, col, row);
}

}  // namespace vantrel
