#include <gtest/gtest.h>

#include "cpu/knowledge.h"
#include "cpu/targeting.h"
#include "support/match_fixture.h"

namespace vantrel::testing {
namespace {

constexpr int AllCells = MapCells - 1;  // the span of a pick over all 171 cells

class Targeting : public MatchFixture {
 protected:
  void SetUp() override {
    random.strict = false;
    screen.Events().Load();
    random.strict = true;
    random.queued.clear();
    random.draws = 0;
  }
  void Plan() { PlanCpShot(screen.Events().Context()); }
  Cell Target() const { return Cell{gv.Cp.CpTargetCol, gv.Cp.CpTargetRow}; }
  std::vector<Cell> Candidates() const {
    std::vector<Cell> cells;
    for (int i = 0; i < gv.Cp.CpCandidateCount; ++i)
      cells.push_back(Cell{gv.Cp.CpCandidateList[i].col, gv.Cp.CpCandidateList[i].row});
    return cells;
  }
  void Hint(std::int16_t col, std::int16_t row) {
    RecordCpShotResult(gv.Cp, col, row, shot::Adjacent);
    gv.Cp.CpLastHintShot = gv.CpShotsTotal;
    gv.Cp.CpLastHintCol = col;
    gv.Cp.CpLastHintRow = row;
  }
  CP_Head& cp = gv.Cp;
};

TEST_F(Targeting, TheFirstDecisionUsuallyScattersAndAlwaysAimsAnywhere) {
  for (bool scatter : {true, false}) {
    SetUp();
    if (scatter) random.Chance(90); else random.Chance(91);
    random.Pick(100, AllCells);
    Plan();
    EXPECT_EQ(cp.CpStrategy, scatter ? strategy::Scatter : strategy::General);
    EXPECT_EQ(cp.CpCandidateCount, 171) << "no hint yet: the whole map";
    EXPECT_EQ(Target(), (Cell{5, 5})) << "entry 100 of the row-major list";
    EXPECT_TRUE(random.queued.empty());
  }
}

TEST_F(Targeting, TheOpeningModeStaysWithoutADrawLongAfterTheLastHit) {
  gv.CpShotsTotal = 10;
  cp.CpLastCombatHitShot = 0;
  random.Pick(0, AllCells);  // the only draw: the pick itself
  Plan();
  EXPECT_EQ(cp.CpStrategy, strategy::General);
  EXPECT_EQ(random.draws, 1);
}

TEST_F(Targeting, AHintWhileScatteringIsFollowedUpInTheSameDecision) {
  cp.CpStrategy = std::string(strategy::Scatter);
  Hint(9, 4);
  random.ChanceFalse();  // not the unit-guided pick: the hint window
  random.Pick(2, 7);     // eight unknown cells of score 1 around (9, 4)
  Plan();
  EXPECT_EQ(cp.CpStrategy, strategy::Focus);
  EXPECT_EQ(cp.CpCandidateCount, 8);
  EXPECT_EQ(cp.CpBestScore, 1);
  EXPECT_EQ(Target(), (Cell{10, 3}));
}

TEST_F(Targeting, TheHintWindowKeepsOnlyTheBestScoredCellsInScanOrder) {
  Hint(9, 4);
  Hint(11, 4);  // column 10 now scores 2
  cp.CpLastHintCol = 9;
  CollectHintCells(cp, random);
  EXPECT_EQ(Candidates(), (std::vector<Cell>{{10, 3}, {10, 4}, {10, 5}}));
  EXPECT_EQ(cp.CpBestScore, 2);
}

TEST_F(Targeting, AHintInTheCornerHasATwoByTwoWindow) {
  Hint(0, 0);
  CollectHintCells(cp, random);
  EXPECT_EQ(Candidates(), (std::vector<Cell>{{1, 0}, {0, 1}, {1, 1}}));
}

TEST_F(Targeting, AWindowWithNothingToGoOnFallsBackToEveryUnknownCell) {
  cp.CpLastHintShot = 3;
  cp.CpLastHintCol = 5;
  cp.CpLastHintRow = 5;
  CollectHintCells(cp, random);  // scores all 0
  EXPECT_EQ(cp.CpCandidateCount, 171);
  MarkMissArea(cp, 5, 5);  // the window is all known
  CollectHintCells(cp, random);
  EXPECT_EQ(cp.CpCandidateCount, 171 - 9);
  EXPECT_EQ(cp.CpBestScore, 0);
}

TEST_F(Targeting, AStrongHintCanForceOneScatteredShot) {
  // Four hints around (9, 4) give it a score of 4.
  for (Cell c : {Cell{8, 3}, Cell{10, 3}, Cell{8, 5}, Cell{10, 5}}) Hint(c.col, c.row);
  cp.CpLastHintCol = 10;
  cp.CpLastHintRow = 5;
  random.Chance(91);  // step 1 draw for the opening mode: stays
  random.Chance(45);  // the forced scatter
  random.Pick(0, 171 - 4 - 1);
  Plan();
  EXPECT_EQ(cp.CpStrategy, strategy::ForcedScatter);
  EXPECT_EQ(cp.CpCandidateCount, 171 - 4) << "the whole unknown map, not the window";

  random.Pick(0, 171 - 4 - 1);
  Plan();
  EXPECT_EQ(cp.CpStrategy, strategy::Scatter) << "one forced shot, then plain scatter";
  EXPECT_EQ(cp.CpCandidateCount, 171 - 4);
}

TEST_F(Targeting, AfterTheFirstMissInFocusTheModesAlternate) {
  cp.CpStrategy = std::string(strategy::Focus);
  cp.CpFocusMissCount = 1;
  Hint(9, 4);
  random.strict = false;
  std::vector<std::string> modes;
  for (int i = 0; i < 4; ++i) {
    Plan();
    modes.push_back(cp.CpStrategy);
  }
  EXPECT_EQ(modes, (std::vector<std::string>{"散発", "最後に見つけた▲に集中", "散発", "最後に見つけた▲に集中"}));
  EXPECT_EQ(cp.CpFocusMissCount, 3);
}

TEST_F(Targeting, WithoutAHintScatterStaysScatter) {
  cp.CpStrategy = std::string(strategy::Scatter);
  cp.CpLastHintShot = -1;
  random.strict = false;
  for (int i = 0; i < 5; ++i) Plan();
  EXPECT_EQ(cp.CpStrategy, strategy::Scatter);
}

class UnitGuided : public Targeting {
 protected:
  void SetUp() override {
    Targeting::SetUp();
    Deploy({Cell{2, 2}, Cell{15, 6}, Cell{0, 8}}, {Cell{6, 6}, Cell{12, 1}, Cell{18, 8}, Cell{9, 4}});
    random.queued.clear();
    CollectUnknownCells(cp);
  }
  void Mark(std::int16_t col, std::int16_t row) { gv.PlayerBoard(col, row) = std::string(cell::Adjacent); }
  void Guided() { PickUnitGuidedTarget(gv, cp, random, 5, 2); }
  int EntryOf(Cell c) const { return c.row * MapColumns + c.col; }
};

TEST_F(UnitGuided, AMarkDiagonallyNextToACommandUnitAimsAtIt) {
  Mark(3, 3);
  random.Pick(0, AllCells);  // default target
  random.ChanceFalse();      // no lucky shot
  random.ChanceFalse();      // no dodge
  Guided();
  EXPECT_EQ(Target(), (Cell{2, 2}));
}

TEST_F(UnitGuided, WithBothKindsMarkedTheCommandUnitIsPreferred) {
  Mark(3, 3);  // next to the command unit at (2, 2)
  Mark(7, 7);  // next to the combat unit at (6, 6)
  for (bool preferCommand : {true, false}) {
    random.Pick(0, AllCells);
    if (preferCommand) random.Chance(60); else random.Chance(61);
    random.ChanceFalse();
    random.ChanceFalse();
    Guided();
    EXPECT_EQ(Target(), preferCommand ? (Cell{2, 2}) : (Cell{6, 6}));
  }
}

TEST_F(UnitGuided, ADestroyedUnitIsNeverAimedAt) {
  gv.PlayerCommandUnits[0].alive = false;
  gv.PlayerBoard(2, 2) = std::string(cell::CommandDestroyed);
  Mark(3, 3);
  random.Pick(0, AllCells);
  random.ChanceFalse();
  random.ChanceFalse();
  Guided();
  EXPECT_EQ(Target(), (Cell{0, 0})) << "the default stays";
}

TEST_F(UnitGuided, ALuckyShotThatFindsAUnitSkipsTheDodge) {
  random.Pick(0, AllCells);
  random.ChanceTrue();                              // lucky shot
  random.Pick(EntryOf({1, 1}), AllCells);           // attempt 1: empty
  random.Pick(EntryOf({15, 6}), AllCells);          // attempt 2: a command unit
  Guided();                                         // a dodge would draw once more and throw
  EXPECT_EQ(Target(), (Cell{15, 6}));
  EXPECT_TRUE(random.queued.empty());
}

TEST_F(UnitGuided, AFailedLuckyShotLosesTheChoiceAndMayStillDodge) {
  Mark(3, 3);
  random.Pick(0, AllCells);
  random.ChanceTrue();
  for (Cell empty : {Cell{1, 1}, Cell{4, 4}, Cell{5, 7}}) random.Pick(EntryOf(empty), AllCells);
  random.ChanceTrue();                      // dodge
  random.Pick(EntryOf({9, 4}), AllCells);   // lands on a unit: try again
  random.Pick(EntryOf({18, 8}), AllCells);  // a unit again: the second stays
  Guided();
  EXPECT_EQ(Target(), (Cell{18, 8}));
}

}  // namespace
}  // namespace vantrel::testing
