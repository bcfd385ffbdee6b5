#include <gtest/gtest.h>

#include "engine/self_play.h"
#include "engine/vocabulary.h"

namespace vantrel {
namespace {

// Whole matches from "InitDeploy" to the result, the real computer player
// against a scripted player, every invariant checked on every shot.
TEST(SelfPlay, WholeMatchesKeepEveryInvariantAndBothSidesCanWin) {
  int playerWins = 0, cpWins = 0;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    SelfPlayOptions options;
    options.cpSeed = seed;
    options.playerSeed = seed * 7919;
    options.playerSkill = static_cast<int>(seed % 3) * 50;  // 0, 50, 100
    const MatchReport report = PlaySelfMatch(options);
    ASSERT_TRUE(report.violations.empty()) << "seed " << seed << ": " << report.violations.front();
    ASSERT_FALSE(report.winner.empty()) << "seed " << seed << " never ended";
    EXPECT_LE(report.cpShots, MapCells);
    EXPECT_LE(report.playerShots, MapCells);
    (report.winner == side::Player ? playerWins : cpWins) += 1;
  }
  EXPECT_GT(playerWins, 0);
  EXPECT_GT(cpWins, 0);
}

TEST(SelfPlay, TheSameSeedsPlayTheSameMatch) {
  SelfPlayOptions options;
  options.cpSeed = 42;
  options.playerSeed = 4242;
  const MatchReport a = PlaySelfMatch(options);
  const MatchReport b = PlaySelfMatch(options);
  EXPECT_EQ(a.winner, b.winner);
  EXPECT_EQ(a.cpShots, b.cpShots);
  EXPECT_EQ(a.playerShots, b.playerShots);
  EXPECT_EQ(a.cpShotsByMode, b.cpShotsByMode);
}

TEST(SelfPlay, TheInvariantCheckCatchesABrokenBoard) {
  Gamevariable gv;
  FillStartUpState(gv, "/");
  ResetMatchState(gv);
  gv.PlayerBoard(3, 3) = std::string(cell::Combat);
  gv.PlayerCombatUnits[0] = UnitSlot{3, 3, true};
  gv.PlayerCombatCount = 1;
  gv.CpBoard(1, 1) = std::string(cell::Combat);
  gv.CpCombatCount = 1;
  gv.CpCommandCount = 0;
  EXPECT_TRUE(CheckMatchInvariants(gv).empty());
  gv.CpCommandCount = 1;
  EXPECT_EQ(CheckMatchInvariants(gv).size(), 1u) << "a count that disagrees with its board";
  gv.CpCommandCount = 0;
  gv.Cp.CpKnowledgeMap(3, 3) = -1;
  const auto broken = CheckMatchInvariants(gv);
  EXPECT_NE(std::find_if(broken.begin(), broken.end(),
                         [](const std::string& s) { return s.find("(3, 3)") != std::string::npos; }),
            broken.end());
}

}  // namespace
}  // namespace vantrel
