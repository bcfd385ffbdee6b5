#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cpu/knowledge.h"
#include "engine/vocabulary.h"

namespace vantrel {
namespace {

// The map as rows of text: "." 0, "#" known, digits scores.
std::vector<std::string> Picture(const CP_Head& cp) {
  std::vector<std::string> rows;
  for (int r = 0; r < MapRows; ++r) {
    std::string line;
    for (int c = 0; c < MapColumns; ++c) {
      const int v = cp.CpKnowledgeMap(c, r);
      line += v == -1 ? '#' : v == 0 ? '.' : static_cast<char>('0' + v);
    }
    rows.push_back(line);
  }
  return rows;
}

class Knowledge : public ::testing::Test {
 protected:
  void SetUp() override { ResetCpKnowledge(cp); }
  CP_Head cp;
};

TEST_F(Knowledge, ResetForgetsEverything) {
  cp.CpKnowledgeMap(4, 4) = 3;
  cp.CpStrategy = std::string(strategy::Scatter);
  cp.CpLastHintShot = 7;
  cp.CpFocusMissCount = 2;
  cp.CpCandidateCount = 20;
  cp.CpCandidateList[5].inUse = true;
  ResetCpKnowledge(cp);
  EXPECT_EQ(Picture(cp), std::vector<std::string>(9, std::string(19, '.')));
  EXPECT_EQ(cp.CpStrategy, strategy::General);
  EXPECT_EQ(cp.CpLastHintShot, -1);
  EXPECT_EQ(cp.CpFocusMissCount, 0);
  EXPECT_EQ(cp.CpCandidateCount, 0);
  EXPECT_FALSE(cp.CpCandidateList[5].inUse);
}

TEST_F(Knowledge, AMissInTheCornerRulesOutFourCells) {
  RecordCpShotResult(cp, 0, 0, shot::Miss);
  EXPECT_EQ(Picture(cp)[0], "##.................");
  EXPECT_EQ(Picture(cp)[1], "##.................");
  EXPECT_EQ(Picture(cp)[2], "...................");
}

TEST_F(Knowledge, AnAdjacentResultAtTheEdgeRaisesItsClippedBlock) {
  cp.CpKnowledgeMap(17, 3) = -1;
  RecordCpShotResult(cp, 18, 4, shot::Adjacent);
  const auto p = Picture(cp);
  EXPECT_EQ(p[2].substr(16), "...");
  EXPECT_EQ(p[3].substr(16), ".#1") << "known cells stay known";
  EXPECT_EQ(p[4].substr(16), ".1#") << "the fired cell ends known";
  EXPECT_EQ(p[5].substr(16), ".11");
}

TEST_F(Knowledge, TwoHintsTwoColumnsApartAddUpInTheColumnBetween) {
  RecordCpShotResult(cp, 5, 4, shot::Adjacent);
  RecordCpShotResult(cp, 7, 4, shot::Adjacent);
  const auto p = Picture(cp);
  EXPECT_EQ(p[3].substr(3, 7), ".11211.");
  EXPECT_EQ(p[4].substr(3, 7), ".1#2#1.");
  EXPECT_EQ(p[5].substr(3, 7), ".11211.");
}

TEST_F(Knowledge, ALaterMissNextToAScoredCellErasesTheScore) {
  RecordCpShotResult(cp, 5, 4, shot::Adjacent);
  RecordCpShotResult(cp, 7, 5, shot::Miss);
  const auto p = Picture(cp);
  EXPECT_EQ(p[4].substr(4, 4), "1###");
  EXPECT_EQ(p[3].substr(4, 3), "111");
}

TEST_F(Knowledge, AHitChangesExactlyOneCellAndOtherResultsNone) {
  for (std::string_view hit : {shot::CombatHit, shot::CommandHit}) {
    ResetCpKnowledge(cp);
    RecordCpShotResult(cp, 9, 4, hit);
    auto expected = std::vector<std::string>(9, std::string(19, '.'));
    expected[4][9] = '#';
    EXPECT_EQ(Picture(cp), expected) << hit;
  }
  ResetCpKnowledge(cp);
  RecordCpShotResult(cp, 9, 4, "PLAYER_TURN");
  EXPECT_EQ(Picture(cp), std::vector<std::string>(9, std::string(19, '.')));
}

TEST_F(Knowledge, ScoresStopAtEightAroundAFullyHintedCell) {
  // Every neighbour of (9, 4) gives "隣接": the centre collects eight hints.
  for (int dr = -1; dr <= 1; ++dr)
    for (int dc = -1; dc <= 1; ++dc)
      if (dr || dc) RecordCpShotResult(cp, static_cast<std::int16_t>(9 + dc), static_cast<std::int16_t>(4 + dr), shot::Adjacent);
  EXPECT_EQ(cp.CpKnowledgeMap(9, 4), 8);
}

}  // namespace
}  // namespace vantrel
